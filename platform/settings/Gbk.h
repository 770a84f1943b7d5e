#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace platform::gbk {

// Code page 936 (GBK) as the settings file stores it, converted with the C library's iconv.
// ASCII bytes stand for themselves; a byte from 0x81 to 0xFE followed by a byte from 0x40 to
// 0xFE (but not 0x7F) is one two-byte character; 0x80 is the euro sign.

// UTF-8 text of BYTES. Never fails: each byte at which no valid character starts (a stray
// byte above 0x80, a lead byte at the end or before a byte that cannot follow it, the lead of
// a pair with no Unicode form) becomes U+FFFD and decoding goes on with the next byte, so a
// damaged value stays visible, keeps its readable parts and never vanishes.
std::string toUtf8(std::string_view bytes);

// The GBK bytes of UTF8, or nothing when UTF8 is not valid UTF-8 or holds a character that
// code page 936 has no form for (for example "・" U+30FB, "〜" U+301C, Hangul).
std::optional<std::string> fromUtf8(std::string_view utf8);

// The largest length not above LIMIT at which BYTES can be cut without splitting a two-byte
// character (a lead byte whose trail byte lies past LIMIT is left out).
std::size_t cutPoint(std::string_view bytes, std::size_t limit);

} // namespace platform::gbk
