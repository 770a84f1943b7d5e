#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace lessondb {

enum class ColumnType : std::uint8_t {
    Boolean = 0x01,
    Byte = 0x02,
    Integer = 0x03,
    Long = 0x04,
    DateTime = 0x08,
    Binary = 0x09,
    Text = 0x0A,
    Ole = 0x0B,
    Memo = 0x0C,
};

struct ColumnSpec {
    std::string name;
    ColumnType type;
    std::uint8_t flags;           // jet::ColumnFlag bits (FixedLength is derived from the type)
    std::uint8_t extendedFlags = 0;
};

// A value of one cell: Null, Long, Integer, Date/Time (days since 1899-12-30) or Text.
// Binary, OLE and Memo cells can only be Null here.
using Value = std::variant<std::monostate, std::int32_t, std::int16_t, double, std::u16string>;

// Where a table's usage maps live: row pointers (page × 256 + row) into a map page.
struct MapPair {
    std::uint32_t owned = 0;
    std::uint32_t freeSpace = 0;
};

// One table of the database: its columns, numbered in the order given, and how its rows and
// its definition page are encoded. The table has no indexes. Encoding a value whose kind
// does not match its column is a programming error (std::logic_error).
class TableDefinition {
public:
    TableDefinition(std::string name, std::vector<ColumnSpec> columns, bool system);

    const std::string& name() const { return m_name; }
    bool isSystem() const { return m_system; }
    std::size_t columnCount() const { return m_columns.size(); }
    // Memo and OLE columns, each of which has a usage-map pair of its own.
    std::size_t longValueColumnCount() const;

    // The row as stored on a data page (the NULL mask records which cells have a value).
    std::string encodeRow(const std::vector<Value>& values) const;

    // The whole table-definition page.
    std::string encodeDefinitionPage(std::uint32_t rowCount, MapPair table, const std::vector<MapPair>& longValues) const;

private:
    struct Column {
        ColumnSpec spec;
        std::uint16_t number;
        std::uint16_t varIndex;    // place in the variable-offset table (variable columns)
        std::uint16_t fixedOffset; // place in the fixed area (fixed columns)
        std::uint16_t length;      // bytes; 0 for Memo and OLE
        bool fixed;
    };

    std::string m_name;
    std::vector<Column> m_columns;
    bool m_system;
    std::uint16_t m_fixedSize = 0;
    std::uint16_t m_varCount = 0;
};

// TEXT as Jet 4 stores it: when MAYCOMPRESS (the column allows it) and every character is
// U+0001..U+00FF, one byte per character after the marker FF FE; otherwise UCS-2
// little-endian, behind FF FE 00 when the text starts with U+FEFF (whose bytes would
// otherwise read as the marker).
std::string encodeText(const std::u16string& text, bool mayCompress);

} // namespace lessondb
