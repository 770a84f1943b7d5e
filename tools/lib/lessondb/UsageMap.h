#pragma once

#include <cstdint>
#include <set>
#include <string>
#include <vector>

namespace lessondb {

// A set of pages (those a table owns, those with free space, or the free pages of the
// file) and the row that records it on the usage-map page.
//
// While every page lies below 512 the row is an inline map: type 0, start page 0, 64 bytes
// of bitmap. Otherwise it is a reference map: type 1 and 17 slots, slot K naming the
// bitmap page that covers pages K × 32736 to (K + 1) × 32736 − 1 (0 for none).
class UsageMap {
public:
    void add(std::uint32_t page) { m_pages.insert(page); }
    void addRange(std::uint32_t first, std::uint32_t end); // pages first..end-1

    // Keeps the reference form even when every page lies below 512.
    void useReferenceForm() { m_reference = true; }

    bool isInline() const;
    // The slots that need a bitmap page: those covering at least one page of the set.
    std::vector<std::size_t> slotsInUse() const;

    // The map row; for a reference map BITMAPPAGES gives the page of each slot (0 for none).
    std::string row(const std::vector<std::uint32_t>& bitmapPages = {}) const;
    // The bitmap page of SLOT.
    std::string bitmapPage(std::size_t slot) const;

private:
    std::set<std::uint32_t> m_pages;
    bool m_reference = false;
};

} // namespace lessondb
