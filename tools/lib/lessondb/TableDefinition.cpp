#include "tools/lib/lessondb/TableDefinition.h"

#include <algorithm>
#include <bit>
#include <stdexcept>

#include "tools/lib/lessondb/Bytes.h"
#include "tools/lib/lessondb/JetFormat.h"

namespace lessondb {
namespace {

// Bytes a column takes: in the fixed area for fixed columns, at most for variable ones.
std::uint16_t lengthOf(ColumnType type)
{
    switch (type) {
    case ColumnType::Boolean: return 1; // kept in the NULL mask, no fixed bytes
    case ColumnType::Byte: return 1;
    case ColumnType::Integer: return 2;
    case ColumnType::Long: return 4;
    case ColumnType::DateTime: return 8;
    case ColumnType::Binary:
    case ColumnType::Text: return 510;
    case ColumnType::Ole:
    case ColumnType::Memo: return 0;
    }
    return 0;
}

bool isFixed(ColumnType type)
{
    return type == ColumnType::Boolean || type == ColumnType::Byte || type == ColumnType::Integer || type == ColumnType::Long
        || type == ColumnType::DateTime;
}

bool isLongValue(ColumnType type) { return type == ColumnType::Ole || type == ColumnType::Memo; }

void appendName(std::string& out, const std::string& ascii)
{
    append16(out, static_cast<std::uint16_t>(ascii.size() * 2));
    for (char c : ascii) {
        out.push_back(c);
        out.push_back('\0');
    }
}

} // namespace

std::string encodeText(const std::u16string& text, bool mayCompress)
{
    const bool compressible = mayCompress && !text.empty()
        && std::all_of(text.begin(), text.end(), [](char16_t c) { return c >= 0x01 && c <= 0xFF; });
    std::string out;
    if (compressible) {
        out = "\xFF\xFE";
        for (char16_t c : text)
            out.push_back(static_cast<char>(c));
        return out;
    }
    if (!text.empty() && text.front() == 0xFEFF)
        out.assign("\xFF\xFE\0", 3); // compressed mode, switched straight back to UCS-2
    for (char16_t c : text)
        append16(out, c);
    return out;
}

TableDefinition::TableDefinition(std::string name, std::vector<ColumnSpec> columns, bool system)
    : m_name(std::move(name)), m_system(system)
{
    std::uint16_t number = 0;
    for (ColumnSpec& spec : columns) {
        Column column{std::move(spec), number++, 0, 0, 0, false};
        column.length = lengthOf(column.spec.type);
        column.fixed = isFixed(column.spec.type);
        if (column.fixed) {
            column.spec.flags |= jet::FixedLength;
            column.fixedOffset = m_fixedSize;
            if (column.spec.type != ColumnType::Boolean)
                m_fixedSize = static_cast<std::uint16_t>(m_fixedSize + column.length);
        } else {
            column.varIndex = m_varCount++;
        }
        m_columns.push_back(std::move(column));
    }
}

std::size_t TableDefinition::longValueColumnCount() const
{
    return static_cast<std::size_t>(
        std::count_if(m_columns.begin(), m_columns.end(), [](const Column& c) { return isLongValue(c.spec.type); }));
}

std::string TableDefinition::encodeRow(const std::vector<Value>& values) const
{
    if (values.size() != m_columns.size())
        throw std::logic_error("row of " + m_name + " has the wrong number of values");
    const std::size_t maskSize = (m_columns.size() + 7) / 8;
    std::string mask(maskSize, '\0');
    std::string row(2 + m_fixedSize, '\0');
    put16(row, 0, static_cast<std::uint16_t>(m_columns.size()));
    std::vector<std::uint16_t> varOffsets(m_varCount, 0);

    for (const Column& column : m_columns) {
        const Value& value = values[column.number];
        const bool present = !std::holds_alternative<std::monostate>(value);
        const std::size_t at = 2 + column.fixedOffset;
        if (!column.fixed)
            varOffsets[column.varIndex] = static_cast<std::uint16_t>(row.size());
        if (present)
            mask[column.number / 8] = static_cast<char>(mask[column.number / 8] | 1 << (column.number % 8));
        if (!present)
            continue;
        switch (column.spec.type) {
        case ColumnType::Long:
            put32(row, at, static_cast<std::uint32_t>(std::get<std::int32_t>(value)));
            break;
        case ColumnType::Integer:
            put16(row, at, static_cast<std::uint16_t>(std::get<std::int16_t>(value)));
            break;
        case ColumnType::DateTime: {
            const double days = std::get<double>(value);
            const auto bits = std::bit_cast<std::uint64_t>(days);
            put32(row, at, static_cast<std::uint32_t>(bits));
            put32(row, at + 4, static_cast<std::uint32_t>(bits >> 32));
            break;
        }
        case ColumnType::Text: {
            const std::string bytes = encodeText(std::get<std::u16string>(value), column.spec.extendedFlags & jet::kCompressedUnicode);
            if (bytes.size() > column.length + 3u) // a marker of 2 or 3 bytes may precede the text
                throw std::logic_error("text too long for column " + column.spec.name);
            row += bytes;
            break;
        }
        default:
            throw std::logic_error("no values are written to column " + column.spec.name);
        }
    }
    // Trailer: end of the variable data, the variable offsets last to first, their count, the mask.
    const auto endOfData = static_cast<std::uint16_t>(row.size());
    append16(row, endOfData);
    for (auto it = varOffsets.rbegin(); it != varOffsets.rend(); ++it)
        append16(row, *it);
    append16(row, m_varCount);
    row += mask;
    if (row.size() > jet::kMaxRowSize)
        throw std::logic_error("row of " + m_name + " too long for a page");
    return row;
}

std::string TableDefinition::encodeDefinitionPage(std::uint32_t rowCount, MapPair table,
                                                  const std::vector<MapPair>& longValues) const
{
    if (longValues.size() != longValueColumnCount())
        throw std::logic_error("usage maps missing for the long-value columns of " + m_name);
    std::string page(jet::kTdefHeaderSize, '\0');
    put8(page, 0x00, jet::TableDefinitionPage);
    put8(page, 0x01, 0x01);
    put32(page, 0x0C, jet::kEngineMark);
    put32(page, 0x10, rowCount);
    put8(page, 0x18, 0x01); // AutoNumber values work
    put8(page, 0x28, m_system ? jet::SystemTable : jet::UserTable);
    put16(page, 0x29, static_cast<std::uint16_t>(m_columns.size()));
    put16(page, 0x2B, m_varCount);
    put16(page, 0x2D, static_cast<std::uint16_t>(m_columns.size()));
    put32(page, 0x37, table.owned);
    put32(page, 0x3B, table.freeSpace);

    for (const Column& column : m_columns) {
        std::string entry(jet::kColumnEntrySize, '\0');
        put8(entry, 0, static_cast<std::uint8_t>(column.spec.type));
        put32(entry, 1, jet::kEngineMark);
        put16(entry, 5, column.number);
        put16(entry, 7, column.varIndex);
        put16(entry, 9, column.number);
        put16(entry, 11, jet::kGeneralSortOrder);
        put8(entry, 15, column.spec.flags);
        put8(entry, 16, column.spec.extendedFlags);
        put16(entry, 21, column.fixedOffset);
        put16(entry, 23, column.length);
        page += entry;
    }
    for (const Column& column : m_columns)
        appendName(page, column.spec.name);

    std::size_t next = 0;
    for (const Column& column : m_columns) {
        if (!isLongValue(column.spec.type))
            continue;
        append16(page, column.number);
        append32(page, longValues[next].owned);
        append32(page, longValues[next].freeSpace);
        ++next;
    }
    append16(page, 0xFFFF);
    page.append(8, '\0');

    if (page.size() > jet::kPageSize)
        throw std::logic_error("definition of " + m_name + " does not fit one page");
    put32(page, 0x08, static_cast<std::uint32_t>(page.size() - 8));
    put16(page, 0x02, static_cast<std::uint16_t>(jet::kPageSize - page.size()));
    page.resize(jet::kPageSize, '\0');
    return page;
}

} // namespace lessondb
