#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace lessondb {

// A data page being filled: rows are packed from the end of the page towards its header,
// each behind a 2-byte entry of the row-offset table. No row is moved or deleted.
class DataPage {
public:
    explicit DataPage(std::uint32_t owner) : m_owner(owner) {}

    // Whether a row of ROWSIZE bytes (plus its offset entry) still fits.
    bool fits(std::size_t rowSize) const;
    // Adds ROW (which must fit) and returns its row number on the page.
    std::uint8_t add(std::string row);

    std::size_t freeSpace() const;
    std::size_t rowCount() const { return m_rows.size(); }
    std::string bytes() const;

private:
    std::uint32_t m_owner;
    std::vector<std::string> m_rows;
    std::size_t m_used = 0;
};

} // namespace lessondb
