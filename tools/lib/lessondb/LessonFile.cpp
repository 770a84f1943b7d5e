#include "tools/lib/lessondb/LessonFile.h"

#include <array>

#include "tools/lib/lessondb/AtomicFile.h"
#include "tools/lib/lessondb/DatabaseBuilder.h"
#include "tools/lib/lessondb/JetFormat.h"
#include "tools/lib/lessondb/SourceFormat.h"
#include "tools/lib/lessondb/Utf.h"

namespace lessondb {
namespace {

using platform::Error;

constexpr std::int64_t kSecondsPerDay = 86400;
constexpr double kUnixEpochInAccessDays = 25569.0; // 1970-01-01 counted from 1899-12-30

// FIELD converted to UTF-16, or why it cannot be stored.
platform::Result<std::u16string> storable(const std::string& field, std::size_t itemNumber, const char* column)
{
    const auto fault = [&](const std::string& what) {
        return Error{Error::Code::BadFormat,
                     "item " + std::to_string(itemNumber) + ", field \"" + column + "\": " + what};
    };
    Utf8Problem problem;
    if (!checkStorableUtf8(field, problem))
        return fault(problem.what + " at byte " + std::to_string(problem.offset + 1));
    if (field.find('\0') != std::string::npos)
        return fault("holds the character U+0000");
    std::u16string text = toUtf16(field);
    if (text.size() > kMaxTextUnits)
        return fault("is " + std::to_string(text.size()) + " characters long; a text column holds at most 255");
    return text;
}

} // namespace

double accessDate(long long unixSeconds)
{
    return kUnixEpochInAccessDays + static_cast<double>(unixSeconds) / kSecondsPerDay;
}

TableDefinition lessonTable()
{
    std::vector<ColumnSpec> columns;
    for (const char* name : {"id", "jp", "cn", "sound", "fy"})
        columns.push_back({name, ColumnType::Text, jet::Updatable, jet::kCompressedUnicode});
    return TableDefinition("study", std::move(columns), false);
}

platform::Result<std::string> encodeLessonFile(const std::vector<Item>& items, const WriteOptions& options)
{
    std::vector<std::vector<Value>> rows;
    rows.reserve(items.size());
    for (std::size_t i = 0; i < items.size(); ++i) {
        const Item& item = items[i];
        if (item.id.empty())
            return Error{Error::Code::BadFormat, "item " + std::to_string(i + 1) + ": empty id"};
        const std::array<std::pair<const std::string*, const char*>, 5> fields
            = {{{&item.id, "id"}, {&item.jp, "jp"}, {&item.cn, "cn"}, {&item.sound, "sound"}, {&item.fy, "fy"}}};
        std::vector<Value> row;
        for (const auto& [text, column] : fields) {
            auto value = storable(*text, i + 1, column);
            if (!value)
                return value.error();
            row.emplace_back(std::move(value).value());
        }
        rows.push_back(std::move(row));
    }
    return DatabaseBuilder(options.created).build(lessonTable(), rows);
}

platform::Status writeLessonFile(const std::string& path, const std::vector<Item>& items, const WriteOptions& options)
{
    auto bytes = encodeLessonFile(items, options);
    if (!bytes)
        return Error{bytes.error().code, path + ": " + bytes.error().message};
    return replaceFile(path, bytes.value());
}

platform::Status convertSource(const std::string& sourcePath, const std::string& outputPath, const WriteOptions& options)
{
    auto items = readSource(sourcePath);
    if (!items)
        return items.error();
    return writeLessonFile(outputPath, items.value(), options);
}

} // namespace lessondb
