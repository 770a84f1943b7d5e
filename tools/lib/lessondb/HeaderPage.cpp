#include "tools/lib/lessondb/HeaderPage.h"

#include <array>
#include <cstdint>
#include <utility>

#include "tools/lib/lessondb/Bytes.h"
#include "tools/lib/lessondb/JetFormat.h"

namespace lessondb {
namespace {

constexpr std::size_t kMaskedStart = 0x18;
constexpr std::size_t kMaskedLength = 128;

std::string rc4KeyStream(const std::array<std::uint8_t, 4>& key, std::size_t length)
{
    std::array<std::uint8_t, 256> s{};
    for (std::size_t i = 0; i < s.size(); ++i)
        s[i] = static_cast<std::uint8_t>(i);
    std::uint8_t j = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        j = static_cast<std::uint8_t>(j + s[i] + key[i % key.size()]);
        std::swap(s[i], s[j]);
    }
    std::string out;
    std::uint8_t a = 0;
    std::uint8_t b = 0;
    while (out.size() < length) {
        a = static_cast<std::uint8_t>(a + 1);
        b = static_cast<std::uint8_t>(b + s[a]);
        std::swap(s[a], s[b]);
        out.push_back(static_cast<char>(s[static_cast<std::uint8_t>(s[a] + s[b])]));
    }
    return out;
}

} // namespace

std::string headerMask() { return rc4KeyStream({0xC7, 0xDA, 0x39, 0x6B}, kMaskedLength); }

std::string headerPage()
{
    std::string page(jet::kPageSize, '\0');
    put8(page, 0x01, 0x01);
    page.replace(0x04, 16, std::string("Standard Jet DB\0", 16));
    put8(page, 0x14, 0x01); // Jet 4

    // Fields every engine-made header carries with these values.
    put16(page, 0x19, 0x0001);
    put16(page, 0x1C, 0x0101);
    put32(page, 0x20, 2);
    put32(page, 0x24, 3);
    put32(page, 0x28, 4);
    put32(page, 0x2C, 5);
    put16(page, 0x3C, 1252); // code page
    put32(page, 0x3E, 0);    // database key: pages are stored as they are
    put32(page, 0x6E, jet::kGeneralSortOrder);
    put32(page, 0x98, 0x0654);
    page.replace(0x9C, 4, std::string("4.0\0", 4));

    // The locale table at 0xE00 as the engine writes it for the "General" sort order.
    put16(page, 0xE00, 0x0101);
    for (std::size_t at = 0xE02; at < jet::kPageSize; at += 2)
        put16(page, at, 0x0100);

    const std::string mask = headerMask();
    for (std::size_t i = 0; i < kMaskedLength; ++i)
        page[kMaskedStart + i] = static_cast<char>(page[kMaskedStart + i] ^ mask[i]);
    return page;
}

} // namespace lessondb
