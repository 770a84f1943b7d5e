// craft_lesson OUT.dat COLUMN...: writes a lesson file whose table `study` has exactly the
// Text(255) columns named, with the rows read from standard input (UTF-8, one row a line,
// fields separated by tabs; a field that is exactly \N is stored as Null). It makes the
// damaged lesson files the writer tool refuses to make: a table lacking one of the five
// columns, Null fields. Exit status 1 on a bad row or a failed write.

#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "tools/lib/lessondb/AtomicFile.h"
#include "tools/lib/lessondb/DatabaseBuilder.h"
#include "tools/lib/lessondb/Item.h"
#include "tools/lib/lessondb/JetFormat.h"
#include "tools/lib/lessondb/Utf.h"

int main(int argc, char** argv)
{
    using namespace lessondb;
    if (argc < 3) {
        std::fputs("usage: craft_lesson OUT.dat COLUMN... < ROWS.tsv\n", stderr);
        return 2;
    }
    std::vector<ColumnSpec> columns;
    for (int i = 2; i < argc; ++i)
        columns.push_back({ argv[i], ColumnType::Text, jet::Updatable, jet::kCompressedUnicode });
    const TableDefinition table("study", columns, false);

    std::vector<std::vector<Value>> rows;
    std::string line;
    for (int number = 1; std::getline(std::cin, line); ++number) {
        std::vector<Value> row;
        for (std::size_t start = 0;;) {
            const std::size_t tab = line.find('\t', start);
            const std::string field = line.substr(start, tab == std::string::npos ? std::string::npos : tab - start);
            Utf8Problem problem;
            if (field == "\\N")
                row.emplace_back(std::monostate {});
            else if (checkStorableUtf8(field, problem) && toUtf16(field).size() <= kMaxTextUnits)
                row.emplace_back(toUtf16(field));
            else {
                std::fprintf(stderr, "craft_lesson: row %d: a field cannot be stored\n", number);
                return 1;
            }
            if (tab == std::string::npos)
                break;
            start = tab + 1;
        }
        if (row.size() != columns.size()) {
            std::fprintf(stderr, "craft_lesson: row %d has %zu fields, not %zu\n", number, row.size(), columns.size());
            return 1;
        }
        rows.push_back(std::move(row));
    }
    const auto bytes = DatabaseBuilder(0.0).build(table, rows);
    const platform::Status written = bytes ? replaceFile(argv[1], bytes.value()) : platform::Status(bytes.error());
    if (!written) {
        std::fprintf(stderr, "craft_lesson: %s\n", written.error().message.c_str());
        return 1;
    }
    return 0;
}
