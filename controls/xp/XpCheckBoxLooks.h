#pragma once

#include "controls/xp/XpGradient.h"
#include "platform/draw/Surface.h"

#include <array>
#include <optional>

namespace controls {

// The artwork of the check box: 14 colour looks, each a strip of 12 cells of 13 × 13
// pixels side by side (156 × 13, opaque). Cell = 4 × value + face state, with value 0
// unchecked, 1 checked, 2 mixed and face state 0 normal, 1 hot, 2 pressed, 3 disabled.
//
// Every cell has a 1-pixel frame round an 11 × 11 interior. The normal and pressed faces fill
// the interior with a diagonal gradient (top-left to bottom-right); the hot face has a
// 2-pixel gradient ring inside the frame round a flat 7 × 7 centre; the disabled face is a
// pale frame round a flat fill. Checked cells add the tick, mixed cells a 7 × 7 square, both
// in the centre square (3, 3)-(9, 9). Look 1 is sunken: its frame darkens towards the
// bottom-right, a grey inner line runs down the left and along the bottom of the interior,
// and the tick and the square cast a dark shadow to the left and below.
//
// The strips are drawn here from the tables of key colours below, so tests and the gallery
// can regenerate any look and compare pixels.

constexpr int kCheckBoxLookCount = 14;
constexpr int kCheckBoxCellSize = 13;
constexpr int kCheckBoxCellCount = 12;

// What look 1 adds to make the box look sunken.
struct SunkenEdges {
    platform::Argb innerLine; // left column and bottom row of the interior
    platform::Argb disabledInnerLine; // the same in the disabled faces
    platform::Argb tickShadow;
    platform::Argb squareShadow;
};

// The key colours of one look.
struct CheckBoxLook {
    Gradient frame;
    Gradient normalFill;
    Gradient hotRing;
    Gradient pressedFill;
    platform::Argb disabledFrame; // also the tick and the square of the disabled cells
    platform::Argb disabledFill;
    platform::Argb tick;
    platform::Argb square;
    std::optional<platform::Argb> hotCentre; // when absent: the middle of the normal fill
    std::optional<SunkenEdges> sunken;
};

// The key colours of LOOK (0-13).
const CheckBoxLook& checkBoxLook(int look);

// The tick: 21 pixels in the centre square, as cell coordinates (x column, y row).
struct CellPixel {
    int x;
    int y;
};
const std::array<CellPixel, 21>& checkBoxTickPixels();
// The centre square that holds the hot face's flat centre, the tick and the mixed square.
constexpr platform::Rect kCheckBoxCentre { 3, 3, 7, 7 };

// Draws look LOOK (0-13) as a 156 × 13 strip; an empty surface for any other number.
platform::Surface makeCheckBoxStrip(int look);
// The strips of all 14 looks, drawn once on first use.
const std::array<platform::Surface, kCheckBoxLookCount>& checkBoxStrips();

// The colour at (X, Y) of a diagonal gradient filling AREA.
platform::Argb gradientAt(const Gradient& g, platform::Rect area, int x, int y);

} // namespace controls
