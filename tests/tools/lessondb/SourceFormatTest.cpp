#include "tools/lib/lessondb/SourceFormat.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lessondb {
namespace {

struct ParseCase {
    const char* name;
    std::string text;
    std::vector<Item> expected;
};

TEST(SourceFormatTest, ReadsItemsInSourceOrder)
{
    const std::vector<ParseCase> cases = {
        {"columns in the standard order",
         "id\tjp\tcn\tsound\tfy\nA\tは\t是\ts1\tha\nB\tい\t一\ts2\ti\n",
         {{"A", "は", "是", "s1", "ha"}, {"B", "い", "一", "s2", "i"}}},
        {"columns in any order, any ASCII case",
         "Sound\tFY\tcn\tid\tJP\ns1\tha\t是\tA\tは\n",
         {{"A", "は", "是", "s1", "ha"}}},
        {"CR LF line ends and no final line end",
         "id\tjp\tcn\tsound\tfy\r\nA\tは\t是\ts1\tha\r\nB\tい\t一\ts2\ti",
         {{"A", "は", "是", "s1", "ha"}, {"B", "い", "一", "s2", "i"}}},
        {"byte-order mark and empty lines",
         "\xEF\xBB\xBFid\tjp\tcn\tsound\tfy\n\nA\tは\t是\ts1\tha\n\r\n\n",
         {{"A", "は", "是", "s1", "ha"}}},
        {"empty fields other than id", "id\tjp\tcn\tsound\tfy\nA\t\t\t\t\n", {{"A", "", "", "", ""}}},
        {"escapes", "id\tjp\tcn\tsound\tfy\nA\\\\B\ta\\tb\tc\\nd\te\\r\\nf\tg\\\\t\n",
         {{"A\\B", "a\tb", "c\nd", "e\r\nf", "g\\t"}}},
        {"apostrophes, quotes and spaces kept as written",
         "id\tjp\tcn\tsound\tfy\ndext1单词\t「it's」\t\"引号\"\t单词 母\t はは \n",
         {{"dext1单词", "「it's」", "\"引号\"", "单词 母", " はは "}}},
        {"header only", "id\tjp\tcn\tsound\tfy\n", {}},
    };
    for (const ParseCase& c : cases) {
        SCOPED_TRACE(c.name);
        const auto items = parseSource(c.text, "lesson.tsv");
        ASSERT_TRUE(items.ok()) << items.error().message;
        EXPECT_EQ(items.value(), c.expected);
    }
}

struct RefusalCase {
    const char* name;
    std::string text;
    std::string message;
};

const std::string kHeader = "id\tjp\tcn\tsound\tfy\n";

std::vector<RefusalCase> refusals()
{
    const std::string longText(256, 'a');
    return {
        {"unknown column", "id\tjp\tcn\tsound\tfyy\n",
         "lesson.tsv:1: unknown column \"fyy\" (the columns are id, jp, cn, sound, fy)"},
        {"missing column", "id\tjp\tcn\tsound\nA\tb\tc\td\n", "lesson.tsv:1: missing column \"fy\""},
        {"column named twice", "id\tjp\tcn\tsound\tfy\tJP\n", "lesson.tsv:1: column \"jp\" named twice"},
        {"empty source", "", "lesson.tsv:1: no header line (the columns are id, jp, cn, sound, fy)"},
        {"too few fields", kHeader + "A\tb\tc\td\te\nA\tb\tc\td\n", "lesson.tsv:3: the line has 4 fields; the header names 5"},
        {"too many fields", kHeader + "A\tb\tc\td\te\tf\n", "lesson.tsv:2: the line has 6 fields; the header names 5"},
        {"invalid UTF-8", kHeader + "A\tb\t\xE6\x97\tc\td\n", "lesson.tsv:2: invalid UTF-8 at byte 5 of the line"},
        {"overlong UTF-8", kHeader + "A\t\xC0\xAF\tc\td\te\n", "lesson.tsv:2: invalid UTF-8 at byte 3 of the line"},
        {"outside the Basic Multilingual Plane", kHeader + "A\t\xF0\x9F\x98\x80\tc\td\te\n",
         "lesson.tsv:2: character U+1F600 (outside the Basic Multilingual Plane) at byte 3 of the line"},
        {"empty id", kHeader + "A\tb\tc\td\te\n\tb\tc\td\te\n", "lesson.tsv:3: empty id"},
        {"unknown escape", kHeader + "A\tC:\\path\tc\td\te\n",
         "lesson.tsv:2: field \"jp\": unknown escape after a backslash (write \\t, \\n, \\r or \\\\)"},
        {"backslash at the end of a field", kHeader + "A\tb\tc\\\td\te\n",
         "lesson.tsv:2: field \"cn\": unknown escape after a backslash (write \\t, \\n, \\r or \\\\)"},
        {"control character", kHeader + "A\tb\tc\td\r\te\n",
         "lesson.tsv:2: field \"sound\": control character 13 (write tabs and line breaks as \\t, \\n, \\r)"},
        {"field longer than a text column", kHeader + "A\tb\tc\td\t" + longText + "\n",
         "lesson.tsv:2: field \"fy\" is 256 characters long; a text column holds at most 255"},
    };
}

TEST(SourceFormatTest, RefusesBadSourcesNamingFileAndLine)
{
    for (const RefusalCase& c : refusals()) {
        SCOPED_TRACE(c.name);
        const auto items = parseSource(c.text, "lesson.tsv");
        ASSERT_FALSE(items.ok());
        EXPECT_EQ(items.error().code, platform::Error::Code::BadFormat);
        EXPECT_EQ(items.error().message, c.message);
    }
}

TEST(SourceFormatTest, HoldsFieldsOfExactly255Units)
{
    std::string kana;
    for (int i = 0; i < 255; ++i)
        kana += "か";
    const auto items = parseSource(kHeader + "A\t" + kana + "\t" + std::string(255, 'x') + "\t\\t" + std::string(254, 'y') + "\t\n",
                                   "lesson.tsv");
    ASSERT_TRUE(items.ok()) << items.error().message;
    EXPECT_EQ(items.value().at(0).jp, kana);
    EXPECT_EQ(items.value().at(0).sound, "\t" + std::string(254, 'y'));
}

TEST(SourceFormatTest, MissingFileIsNamed)
{
    const auto items = readSource("/nonexistent/lesson.tsv");
    ASSERT_FALSE(items.ok());
    EXPECT_EQ(items.error().code, platform::Error::Code::NotFound);
    EXPECT_EQ(items.error().message, "/nonexistent/lesson.tsv: cannot open the lesson source");
}

} // namespace
} // namespace lessondb
