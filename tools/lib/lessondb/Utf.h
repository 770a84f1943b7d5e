#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace lessondb {

// Where a UTF-8 text stops being valid, and why.
struct Utf8Problem {
    std::size_t offset = 0; // byte offset of the first offending byte
    std::string what;       // "invalid UTF-8", or the character that cannot be stored
};

// Checks that TEXT is well-formed UTF-8 (no overlong forms, no surrogates, nothing past
// U+10FFFF) whose every character fits one UTF-16 unit, which is all a text column of the
// lesson file can hold. Returns true when it is; otherwise fills PROBLEM.
bool checkStorableUtf8(std::string_view text, Utf8Problem& problem);

// TEXT, which must have passed checkStorableUtf8, as UTF-16 code units.
std::u16string toUtf16(std::string_view text);

} // namespace lessondb
