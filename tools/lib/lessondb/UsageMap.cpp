#include "tools/lib/lessondb/UsageMap.h"

#include <stdexcept>

#include "tools/lib/lessondb/Bytes.h"
#include "tools/lib/lessondb/JetFormat.h"

namespace lessondb {
namespace {

void setBit(std::string& bytes, std::size_t at, std::size_t bit)
{
    const std::size_t i = at + bit / 8;
    bytes[i] = static_cast<char>(static_cast<unsigned char>(bytes[i]) | 1u << (bit % 8));
}

} // namespace

void UsageMap::addRange(std::uint32_t first, std::uint32_t end)
{
    for (std::uint32_t page = first; page < end; ++page)
        m_pages.insert(page);
}

bool UsageMap::isInline() const { return !m_reference && (m_pages.empty() || *m_pages.rbegin() < jet::kInlineMapBytes * 8); }

std::vector<std::size_t> UsageMap::slotsInUse() const
{
    std::vector<std::size_t> slots;
    for (std::uint32_t page : m_pages) {
        const std::size_t slot = page / jet::kPagesPerBitmapPage;
        if (slots.empty() || slots.back() != slot)
            slots.push_back(slot);
    }
    return slots;
}

std::string UsageMap::row(const std::vector<std::uint32_t>& bitmapPages) const
{
    std::string out(5, '\0');
    if (isInline()) {
        out.append(jet::kInlineMapBytes, '\0');
        for (std::uint32_t page : m_pages)
            setBit(out, 5, page);
        return out;
    }
    if (bitmapPages.size() > jet::kReferenceMapSlots)
        throw std::logic_error("usage map names too many bitmap pages");
    out.resize(1 + 4 * jet::kReferenceMapSlots, '\0');
    put8(out, 0, 0x01);
    for (std::size_t slot = 0; slot < bitmapPages.size(); ++slot)
        put32(out, 1 + 4 * slot, bitmapPages[slot]);
    return out;
}

std::string UsageMap::bitmapPage(std::size_t slot) const
{
    std::string page(jet::kPageSize, '\0');
    put8(page, 0, jet::UsageBitmapPage);
    put8(page, 1, 0x01);
    const std::uint64_t first = slot * jet::kPagesPerBitmapPage;
    for (auto it = m_pages.lower_bound(static_cast<std::uint32_t>(first));
         it != m_pages.end() && *it < first + jet::kPagesPerBitmapPage; ++it)
        setBit(page, 4, *it - first);
    return page;
}

} // namespace lessondb
