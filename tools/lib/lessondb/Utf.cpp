#include "tools/lib/lessondb/Utf.h"

#include <cstdint>
#include <cstdio>

namespace lessondb {
namespace {

// Decodes the character at TEXT[POS]; returns its length in bytes, or 0 when the bytes there
// are not well-formed UTF-8.
std::size_t decodeOne(std::string_view text, std::size_t pos, char32_t& out)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(pos);
    std::size_t length = 0;
    char32_t value = 0;
    char32_t minimum = 0;
    if (lead < 0x80) {
        out = lead;
        return 1;
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2, value = lead & 0x1F, minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, value = lead & 0x0F, minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, value = lead & 0x07, minimum = 0x10000;
    } else {
        return 0;
    }
    if (pos + length > text.size())
        return 0;
    for (std::size_t i = 1; i < length; ++i) {
        const unsigned char next = byte(pos + i);
        if ((next & 0xC0) != 0x80)
            return 0;
        value = (value << 6) | (next & 0x3F);
    }
    if (value < minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
        return 0;
    out = value;
    return length;
}

} // namespace

bool checkStorableUtf8(std::string_view text, Utf8Problem& problem)
{
    for (std::size_t pos = 0; pos < text.size();) {
        char32_t c = 0;
        const std::size_t length = decodeOne(text, pos, c);
        if (length == 0) {
            problem = {pos, "invalid UTF-8"};
            return false;
        }
        if (c > 0xFFFF) {
            char name[32];
            std::snprintf(name, sizeof name, "U+%04X", static_cast<unsigned>(c));
            problem = {pos, std::string("character ") + name + " (outside the Basic Multilingual Plane)"};
            return false;
        }
        pos += length;
    }
    return true;
}

std::u16string toUtf16(std::string_view text)
{
    std::u16string out;
    out.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        char32_t c = 0;
        const std::size_t length = decodeOne(text, pos, c);
        if (length == 0 || c > 0xFFFF) {
            out.push_back(u'\uFFFD');
            pos += length ? length : 1;
            continue;
        }
        out.push_back(static_cast<char16_t>(c));
        pos += length;
    }
    return out;
}

} // namespace lessondb
