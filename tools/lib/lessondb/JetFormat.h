#pragma once

#include <cstddef>
#include <cstdint>

// The numbers of the Access 2000 (Jet 4) file layout that the writer relies on.
namespace lessondb::jet {

inline constexpr std::size_t kPageSize = 4096;

enum PageType : std::uint8_t { HeaderPage = 0x00, DataPage = 0x01, TableDefinitionPage = 0x02, UsageBitmapPage = 0x05 };

// Data pages: 14 header bytes, then a 2-byte offset per row; rows are packed from the end.
inline constexpr std::size_t kDataHeaderSize = 14;
inline constexpr std::size_t kMaxRowsPerPage = 255;
inline constexpr std::size_t kMaxRowSize = 4060;

// Table definition pages: a fixed header up to the first column entry.
inline constexpr std::size_t kTdefHeaderSize = 0x3F;
inline constexpr std::size_t kColumnEntrySize = 25;
// The constant the engine writes at tdef offset 0x0C and at +1 of every column entry.
inline constexpr std::uint32_t kEngineMark = 0x0659;

enum TableType : std::uint8_t { UserTable = 0x4E, SystemTable = 0x53 };

// Column flags: fixed length, updatable (on every ordinary column), and the extra bits the
// engine sets on the columns of its own tables.
enum ColumnFlag : std::uint8_t { FixedLength = 0x01, Updatable = 0x02, EngineColumn = 0x10, EngineBinary = 0x20 };
// Extended column flag: the column allows compressed Unicode text.
inline constexpr std::uint8_t kCompressedUnicode = 0x01;
// "General" sort order, stored in every column entry and in the database header.
inline constexpr std::uint16_t kGeneralSortOrder = 0x0409;

// Usage maps: an inline map covers 64 × 8 pages from its start page; a reference map names
// up to 17 bitmap pages, each covering (4096 − 4) × 8 pages.
inline constexpr std::size_t kInlineMapBytes = 64;
inline constexpr std::size_t kReferenceMapSlots = 17;
inline constexpr std::size_t kPagesPerBitmapPage = (kPageSize - 4) * 8;

// Catalog ids of the engine's containers and flags of system objects.
inline constexpr std::uint32_t kTablesContainerId = 0x0F000001;
inline constexpr std::uint32_t kSystemObjectFlags = 0x80000000;

} // namespace lessondb::jet
