#pragma once

#include "platform/draw/Colour.h"

#include <cmath>

namespace controls {

// Two colours of a diagonal gradient: FROM at the top-left pixel of the area it fills, TO
// at the bottom-right one. A flat colour has FROM equal to TO.
struct Gradient {
    platform::Argb from = 0;
    platform::Argb to = 0;
};

// The opaque colour a fraction T (0 to 1) of the way from A to B, each channel rounded.
inline platform::Argb mixColour(platform::Argb a, platform::Argb b, double t)
{
    const auto channel = [t](int x, int y) { return static_cast<int>(std::lround(x + (y - x) * t)); };
    return platform::rgb(channel(platform::red(a), platform::red(b)), channel(platform::green(a), platform::green(b)),
        channel(platform::blue(a), platform::blue(b)));
}

} // namespace controls
