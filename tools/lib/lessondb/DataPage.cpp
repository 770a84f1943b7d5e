#include "tools/lib/lessondb/DataPage.h"

#include <stdexcept>

#include "tools/lib/lessondb/Bytes.h"
#include "tools/lib/lessondb/JetFormat.h"

namespace lessondb {

std::size_t DataPage::freeSpace() const
{
    return jet::kPageSize - jet::kDataHeaderSize - 2 * m_rows.size() - m_used;
}

bool DataPage::fits(std::size_t rowSize) const
{
    return m_rows.size() < jet::kMaxRowsPerPage && rowSize + 2 <= freeSpace();
}

std::uint8_t DataPage::add(std::string row)
{
    if (!fits(row.size()))
        throw std::logic_error("row added to a full data page");
    m_used += row.size();
    m_rows.push_back(std::move(row));
    return static_cast<std::uint8_t>(m_rows.size() - 1);
}

std::string DataPage::bytes() const
{
    std::string page(jet::kPageSize, '\0');
    put8(page, 0, jet::DataPage);
    put8(page, 1, 0x01);
    put16(page, 2, static_cast<std::uint16_t>(freeSpace()));
    put32(page, 4, m_owner);
    put16(page, 12, static_cast<std::uint16_t>(m_rows.size()));
    std::size_t end = jet::kPageSize;
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        end -= m_rows[i].size();
        page.replace(end, m_rows[i].size(), m_rows[i]);
        put16(page, jet::kDataHeaderSize + 2 * i, static_cast<std::uint16_t>(end));
    }
    return page;
}

} // namespace lessondb
