// The sample course the build lays out in build/course/.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "tests/support/TestPaths.h"
#include "tests/tools/lessondb/MdbReadBack.h"
#include "tools/lib/lessondb/SourceFormat.h"

namespace lessondb {
namespace {

std::string courseFile(const std::string& name) { return testpaths::binaryDir() + "/course/" + name; }

std::string readBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<Item> sourceItems()
{
    auto items = readSource(testpaths::sourceDir() + "/resources/course/lesson1.tsv");
    EXPECT_TRUE(items.ok()) << items.error().message;
    return items.ok() ? items.value() : std::vector<Item>();
}

TEST(CourseFolderTest, LessonFileHoldsTheSourceRowsInOrder)
{
    const std::vector<Item> items = sourceItems();
    const auto back = lessondbtest::readWithLibmdb(courseFile("data/shuju.dat"));
    ASSERT_EQ(back.error, "");
    std::vector<std::vector<lessondbtest::Cell>> expected;
    std::map<std::string, int> perPart;
    for (const Item& item : items) {
        expected.push_back({item.id, item.jp, item.cn, item.sound, item.fy});
        ++perPart[item.id];
    }
    EXPECT_EQ(back.rows, expected);
    EXPECT_EQ(perPart.size(), 3u);
    EXPECT_GE(perPart["dext1基本课文"], 8);
    EXPECT_EQ(perPart["dext1应用课文"], 6);
    EXPECT_EQ(perPart["dext1单词"], 12);
}

TEST(CourseFolderTest, EveryItemHasItsClipAndTheEffectSoundsExist)
{
    std::vector<std::string> missing;
    bool verbatimNameSeen = false;
    for (const Item& item : sourceItems()) {
        const std::string clip = courseFile("music/" + item.sound + ".mp3");
        if (!std::filesystem::exists(clip) || std::filesystem::file_size(clip) == 0)
            missing.push_back(clip);
        verbatimNameSeen = verbatimNameSeen || item.sound.find(' ') != std::string::npos;
    }
    for (const char* effect : {"music/Clique.wav", "music/wrong.wav", "music/click.wav"})
        if (!std::filesystem::exists(courseFile(effect)))
            missing.push_back(courseFile(effect));
    EXPECT_EQ(missing, std::vector<std::string>());
    EXPECT_TRUE(verbatimNameSeen) << "no sound name with a space: verbatim clip paths go untested";
}

TEST(CourseFolderTest, SettingsFileIsCodePage936WithWindowsLineEnds)
{
    EXPECT_EQ(readBytes(courseFile("setting/system.ini")),
              "[study]\r\nkecheng=dext1\r\nkewen=\xBB\xF9\xB1\xBE\xBF\xCE\xCE\xC4\r\ntbkt=2\r\n"
              "[setting]\r\nkechengming=Lesson1  \xBC\xD2\xCD\xA5\xCE\xCA\xBA\xF2\r\nyinfou=1\r\n");
}

TEST(CourseFolderTest, RecorderWavIsAnEmptyPcmFileInTheRecordingFormat)
{
    const std::string expected("RIFF\x24\0\0\0WAVEfmt \x10\0\0\0"
                               "\x01\0\x01\0"         // PCM, mono
                               "\x22\x56\0\0"         // 22050 Hz
                               "\x44\xAC\0\0\x02\0"   // 44100 bytes a second, 2 bytes a frame
                               "\x10\0data\0\0\0\0", // 16 bits; no samples
                               44);
    EXPECT_EQ(readBytes(courseFile("Recorder.wav")), expected);
}

} // namespace
} // namespace lessondb
