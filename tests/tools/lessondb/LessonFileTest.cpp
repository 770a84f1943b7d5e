#include "tools/lib/lessondb/LessonFile.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "tests/support/TestPaths.h"
#include "tests/tools/lessondb/MdbReadBack.h"
#include "tests/tools/lessondb/TempFolder.h"
#include "tools/lib/lessondb/HeaderPage.h"

namespace lessondb {
namespace {

using lessondbtest::Cell;
using lessondbtest::readWithLibmdb;
using lessondbtest::TempFolder;

const std::vector<std::string> kColumns = {"id", "jp", "cn", "sound", "fy"};

std::vector<Cell> cells(const Item& item) { return {item.id, item.jp, item.cn, item.sound, item.fy}; }

std::string repeat(const std::string& piece, int times)
{
    std::string out;
    for (int i = 0; i < times; ++i)
        out += piece;
    return out;
}

struct TextCase {
    const char* name;
    std::string text;
};

// Every text lands in every column (the id column gets "-" for the empty text).
TEST(LessonFileTest, TrickyTextsReadBackExactlyThroughLibmdb)
{
    const std::vector<TextCase> cases = {
        {"Japanese", "お母さん、ただいま。今日はいい天気ですね。"},
        {"Chinese", "妈妈，我回来了。今天天气很好。"},
        {"Latin", "Good morning, Mr. Tanaka"},
        {"empty", ""},
        {"apostrophes", "it's Tanaka's 'lesson'"},
        {"quotes", "\"quoted\" “curly” 「かぎ」"},
        {"tabs and line breaks", "a\tb\nc\r\nd"},
        {"backslash and separators", "C:\\music\\a b,c;d|e"},
        {"Latin-1 letters", "café naïve ×÷ ÿ"},
        {"mixed scripts", "dext1基本课文 Āā"},
        {"leading U+FEFF", "\xEF\xBB\xBF" "bom"},
        {"255 Latin characters", std::string(255, 'x')},
        {"255 kana", repeat("か", 255)},
        {"255 Latin-1 letters", repeat("é", 255)},
        {"255 characters from a leading U+FEFF", "\xEF\xBB\xBF" + repeat("か", 254)},
        {"one character", "a"},
    };
    std::vector<Item> items;
    for (const TextCase& c : cases) {
        const std::string id = c.text.empty() ? "-" : c.text;
        items.push_back({id, c.text, c.text, c.text, c.text});
    }
    TempFolder folder;
    ASSERT_TRUE(writeLessonFile(folder.file("shuju.dat"), items, {accessDate(1700000000)}).ok());

    const auto back = readWithLibmdb(folder.file("shuju.dat"));
    ASSERT_EQ(back.error, "");
    EXPECT_EQ(back.tables, std::vector<std::string>{"study"});
    EXPECT_EQ(back.columns, kColumns);
    EXPECT_EQ(back.storedRowCount, static_cast<long long>(items.size()));
    ASSERT_EQ(back.rows.size(), items.size());
    for (std::size_t i = 0; i < cases.size(); ++i) {
        SCOPED_TRACE(cases[i].name);
        EXPECT_EQ(back.rows[i], cells(items[i]));
    }
}

struct ScaleCase {
    const char* name;
    int rows;
    int textLength; // kana per field
};

// Rows spread over one page, many pages, and past the 512 pages an inline usage map covers.
TEST(LessonFileTest, RowsReadBackInOrderAtEveryScale)
{
    const std::vector<ScaleCase> cases = {
        {"no rows", 0, 0},
        {"one page", 10, 3},
        {"many pages", 3000, 12},
        {"past the inline usage map", 700, 250},
    };
    for (const ScaleCase& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<Item> items;
        for (int i = 0; i < c.rows; ++i) {
            const std::string n = std::to_string(i);
            items.push_back({"dext1单词", repeat("ま", c.textLength) + n, repeat("妈", c.textLength), "s " + n,
                             repeat("m", c.textLength)});
        }
        TempFolder folder;
        ASSERT_TRUE(writeLessonFile(folder.file("shuju.dat"), items, {}).ok());
        const auto back = readWithLibmdb(folder.file("shuju.dat"));
        ASSERT_EQ(back.error, "");
        EXPECT_EQ(back.storedRowCount, c.rows);
        std::vector<std::vector<Cell>> expected;
        for (const Item& item : items)
            expected.push_back(cells(item));
        EXPECT_EQ(back.rows, expected);
    }
}

TEST(LessonFileTest, RefusesItemsATextColumnCannotHold)
{
    const struct {
        const char* name;
        Item item;
        std::string message;
    } cases[] = {
        {"empty id", {"", "a", "b", "c", "d"}, "item 2: empty id"},
        {"256 characters", {"A", std::string(256, 'a'), "", "", ""},
         "item 2, field \"jp\": is 256 characters long; a text column holds at most 255"},
        {"invalid UTF-8", {"A", "", "\xFF", "", ""}, "item 2, field \"cn\": invalid UTF-8 at byte 1"},
        {"U+0000", {"A", "", "", std::string("a\0b", 3), ""}, "item 2, field \"sound\": holds the character U+0000"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto bytes = encodeLessonFile({{"A", "", "", "", ""}, c.item}, {});
        ASSERT_FALSE(bytes.ok());
        EXPECT_EQ(bytes.error().message, c.message);
    }
}

TEST(LessonFileTest, BadSourceWritesNothing)
{
    const std::string header = "id\tjp\tcn\tsound\tfy\n";
    const struct {
        const char* name;
        std::string source;
        std::string message; // after "<source path>:"
    } cases[] = {
        {"unknown column", "id\tjp\tcn\tsound\tpinyin\n", "1: unknown column \"pinyin\" (the columns are id, jp, cn, sound, fy)"},
        {"wrong field count", header + "A\tb\tc\td\te\nA\tb\n", "3: the line has 2 fields; the header names 5"},
        {"invalid UTF-8", header + "A\t\xE3\x81\tc\td\te\n", "2: invalid UTF-8 at byte 3 of the line"},
        {"empty id", header + "\tb\tc\td\te\n", "2: empty id"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder folder;
        folder.write("lesson.tsv", c.source);
        folder.write("old.dat", "earlier file");
        const auto status = convertSource(folder.file("lesson.tsv"), folder.file("old.dat"), {});
        ASSERT_FALSE(status.ok());
        EXPECT_EQ(status.error().message, folder.file("lesson.tsv") + ":" + c.message);
        EXPECT_EQ(folder.read("old.dat"), "earlier file");
        EXPECT_FALSE(convertSource(folder.file("lesson.tsv"), folder.file("new.dat"), {}).ok());
        EXPECT_EQ(folder.names(), (std::set<std::string>{"lesson.tsv", "old.dat"}));
    }
}

TEST(LessonFileTest, ReplacesAnEarlierFileAndLeavesNoTemporaryFile)
{
    TempFolder folder;
    folder.write("lesson.tsv", "id\tjp\tcn\tsound\tfy\ndext1单词\t母\t妈妈\thaha\tはは\n");
    folder.write("shuju.dat", "earlier file");
    ASSERT_TRUE(convertSource(folder.file("lesson.tsv"), folder.file("shuju.dat"), {}).ok());
    EXPECT_EQ(folder.names(), (std::set<std::string>{"lesson.tsv", "shuju.dat"}));
    const auto back = readWithLibmdb(folder.file("shuju.dat"));
    EXPECT_EQ(back.rows, (std::vector<std::vector<Cell>>{{"dext1单词", "母", "妈妈", "haha", "はは"}}));
}

TEST(LessonFileTest, UnwritableFolderFailsNamingTheFile)
{
    const auto status = writeLessonFile("/nonexistent/shuju.dat", {{"A", "", "", "", ""}}, {});
    ASSERT_FALSE(status.ok());
    EXPECT_EQ(status.error().code, platform::Error::Code::WriteFailed);
    EXPECT_EQ(status.error().message.rfind("/nonexistent/shuju.dat: cannot create a temporary file beside it", 0), 0u);
}

// Unmasked, page 0 equals the engine's own (an empty database made through ADOX) apart from
// the creation date and the password field derived from it, which this file leaves zero.
TEST(LessonFileTest, HeaderPageMatchesTheEngineMadeHeader)
{
    std::ifstream in(testpaths::fixturesDir() + "/jackcess_adox_jet4.mdb", std::ios::binary);
    std::string engine(4096, '\0');
    ASSERT_TRUE(in.read(engine.data(), static_cast<std::streamsize>(engine.size())));
    std::string ours = encodeLessonFile({}, {}).value().substr(0, 4096);

    const std::string mask = headerMask();
    for (std::string* page : {&engine, &ours}) {
        for (std::size_t i = 0; i < mask.size(); ++i)
            (*page)[0x18 + i] = static_cast<char>((*page)[0x18 + i] ^ mask[i]);
        page->replace(0x42, 0x6E - 0x42, 0x6E - 0x42, '\0'); // password and the bytes after it
        page->replace(0x72, 8, 8, '\0');                      // creation date
    }
    EXPECT_EQ(ours, engine);
}

} // namespace
} // namespace lessondb
