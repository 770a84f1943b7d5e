#include "platform/store/MdbLessonSource.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/support/LogCapture.h"
#include "tests/support/TempFolder.h"
#include "tests/support/TestPaths.h"

using platform::Error;
using platform::LessonColumns;
using platform::LessonRow;
using platform::MdbLessonSource;
using platform::MdbLessonSourceOptions;

namespace {

std::string fixture(const std::string& name)
{
    return testpaths::fixturesDir() + "/" + name;
}

std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return { std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>() };
}

MdbLessonSourceOptions withColumns(LessonColumns columns, bool isolated = true)
{
    MdbLessonSourceOptions options;
    options.columns = std::move(columns);
    options.isolated = isolated;
    return options;
}

// The fixtures have no lesson table: their own columns stand in for the five.
const LessonColumns kUnicodeColumns { "ID", "Unicode", "Unicode", "ID", "Unicode" };
const LessonColumns kAgentColumns { "RS_AGENTE", "DC_AGENTE", "RS_AGENTE", "CD_AGENTE", "DC_AGENTE" };
const LessonColumns kMergeColumns { "Id", "FieldString", "FieldNString", "FieldChar", "FieldEnumString" };
const LessonColumns kPersonColumns { "Gender", "FirstName", "LastName", "MiddleName", "PersonID" };
const LessonColumns kTikaColumns { "ID", "ShortTextField", "PlainTextMemo", "NumberField", "YesNoField" };

struct ReadCase {
    const char* name;
    const char* file;
    const char* table;
    LessonColumns columns;
    const char* id;
    std::vector<LessonRow> expected;
};

} // namespace

TEST(MdbLessonSource, ReadsTheRowsOfAnIdFromRealAccessFiles)
{
    const ReadCase cases[] = {
        { "Japanese text stored as plain UCS-2", "jackcess_testUnicodeCompV2003.mdb", "Table", kUnicodeColumns, "5",
            { { "漢字仮名交じり文", "漢字仮名交じり文", "5", "漢字仮名交じり文" } } },
        { "Cyrillic text; a Long id column compared as text", "jackcess_testUnicodeCompV2003.mdb", "Table", kUnicodeColumns, "3",
            { { "Мир", "Мир", "3", "Мир" } } },
        { "compressed Latin-1 text", "jackcess_testUnicodeCompV2003.mdb", "Table", kUnicodeColumns, "7",
            { { "ümlaut", "ümlaut", "7", "ümlaut" } } },
        { "table and column names match without case", "jackcess_testUnicodeCompV2003.mdb", "TABLE",
            { "id", "unicode", "UNICODE", "Id", "uNICODE" }, "2", { { "ääkkösiä", "ääkkösiä", "2", "ääkkösiä" } } },
        { "Chinese text, a memo, a number and a Yes/No", "tika_testAccess2_2000.mdb", "Table1", kTikaColumns, "2",
            { { "普林斯顿大学", "", "0", "0" } } },
        { "Null and empty fields read as empty text", "linq2db_TestData.mdb", "TestMerge1", kMergeColumns, "1", { { "", "", "", "" } } },
        { "control characters and quotes are kept", "linq2db_TestData.mdb", "TestMerge1", kMergeColumns, "3",
            { { "test\r\n\v\b\t\f", "ЙЦУКЩывапрм\r\nq", "&", "" } } },
        { "a Null column in every selected row", "linq2db_TestData.mdb", "Person", kPersonColumns, "F", { { "Jane", "Doe", "", "3" } } },
        { "several rows come in stored order", "linq2db_TestData.mdb", "Person", kPersonColumns, "M",
            { { "John", "Pupkin", "", "1" }, { "Tester", "Testerson", "", "2" }, { "Jürgen", "König", "", "4" } } },
        { "an id that matches nothing", "jackcess_testUnicodeCompV2003.mdb", "Table", kUnicodeColumns, "9", {} },
        { "an id is compared exactly, not by prefix", "jackcess_testUnicodeCompV2003.mdb", "Table", kUnicodeColumns, "5 ", {} },
        { "an apostrophe in the id selects nothing more", "jackcess_testUnicodeCompV2003.mdb", "Table", kUnicodeColumns, "5' OR '1'='1",
            {} },
    };
    for (const ReadCase& c : cases) {
        SCOPED_TRACE(c.name);
        MdbLessonSource source(fixture(c.file), withColumns(c.columns));
        const auto rows = source.query(c.table, c.id);
        ASSERT_TRUE(rows.ok()) << rows.error().message;
        EXPECT_EQ(rows.value(), c.expected);
    }
}

