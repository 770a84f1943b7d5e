// The lesson source of the writer tool on any text.
//
// Parsing never crashes; a refused source fails with "FILE:LINE: ..." for a line the text
// has. A source that parses is round-tripped twice:
// - written back as source text (every field escaped) and parsed again: the same items;
// - encoded as a lesson file, written to disk and read back through libmdb as the program
//   reads it: for each id, the rows with that id, in source order, with every field as parsed.
// The writer's own files must never make libmdb fail, so they are read in this process.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "platform/store/MdbReader.h"
#include "tests/fuzz/FuzzTemp.h"
#include "tools/lib/lessondb/LessonFile.h"
#include "tools/lib/lessondb/SourceFormat.h"

namespace {

[[noreturn]] void fail(const char* what, const std::string& detail = {})
{
    std::fprintf(stderr, "lesson source invariant broken: %s\n", what);
    if (!detail.empty())
        std::fprintf(stderr, "  %s\n", detail.c_str());
    std::abort();
}

std::string escaped(const std::string& field)
{
    std::string out;
    for (char c : field) {
        switch (c) {
        case '\t': out += "\\t"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\\': out += "\\\\"; break;
        default: out += c;
        }
    }
    return out;
}

std::string sourceOf(const std::vector<lessondb::Item>& items)
{
    std::string out = "id\tjp\tcn\tsound\tfy\n";
    for (const lessondb::Item& item : items)
        out += escaped(item.id) + "\t" + escaped(item.jp) + "\t" + escaped(item.cn) + "\t" + escaped(item.sound) + "\t"
            + escaped(item.fy) + "\n";
    return out;
}

// The line number of a "FILE:LINE: ..." message, or 0.
std::size_t lineOf(const std::string& message, const std::string& fileName)
{
    if (message.rfind(fileName + ":", 0) != 0)
        return 0;
    return std::strtoul(message.c_str() + fileName.size() + 1, nullptr, 10);
}

std::size_t lineCount(std::string_view text)
{
    std::size_t lines = 1;
    for (char c : text)
        lines += c == '\n';
    return lines;
}

void checkReadBack(const std::vector<lessondb::Item>& items)
{
    const auto encoded = lessondb::encodeLessonFile(items, {});
    if (!encoded)
        fail("a parsed source cannot be encoded", encoded.error().message);
    const std::string path = fuzz::writeTempFile("lesson.dat", encoded.value());
    std::set<std::string> ids;
    for (const lessondb::Item& item : items)
        ids.insert(item.id);
    ids.insert(std::string("\x01no such id"));
    std::size_t checked = 0;
    for (const std::string& id : ids) {
        if (++checked > 16)
            break; // enough: each id is a full scan of the table
        const auto rows = platform::readLessonRowsWithMdb(path, "study", {}, id);
        if (!rows)
            fail("the written file does not read back", rows.error().message);
        std::vector<platform::LessonRow> expected;
        for (const lessondb::Item& item : items)
            if (item.id == id)
                expected.push_back({ item.jp, item.cn, item.sound, item.fy });
        if (rows.value() != expected)
            fail("the rows read back differ from the source", "id \"" + id + "\"");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::string fileName = "lesson.tsv";
    const auto parsed = lessondb::parseSource(text, fileName);
    if (!parsed) {
        const std::size_t line = lineOf(parsed.error().message, fileName);
        if (line == 0 || line > lineCount(text))
            fail("the error names no line of the source", parsed.error().message);
        return 0;
    }
    const auto again = lessondb::parseSource(sourceOf(parsed.value()), fileName);
    if (!again)
        fail("the items written back as source do not parse", again.error().message);
    if (again.value() != parsed.value())
        fail("the items written back as source parse differently");
    checkReadBack(parsed.value());
    return 0;
}
