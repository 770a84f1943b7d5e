#include "controls/xp/XpRadioFaces.h"

#include <algorithm>
#include <cstdint>

#include "controls/xp/XpGradient.h"

namespace controls {
namespace {

using platform::Argb;
using platform::Surface;

constexpr Argb hex(std::uint32_t rrggbb)
{
    return 0xFF000000u | rrggbb;
}
constexpr Argb kTransparent = 0x00000000u;

// clang-format off
const std::array<std::string_view, kRadioFaceSize> kMap = {
    "....RRRRR....",
    "..DD     DD..",
    ".Dab     baD.",
    ".Db  ooo  bD.",
    "R   ooooo   R",
    "R  ooooooo  R",
    "R  ooooooo  R",
    "R  ooooooo  R",
    "R   ooooo   R",
    ".Db  ooo  bD.",
    ".Dab     baD.",
    "..DD     DD..",
    "....RRRRR....",
};
const std::array<std::string_view, 5> kDotMap = {
    "'+#+'",
    "+###+",
    "#####",
    "+###+",
    "'+#+'",
};
// clang-format on
constexpr int kDotLeft = 4;
constexpr int kDotTop = 4;

// The colours of the ring and its softening, enabled and disabled.
struct RingColours {
    Argb ring;
    Argb diagonal;
    Argb softDark;
    Argb softLight;
};
constexpr RingColours kBlueRing { hex(0x235682), hex(0x215481), hex(0x577D99), hex(0x7091AF) };
constexpr RingColours kPaleRing { hex(0xCBC9BB), hex(0xD3D1C3), hex(0xDFDCCD), hex(0xDFDCCD) };

constexpr Gradient kNormalFill { hex(0xE0E0DB), hex(0xFDFDFC) };
constexpr Gradient kPressedFill { hex(0xB7B7AD), hex(0xEDEBDB) };
constexpr Gradient kHotRing { hex(0xFEDF9C), hex(0xF9B93E) };
constexpr Argb kHotCentre = hex(0xFFFFFF);
constexpr Argb kDisabledFill = hex(0xFFFFFF);
constexpr Gradient kDot { hex(0x55D551), hex(0x139210) };
constexpr Argb kDisabledDot = hex(0xC0BFB5);

char mapAt(int x, int y)
{
    return kMap[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)];
}

// A diagonal gradient over the pixels of the map whose character is one of CHARS: FROM at
// the top-left-most of them (smallest x + y), TO at the bottom-right-most.
Argb diagonalAt(const Gradient& g, std::string_view chars, int x, int y)
{
    int lo = 2 * kRadioFaceSize, hi = -1;
    for (int my = 0; my < kRadioFaceSize; ++my)
        for (int mx = 0; mx < kRadioFaceSize; ++mx)
            if (chars.find(mapAt(mx, my)) != std::string_view::npos) {
                lo = std::min(lo, mx + my);
                hi = std::max(hi, mx + my);
            }
    return mixColour(g.from, g.to, hi > lo ? static_cast<double>(x + y - lo) / (hi - lo) : 0.0);
}

// The dot's green: FROM on its top-left full-colour pixels (x + y = 10: (6, 4), (5, 5),
// (4, 6)), TO on its bottom-right ones (x + y = 14); the blended corners take the colour
// of the nearest of these diagonals.
Argb dotColourAt(int x, int y)
{
    return mixColour(kDot.from, kDot.to, (std::clamp(x + y, 10, 14) - 10) / 4.0);
}

Argb interiorAt(int state, int x, int y)
{
    const bool centre = mapAt(x, y) == 'o';
    switch (state) {
    case 0:
        return diagonalAt(kNormalFill, " o", x, y);
    case 1:
        return centre ? kHotCentre : diagonalAt(kHotRing, " ", x, y);
    case 2:
        return diagonalAt(kPressedFill, " o", x, y);
    default:
        return kDisabledFill;
    }
}

Argb ringAt(const RingColours& colours, char c)
{
    switch (c) {
    case 'R':
        return colours.ring;
    case 'D':
        return colours.diagonal;
    case 'a':
        return colours.softDark;
    default:
        return colours.softLight;
    }
}

void drawDot(Surface& face, bool disabled)
{
    for (int dy = 0; dy < 5; ++dy)
        for (int dx = 0; dx < 5; ++dx) {
            const int x = kDotLeft + dx, y = kDotTop + dy;
            const char c = kDotMap[static_cast<std::size_t>(dy)][static_cast<std::size_t>(dx)];
            const Argb full = disabled ? kDisabledDot : dotColourAt(x, y);
            const double amount = c == '#' ? 1.0 : c == '+' ? 0.5 : 0.25;
            face.setPixel(x, y, mixColour(face.pixel(x, y), full, amount));
        }
}

} // namespace

const std::array<std::string_view, kRadioFaceSize>& radioFaceMap()
{
    return kMap;
}
const std::array<std::string_view, 5>& radioDotMap()
{
    return kDotMap;
}

bool radioCircleContains(int x, int y)
{
    return x >= 0 && y >= 0 && x < kRadioFaceSize && y < kRadioFaceSize && mapAt(x, y) != '.';
}

Surface makeRadioFace(int index)
{
    if (index < 0 || index >= kRadioFaceCount)
        return {};
    const int state = index % 4;
    const bool chosen = index >= 4;
    const RingColours& ring = state == 3 ? kPaleRing : kBlueRing;
    Surface face(kRadioFaceSize, kRadioFaceSize, kTransparent);
    for (int y = 0; y < kRadioFaceSize; ++y)
        for (int x = 0; x < kRadioFaceSize; ++x) {
            const char c = mapAt(x, y);
            if (c == '.')
                continue;
            face.setPixel(x, y, c == ' ' || c == 'o' ? interiorAt(state, x, y) : ringAt(ring, c));
        }
    if (chosen)
        drawDot(face, state == 3);
    return face;
}

const std::array<Surface, kRadioFaceCount>& radioFaces()
{
    static const std::array<Surface, kRadioFaceCount> faces = [] {
        std::array<Surface, kRadioFaceCount> all;
        for (int i = 0; i < kRadioFaceCount; ++i)
            all[static_cast<std::size_t>(i)] = makeRadioFace(i);
        return all;
    }();
    return faces;
}

} // namespace controls