TEST(MdbLessonSource, ScansEveryDataPageInStoredOrder)
{
    // 512 rows over four data pages; the two rows without a number are the last ones stored.
    MdbLessonSource source(fixture("jackcess_compIndexTestV2000.mdb"), withColumns(kAgentColumns));
    const auto rows = source.query("Table1", "abc");
    ASSERT_TRUE(rows.ok()) << rows.error().message;
    ASSERT_EQ(rows.value().size(), 512u);
    EXPECT_EQ(rows.value().front(), (LessonRow { "def", "abc", "19", "def" }));
    EXPECT_EQ(rows.value()[1].sound, "27");
    EXPECT_EQ(rows.value().back(), (LessonRow { "efg", "abc", "", "efg" }));
}

TEST(MdbLessonSource, ReadsTheSameInAChildProcessAsInThisOne)
{
    MdbLessonSource isolated(fixture("jackcess_compIndexTestV2000.mdb"), withColumns(kAgentColumns, true));
    MdbLessonSource direct(fixture("jackcess_compIndexTestV2000.mdb"), withColumns(kAgentColumns, false));
    const auto a = isolated.query("Table1", "abc");
    const auto b = direct.query("Table1", "abc");
    ASSERT_TRUE(a.ok() && b.ok());
    EXPECT_EQ(a.value(), b.value());
    const auto missing = isolated.query("Table1", "nothing");
    ASSERT_TRUE(missing.ok());
    EXPECT_TRUE(missing.value().empty());
}

namespace {

struct RefusedCase {
    const char* name;
    std::string path;
    const char* table;
    LessonColumns columns;
    Error::Code code;
    std::string messagePart;
};

} // namespace

TEST(MdbLessonSource, RefusesFilesAndTablesItCannotRead)
{
    testpaths::TempFolder folder;
    const std::string jet4 = readFile(fixture("claroty_access_parser_test.mdb"));
    const std::string agents = readFile(fixture("jackcess_compIndexTestV2000.mdb")); // rows on pages 15 to 20
    std::filesystem::create_directory(folder.path() / "folder.mdb");
    const RefusedCase cases[] = {
        { "missing file", folder.file("none.mdb"), "study", {}, Error::Code::NotFound, "is missing" },
        { "a folder", folder.file("folder.mdb"), "study", {}, Error::Code::Unreadable, "not a regular file" },
        { "empty file", folder.write("empty.mdb", ""), "study", {}, Error::Code::BadFormat, "is empty" },
        { "not a database", folder.write("text.mdb", std::string(8192, 'x')), "study", {}, Error::Code::BadFormat,
            "not an Access database" },
        { "Jet 3 file", fixture("jackcess_testV1997_jet3.mdb"), "Table1", {}, Error::Code::Unsupported, "Access 97 (Jet 3)" },
        { ".accdb file", fixture("jackcess_testV2007.accdb"), "Table1", {}, Error::Code::Unsupported, ".accdb" },
        { "cut inside a page", folder.write("cut.mdb", jet4.substr(0, jet4.size() - 100)), "ClarotyTable", {}, Error::Code::BadFormat,
            "whole number of pages" },
        { "only the header page", folder.write("head.mdb", jet4.substr(0, 4096)), "ClarotyTable", {}, Error::Code::BadFormat, "too short" },
        { "cut at a page boundary inside the table's rows", folder.write("short.mdb", agents.substr(0, 19 * 4096)), "Table1", kAgentColumns,
            Error::Code::BadFormat, "cut short: the table \"Table1\" has pages past its end" },
        { "no such table", fixture("claroty_access_parser_test.mdb"), "study", {}, Error::Code::BadFormat, "has no table \"study\"" },
        { "four of the five columns missing", fixture("claroty_access_parser_test.mdb"), "ClarotyTable", {}, Error::Code::BadFormat,
            "has no column \"jp\" in the table \"ClarotyTable\"" },
        { "one of the five columns missing", fixture("claroty_access_parser_test.mdb"), "ClarotyTable",
            { "ID", "Field1", "Field2", "Field3", "fy" }, Error::Code::BadFormat, "has no column \"fy\"" },
        { "an empty database", fixture("jackcess_adox_jet4.mdb"), "study", {}, Error::Code::BadFormat, "has no table" },
        { "catalog page blank", folder.write("blank.mdb", jet4.substr(0, 2 * 4096) + std::string(4096, '\0') + jet4.substr(3 * 4096)),
            "ClarotyTable", {}, Error::Code::BadFormat, "its list of tables cannot be read" },
    };
    for (const RefusedCase& c : cases) {
        SCOPED_TRACE(c.name);
        MdbLessonSource source(c.path, withColumns(c.columns));
        const auto rows = source.query(c.table, "1");
        ASSERT_FALSE(rows.ok());
        EXPECT_EQ(rows.error().code, c.code);
        EXPECT_NE(rows.error().message.find(c.path), std::string::npos) << rows.error().message;
        EXPECT_NE(rows.error().message.find(c.messagePart), std::string::npos) << rows.error().message;
    }
}

