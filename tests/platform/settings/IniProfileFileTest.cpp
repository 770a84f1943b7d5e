#include "platform/settings/IniProfileFile.h"

#include <string>
#include <sys/stat.h>
#include <vector>

#include <gtest/gtest.h>

#include "tests/support/LogCapture.h"
#include "tests/support/TempFolder.h"

using platform::IniProfileFile;
using testpaths::TempFolder;

namespace {

const std::string kFamilyGreetingsGbk = "\xBC\xD2\xCD\xA5\xCE\xCA\xBA\xF2"; // 家庭问候
const std::string kJiaGbk = "\xBC\xD2"; // 家

std::string repeat(const std::string& s, int n)
{
    std::string out;
    for (int i = 0; i < n; ++i)
        out += s;
    return out;
}

std::string repeatUtf8(const char* s, int n)
{
    return repeat(std::string(s), n);
}

struct ReadCase {
    const char* name;
    std::optional<std::string> file; // nothing: no file at all
    const char* section;
    const char* key;
    std::string expected;
};

} // namespace

TEST(IniProfileFile, ReadsValuesAsTheWindowsReaderDoes)
{
    const std::string binary = std::string("\x00\xFF\x13[\x00\x01=\x02\n\x00\x7F", 12) + repeat(std::string("\xDE\xAD\x00\x0A", 4), 50);
    const ReadCase cases[] = {
        { "no file gives the default", std::nullopt, "study", "kecheng", "DEFAULT" },
        { "empty file gives the default", "", "study", "kecheng", "DEFAULT" },
        { "plain CRLF file", "[study]\r\nkecheng=dext2\r\n", "study", "kecheng", "dext2" },
        { "section and key names match without case", "[STUDY]\r\nKeCheng=dext2\r\n", "Study", "kecheng", "dext2" },
        { "blanks around names and values are trimmed", "  [ study ] \t\r\n \tkecheng  =  dext 2 \t\r\n", "study", "kecheng", "dext 2" },
        { "empty value is empty, not the default", "[study]\nkecheng=\n", "study", "kecheng", "" },
        { "missing key gives the default", "[study]\nkewen=x\n", "study", "kecheng", "DEFAULT" },
        { "key of another section is not seen", "[setting]\nkecheng=x\n[study]\n", "study", "kecheng", "DEFAULT" },
        { "key before any section is not seen", "kecheng=x\n[study]\n", "study", "kecheng", "DEFAULT" },
        { "first of duplicate keys wins", "[study]\nkecheng=one\nKECHENG=two\n", "study", "kecheng", "one" },
        { "only the first of duplicate sections counts", "[study]\nkewen=a\n[setting]\n[study]\nkecheng=late\n", "study", "kecheng",
            "DEFAULT" },
        { "first duplicate section's key wins", "[study]\nkecheng=one\n[study]\nkecheng=two\n", "study", "kecheng", "one" },
        { "comment lines are skipped", "[study]\n;kecheng=commented\n; note\nkecheng=real\n", "study", "kecheng", "real" },
        { "a comment after a value belongs to it", "[study]\nkecheng=a ; b\n", "study", "kecheng", "a ; b" },
        { "lines without '=' are skipped", "[study]\nkecheng\nnoise line\nkecheng=v\n", "study", "kecheng", "v" },
        { "matching quotes are taken off", "[study]\nkecheng=\" dext2 \"\n", "study", "kecheng", " dext2 " },
        { "unmatched quotes stay", "[study]\nkecheng=\"dext2'\n", "study", "kecheng", "\"dext2'" },
        { "first '=' splits key and value", "[study]\nkecheng = a=b\n", "study", "kecheng", "a=b" },
        { "value is cut at a NUL byte", std::string("[study]\nkecheng=ab\0cd\n", 21), "study", "kecheng", "ab" },
        { "LF file without final newline", "[study]\nkecheng=dext2", "study", "kecheng", "dext2" },
        { "GBK title decoded", "[setting]\r\nkechengming=Lesson1  " + kFamilyGreetingsGbk + "\r\n", "setting", "kechengming",
            "Lesson1  家庭问候" },
        { "value cut to 255 bytes", "[s]\nk=" + repeat("a", 300) + "\n", "s", "k", repeat("a", 255) },
        { "255 bytes ending on a whole character stay", "[s]\nk=a" + repeat(kJiaGbk, 127) + "\n", "s", "k", "a" + repeatUtf8("家", 127) },
        { "cut inside a two-byte character drops its lead byte", "[s]\nk=aa" + repeat(kJiaGbk, 127) + "\n", "s", "k",
            "aa" + repeatUtf8("家", 126) },
        { "invalid GBK bytes show as U+FFFD",
            "[s]\nk=a\x81\xFF"
            "b\xBC\n",
            "s", "k",
            "a\xEF\xBF\xBD\xEF\xBF\xBD"
            "b\xEF\xBF\xBD" },
        { "lead byte before ASCII keeps the ASCII", "[s]\nk=\x81!\n", "s", "k", "\xEF\xBF\xBD!" },
        { "binary file gives the default", binary, "study", "kecheng", "DEFAULT" },
        { "binary noise around a readable key", binary + "\n[study]\nkecheng=ok\n" + binary, "study", "kecheng", "ok" },
        { "huge line before the key", repeat("x", 1 << 20) + "\n[study]\nkecheng=ok\n", "study", "kecheng", "ok" },
        { "names in Chinese are matched in code page 936", "[\xC9\xE8\xD6\xC3]\r\n\xBF\xCE\xB3\xCC=" + kJiaGbk + "\r\n", "设置", "课程",
            "家" },
        { "huge value is cut", "[study]\nkecheng=" + repeat("y", 1 << 20), "study", "kecheng", repeat("y", 255) },
    };
    for (const ReadCase& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder folder;
        if (c.file)
            folder.write("system.ini", *c.file);
        const IniProfileFile profile(folder.file("system.ini"));
        EXPECT_EQ(profile.read(c.section, c.key, "DEFAULT"), c.expected);
    }
}

