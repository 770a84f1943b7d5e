#pragma once

#include "platform/draw/Surface.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace controls {

// The progress bar's artwork, made from the colour tables below rather than loaded from files:
// the frame image `img`, the eraser `blank` and the three block images of each of the eight
// looks. The tables are public so a test can check a generated image against them pixel by
// pixel. Colours are written 0xRRGGBB and are always opaque.
class ProgressBarArt {
public:
    static constexpr int kFrameWidth = 59;
    static constexpr int kFrameHeight = 13;
    static constexpr int kBlockWidth = 8;
    static constexpr int kBlockHeight = 10;
    static constexpr int kLookCount = 8;

    // The frame lines from the outside in: along the top, left and right the outer line is
    // followed by the second and the third; along the bottom both inner lines are the third.
    static constexpr std::uint32_t kFrameOuter = 0x6B696B;
    static constexpr std::uint32_t kFrameSecond = 0xBDBEBD;
    static constexpr std::uint32_t kFrameThird = 0xEFEFEF;
    static constexpr std::uint32_t kInside = 0xFFFFFF;

    // A 3 × 3 corner, rows top to bottom, pixels left to right.
    using Corner = std::array<std::array<std::uint32_t, 3>, 3>;
    static constexpr Corner kTopLeft = {{{0xFFFFFF, 0xADAAA5, 0x7B7D7B},
                                         {0xADAAA5, 0x737573, 0xBDBEBD},
                                         {0x7B7D7B, 0xBDBEBD, 0xBDBEBD}}};
    static constexpr Corner kTopRight = {{{0x7B7D7B, 0xADAAA5, 0xFFFFFF},
                                          {0xBDBEBD, 0x737573, 0xADAAA5},
                                          {0xBDBEBD, 0xBDBEBD, 0x7B7D7B}}};
    static constexpr Corner kBottomLeft = {{{0x7B7D7B, 0xBDBEBD, 0xEFEFEF},
                                            {0xADAAA5, 0x737573, 0xEFEFEF},
                                            {0xFFFFFF, 0xADAAA5, 0x7B7D7B}}};
    static constexpr Corner kBottomRight = {{{0xEFEFEF, 0xBDBEBD, 0x7B7D7B},
                                             {0xEFEFEF, 0x737573, 0xADAAA5},
                                             {0x7B7D7B, 0xADAAA5, 0xFFFFFF}}};

    // One colour look. Image 2 (full colour) is a vertical gradient, the same in every column.
    // Images 1 and 0 are paler and grade from left to right: their row 5 runs from the left
    // colour in column 0 to the right colour in column 7; their other rows repeat image 2's
    // shading above and below row 5, scaled down by how pale the column is (see look()).
    struct Look {
        std::string_view name;
        std::array<std::uint32_t, kBlockHeight> fullRows; // image 2, rows 0-9
        std::uint32_t image1Left, image1Right;             // image 1, row 5
        std::uint32_t image0Left, image0Right;             // image 0, row 5
    };

    // clang-format off
    static constexpr std::array<Look, kLookCount> kLooks = {{
        {"master",    {0x95E996, 0x7CE47E, 0x66DF68, 0x4DDA50, 0x35D538, 0x29D22C, 0x2ED331, 0x41D744, 0x5BDD5D, 0x76E277}, 0x7EE480, 0x29D22C, 0xC5F3C5, 0x5BDD5E},
        {"blue",      {0x409FFF, 0x3399FF, 0x2492FF, 0x0482FF, 0x007AF4, 0x0076EC, 0x007AF4, 0x0482FF, 0x2492FF, 0x3399FF}, 0x61AAF3, 0x0C7CED, 0xD0E6FB, 0x81BBF6},
        {"bluemet",   {0x5D95BB, 0x4481A8, 0x316E94, 0x215C7A, 0x164B56, 0x134335, 0x134442, 0x1A516A, 0x286688, 0x3D78A1}, 0x829FA9, 0x285447, 0xEDF4F9, 0x9CB8C8},
        {"goldmet",   {0xEDD4A2, 0xE6C97D, 0xDFBE53, 0xD8B22F, 0xD8AC2F, 0xD8A82F, 0xD8A92F, 0xD8AE2F, 0xDDB948, 0xE5C576}, 0xECD39F, 0xD8AC2F, 0xFDFBFE, 0xF3E1C3},
        {"grmet",     {0x95B38E, 0xA4D498, 0xC3E3BA, 0xA4D498, 0x8DBC82, 0x83AE76, 0x76A66A, 0x83AE76, 0x8FBC82, 0x98C88C}, 0xB9D2B2, 0x89B27D, 0xD1E0CC, 0xC9DCC3},
        {"greymet",   {0xCDCDCD, 0xB6B6B6, 0xA3A3A3, 0x8E8E8E, 0x797979, 0x6E6E6E, 0x727272, 0x818181, 0x959595, 0xA9A9A9}, 0xB4B4B4, 0x767676, 0xEDEDED, 0xCDCDCD},
        {"orangemet", {0xFFE998, 0xFFE581, 0xFFE06C, 0xFFDB54, 0xFFD63D, 0xFFD331, 0xFFD435, 0xFFD848, 0xFFDE60, 0xFFE279}, 0xFFE997, 0xFFD63E, 0xFFFDF3, 0xFFF0B7},
        {"redmet",    {0xE9A87F, 0xE89B6A, 0xE68C54, 0xE48245, 0xE38040, 0xE4864A, 0xE6925E, 0xE89F72, 0xEAAA85, 0xEBB89A}, 0xF2C4A7, 0xE6915B, 0xF4CCB2, 0xF4CEB6},
    }};
    // clang-format on

    // The opaque pixel colour of a table entry.
    static constexpr platform::Argb argb(std::uint32_t rrggbb) { return 0xFF000000u | (rrggbb & 0x00FFFFFFu); }

    // The frame image `img`, 59 × 13: the corners as in the corner tables, the 3-pixel lines
    // along the top, left and right, white inside. Along the bottom the outer line and one
    // third line run the whole width; the second bottom row (row 10) is the third line only
    // in columns 3 and 55, where the bar's bottom edge is taken from, and white in between,
    // where the bar's inside is taken from (rows 4-10).
    static platform::Surface frame();
    // The eraser `blank`, 8 × 10, all white.
    static platform::Surface blank();
    // The three 8 × 10 block images of look LOOK (0-7; others are clamped), palest first. Images 0 and 1: row 5
    // is interpolated linearly per channel between the table's ends; in every other row r a
    // channel is 255 − (255 − row5) × (255 − full[r]) / (255 − full[5]), clamped, so a pale
    // column keeps a proportionally fainter copy of image 2's shading.
    static std::array<platform::Surface, 3> look(int look);
};

} // namespace controls