TEST(MdbLessonSource, LogsEachQuery)
{
    MdbLessonSource source(fixture("jackcess_testUnicodeCompV2003.mdb"), withColumns(kUnicodeColumns));
    MdbLessonSource missing("/nonexistent/shuju.dat");
    testpaths::LogCapture log;
    source.query("Table", "5");
    source.query("Table", "it's");
    missing.query("study", "dext1dext1");
    const std::vector<std::string> expected = {
        "store.query Table \"5\": 1 rows",
        "store.query Table \"it's\": 0 rows",
        "store.query study \"dext1dext1\": failed: The lesson file /nonexistent/shuju.dat is missing.",
    };
    EXPECT_EQ(log.lines, expected);
}

TEST(MdbLessonSource, SurvivesFilesThatCrashOrHangTheLibrary)
{
    // Each copy is damaged the way real damage was seen to make libmdb crash or run away.
    struct DamageCase {
        const char* name;
        const char* file;
        const char* table;
        LessonColumns columns;
        std::function<void(std::string&)> damage;
        std::string messagePart;
    };
    const DamageCase cases[] = {
        { "catalog's usage-map pointer names a missing row (libmdb crashes)", "linq2db_TestData.mdb", "Person", kPersonColumns,
            [](std::string& b) { b[2 * 4096 + 0x37] = 0x43; }, "failed with Segmentation fault" },
        { "a page half zeroed and the file cut after it (libmdb allocates without end)", "jackcess_testUnicodeCompV2003.mdb", "Table",
            kUnicodeColumns,
            [](std::string& b) {
                b.resize(60 * 4096);
                std::fill(b.begin() + 244659, b.end(), '\0');
            },
            "reading it failed" },
        { "random bytes after the header page (libmdb reports an error)", "claroty_access_parser_test.mdb", "ClarotyTable", {},
            [](std::string& b) {
                std::uint32_t x = 12345;
                for (std::size_t i = 4096; i < b.size(); ++i)
                    b[i] = static_cast<char>((x = x * 1103515245u + 12345u) >> 24);
            },
            "table" },
    };
    for (const DamageCase& c : cases) {
        SCOPED_TRACE(c.name);
        testpaths::TempFolder folder;
        std::string bytes = readFile(fixture(c.file));
        c.damage(bytes);
        const std::string path = folder.write("shuju.dat", bytes);
        MdbLessonSourceOptions options = withColumns(c.columns);
        options.memoryLimit = 16u << 20;
        MdbLessonSource source(path, options);
        const auto rows = source.query(c.table, "1");
        ASSERT_FALSE(rows.ok());
        EXPECT_EQ(rows.error().code, Error::Code::BadFormat);
        EXPECT_NE(rows.error().message.find("The lesson file " + path + " "), std::string::npos) << rows.error().message;
        EXPECT_NE(rows.error().message.find(c.messagePart), std::string::npos) << rows.error().message;
    }
}