TEST(IniProfileFile, ReadsTheDefaultWhenThePathIsAFolder)
{
    TempFolder folder;
    std::filesystem::create_directory(folder.path() / "system.ini");
    EXPECT_EQ(IniProfileFile(folder.file("system.ini")).read("study", "kecheng", "dext1"), "dext1");
}

namespace {

struct WriteCase {
    const char* name;
    std::optional<std::string> before; // nothing: no file
    std::string after;
};

} // namespace

TEST(IniProfileFile, WriteChangesOnlyTheOneValue)
{
    const std::string gbkLine = "kechengming=Lesson1  " + kFamilyGreetingsGbk;
    const WriteCase cases[] = {
        { "key replaced in place in a CRLF file", "[study]\r\nkecheng=dext1\r\n[tongji]\r\nxuanze=old value\r\n; keep me\r\nother=1\r\n",
            "[study]\r\nkecheng=dext1\r\n[tongji]\r\nxuanze=main\r\n; keep me\r\nother=1\r\n" },
        { "spelling and blanks before the value stay", "[TongJi]\n  XuanZe =  old  \n", "[TongJi]\n  XuanZe =  main\n" },
        { "key added at the end of its section, before the blank line", "[tongji]\nfoo=1\n\n[study]\nk=v\n",
            "[tongji]\nfoo=1\nxuanze=main\n\n[study]\nk=v\n" },
        { "key added to an empty section", "[tongji]\r\n[study]\r\n", "[tongji]\r\nxuanze=main\r\n[study]\r\n" },
        { "key added after a last line without newline", "[a]\r\nb=c\r\n[tongji]\r\nfoo=1",
            "[a]\r\nb=c\r\n[tongji]\r\nfoo=1\r\nxuanze=main" },
        { "section appended to a CRLF file", "[setting]\r\n" + gbkLine + "\r\n",
            "[setting]\r\n" + gbkLine + "\r\n[tongji]\r\nxuanze=main\r\n" },
        { "section appended to an LF file without final newline", "; top\n[study]\nk=v", "; top\n[study]\nk=v\n[tongji]\nxuanze=main" },
        { "only the first of duplicate sections is changed", "[tongji]\na=1\n[tongji]\nxuanze=x\n",
            "[tongji]\na=1\nxuanze=main\n[tongji]\nxuanze=x\n" },
        { "only the first of duplicate keys is changed", "[tongji]\nxuanze=1\nxuanze=2\n", "[tongji]\nxuanze=main\nxuanze=2\n" },
        { "commented-out key is not the key", "[tongji]\n;xuanze=old\n", "[tongji]\n;xuanze=old\nxuanze=main\n" },
        { "empty file", "", "[tongji]\r\nxuanze=main\r\n" },
        { "no file", std::nullopt, "[tongji]\r\nxuanze=main\r\n" },
    };
    for (const WriteCase& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder folder;
        if (c.before)
            folder.write("system.ini", *c.before);
        IniProfileFile profile(folder.file("system.ini"));
        const platform::Status status = profile.write("tongji", "xuanze", "main");
        ASSERT_TRUE(status.ok()) << status.error().message;
        EXPECT_EQ(folder.read("system.ini"), c.after);
        EXPECT_EQ(folder.entries(), std::set<std::string> { "system.ini" }); // no temporary file left
        EXPECT_EQ(profile.read("tongji", "xuanze", ""), "main");
    }
}

