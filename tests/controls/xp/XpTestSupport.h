#pragma once

// Helpers shared by the tests of the check box and the option button.

#include "platform/draw/Surface.h"
#include "platform/window/ControlEvent.h"

#include <cstdint>
#include <cstdio>
#include <ostream>
#include <string>
#include <vector>

namespace platform {
// Readable failure output for recorded events.
inline void PrintTo(const ControlEvent& e, std::ostream* os)
{
    *os << e.name << "(b" << e.button << " s" << e.shift << " x" << e.x << " y" << e.y << " k" << e.keyCode << " a" << e.keyAscii << ")";
}
} // namespace platform

namespace xptest {

using platform::ControlEvent;

inline platform::Argb hex(std::uint32_t rrggbb)
{
    return 0xFF000000u | rrggbb;
}

inline ControlEvent named(const char* name)
{
    return { .name = name };
}
inline ControlEvent mouse(const char* name, int button, int shift, float x, float y)
{
    return { .name = name, .button = button, .shift = shift, .x = x, .y = y };
}
inline ControlEvent key(const char* name, int keyCode)
{
    return { .name = name, .keyCode = keyCode };
}
inline ControlEvent keyPress(int ascii)
{
    return { .name = "KeyPress", .keyAscii = ascii };
}

// AREA of SOURCE as a surface of its own.
inline platform::Surface crop(const platform::Surface& source, platform::Rect area)
{
    platform::Surface out(area.width, area.height, 0);
    out.copyFrom(source, area, { 0, 0 });
    return out;
}

// Empty when A and B are equal, else where and how they first differ.
inline std::string firstDifference(const platform::Surface& a, const platform::Surface& b)
{
    if (a.size() != b.size())
        return "sizes differ";
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y)) {
                char text[80];
                std::snprintf(text, sizeof text, "(%d, %d): %08X vs %08X", x, y, a.pixel(x, y), b.pixel(x, y));
                return text;
            }
    return {};
}

// How many pixels of AREA have exactly COLOUR.
inline int countColour(const platform::Surface& s, platform::Rect area, platform::Argb colour)
{
    int n = 0;
    for (int y = area.y; y < area.y + area.height; ++y)
        for (int x = area.x; x < area.x + area.width; ++x)
            n += s.pixel(x, y) == colour;
    return n;
}

// How many pixels outside every rectangle of KEEP differ from BACKGROUND.
inline int strayPixels(const platform::Surface& s, const std::vector<platform::Rect>& keep, platform::Argb background)
{
    int n = 0;
    for (int y = 0; y < s.height(); ++y)
        for (int x = 0; x < s.width(); ++x) {
            bool kept = false;
            for (const platform::Rect& r : keep)
                kept = kept || r.contains({ x, y });
            n += !kept && s.pixel(x, y) != background;
        }
    return n;
}

} // namespace xptest
