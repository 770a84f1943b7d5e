#pragma once

#include "shell/WindowControls.h"
#include "shell/WindowRoutines.h"
#include "shell/WindowServices.h"
#include "shell/WindowState.h"

#include <string>

namespace shell {

// What every part of the lesson window works with: the shared state, the controls, the
// platform back ends and the shared routines.
struct WindowContext {
    WindowState& s;
    WindowControls& c;
    WindowServices& io;
    WindowRoutines& r;
};

// Decimal text of a whole number.
inline std::string decimal(long value) { return std::to_string(value); }

// A whole number from text as the window reads its labels and boxes: blanks around it
// allowed, an optional sign, then only digits. Anything else (empty text included) gives
// FALLBACK; so does a number too large for a 16-bit setting.
inline long wholeNumber(const std::string& text, long fallback = 0)
{
    size_t i = 0, end = text.size();
    while (i < end && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    while (end > i && (text[end - 1] == ' ' || text[end - 1] == '\t' || text[end - 1] == '\r' || text[end - 1] == '\n'))
        --end;
    bool negative = false;
    if (i < end && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    if (i == end)
        return fallback;
    long value = 0;
    for (; i < end; ++i) {
        if (text[i] < '0' || text[i] > '9')
            return fallback;
        value = value * 10 + (text[i] - '0');
        if (value > 32767)
            return fallback;
    }
    return negative ? -value : value;
}

} // namespace shell