TEST(IniProfileFile, WriteEncodesTheValueInGbkAndKeepsTheFileMode)
{
    TempFolder folder;
    const std::string path = folder.write("system.ini", "[setting]\r\nkechengming=x\r\n");
    ::chmod(path.c_str(), 0640);
    IniProfileFile profile(path);
    ASSERT_TRUE(profile.write("setting", "kechengming", "Lesson1  家庭问候").ok());
    EXPECT_EQ(folder.read("system.ini"), "[setting]\r\nkechengming=Lesson1  " + kFamilyGreetingsGbk + "\r\n");
    EXPECT_EQ(profile.read("setting", "kechengming", ""), "Lesson1  家庭问候");
    struct stat st { };
    ::stat(path.c_str(), &st);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
}

TEST(IniProfileFile, WriteCreatesTheMissingSettingsFolder)
{
    TempFolder folder;
    IniProfileFile profile(folder.file("setting/system.ini"));
    ASSERT_TRUE(profile.write("tongji", "xuanze", "main").ok());
    EXPECT_EQ(folder.read("setting/system.ini"), "[tongji]\r\nxuanze=main\r\n");
}

TEST(IniProfileFile, RefusedWritesLeaveTheFileIntact)
{
    const std::string original = "[study]\r\nkecheng=dext1\r\n[tongji]\r\nxuanze=old\r\n";
    struct RefusedCase {
        const char* name;
        mode_t fileMode;
        mode_t folderMode;
        const char* section;
        const char* key;
        const char* value;
        const char* messagePart;
    };
    // Names the reader would not find again: it trims blanks and skips comment lines.
    const RefusedCase cases[] = {
        { "read-only file", 0444, 0755, "tongji", "xuanze", "main", "read-only" },
        { "read-only folder", 0644, 0555, "tongji", "xuanze", "main", "read-only" },
        { "value without a GBK form", 0644, 0755, "tongji", "xuanze", "a・b", "code page 936" },
        { "value with a line break", 0644, 0755, "tongji", "xuanze", "main\r\n[evil]", "line break" },
        { "key starting with a form feed", 0644, 0755, "tongji", "\fxuanze", "main", "blank" },
        { "section ending with Ctrl-Z", 0644, 0755, "tongji\x1a", "xuanze", "main", "blank" },
        { "key that reads as a comment", 0644, 0755, "tongji", ";xuanze", "main", "starts with" },
        { "key that reads as a section", 0644, 0755, "tongji", "[xuanze", "main]", "starts with" },
    };
    for (const RefusedCase& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder folder;
        const std::string dir = folder.file("setting");
        const std::string path = folder.write("setting/system.ini", original);
        ::chmod(path.c_str(), c.fileMode);
        ::chmod(dir.c_str(), c.folderMode);
        IniProfileFile profile(path);
        const platform::Status status = profile.write(c.section, c.key, c.value);
        ::chmod(dir.c_str(), 0755);
        ASSERT_FALSE(status.ok());
        EXPECT_EQ(status.error().code, platform::Error::Code::WriteFailed);
        EXPECT_NE(status.error().message.find(path), std::string::npos) << status.error().message;
        EXPECT_NE(status.error().message.find(c.messagePart), std::string::npos) << status.error().message;
        EXPECT_EQ(folder.read("setting/system.ini"), original);
        EXPECT_EQ(folder.entries(), (std::set<std::string> { "setting", "setting/system.ini" }));
    }
}

TEST(IniProfileFile, LogsEveryReadAndWrite)
{
    TempFolder folder;
    const std::string path = folder.write("system.ini", "[study]\r\nkecheng=dext2\r\n");
    ::chmod(folder.path().c_str(), 0755);
    IniProfileFile profile(path);
    testpaths::LogCapture log;
    profile.read("study", "kecheng", "dext1");
    profile.read("study", "kewen", "dext1");
    profile.write("tongji", "xuanze", "main");
    ::chmod(path.c_str(), 0444);
    const platform::Status refused = profile.write("tongji", "xuanze", "main");
    const std::vector<std::string> expected = {
        "settings.read study/kecheng = dext2",
        "settings.read study/kewen = dext1 (default: no key)",
        "settings.write tongji/xuanze = main in " + path + ": ok",
        "settings.write tongji/xuanze = main in " + path + ": failed: " + refused.error().message,
    };
    EXPECT_EQ(log.lines, expected);
}
