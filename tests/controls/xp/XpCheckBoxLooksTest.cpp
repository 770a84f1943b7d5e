#include "controls/xp/XpCheckBoxLooks.h"

#include <gtest/gtest.h>

#include <array>
#include <string_view>

#include "tests/controls/xp/XpTestSupport.h"

using controls::makeCheckBoxStrip;
using platform::Argb;
using platform::Surface;
using xptest::hex;

namespace {

// The key colours of the 14 looks, copied from the artwork's colour table (0xRRGGBB).
struct LookRow {
    std::uint32_t frameFrom, frameTo;
    std::uint32_t normalFrom, normalTo;
    std::uint32_t hotFrom, hotTo;
    std::uint32_t pressedFrom, pressedTo;
    std::uint32_t disabledFrame, disabledFill;
    std::uint32_t tick, square;
};
// clang-format off
constexpr std::array<LookRow, 14> kTable = {{
    {0x1C5180, 0x1C5180, 0xDDDCDA, 0xFEFFFF, 0xFEF1CF, 0xF7B230, 0xAFB0A8, 0xF0EFDD, 0xCAC8BB, 0xFFFFFF, 0x22A022, 0x73C271},
    {0x05111C, 0x000000, 0xDADBD5, 0xFEFEFE, 0xFEEDC6, 0xF5B334, 0xADADA1, 0xF0EEE0, 0x95938A, 0xFFFFFF, 0x229E25, 0x71BF6F},
    {0x030303, 0x030303, 0xC4C4C4, 0xE5E5E5, 0xE5E5E5, 0xDEDEDE, 0x969696, 0xD7D7D7, 0xB1B1B1, 0xE6E6E6, 0x090909, 0x5A5A5A},
    {0x0A1A77, 0x0A1A77, 0xB9BCD9, 0xF2ECEA, 0xE2DEE5, 0x7380C2, 0x6675BE, 0xD8D6E2, 0x8690C9, 0xF2ECEA, 0x1E359D, 0x5364B7},
    {0x69F8D4, 0x69F8D4, 0x034534, 0x000101, 0x023024, 0x09CF9D, 0x079F78, 0x023024, 0x057558, 0x000101, 0x45F7CA, 0x08C393},
    {0x096300, 0x096300, 0xBBC5B1, 0xD4D4D4, 0xCCCFC7, 0x98B17F, 0x8BAC70, 0xC7CCC5, 0xA7BB95, 0xD4D4D4, 0x367C00, 0x7AA259},
    {0x3B4D5D, 0x3B4D5D, 0xFDD9BB, 0xFFEAD4, 0xFFE1B3, 0xFFB33D, 0xD0B59B, 0xDEC8AB, 0x8C8070, 0xBFB6B5, 0x0F550E, 0x707B6E},
    {0x7100C8, 0x7100C8, 0xF27AF1, 0xFFFFFF, 0xFFC3ED, 0xFC248D, 0xDE21DC, 0xF9BCF2, 0xEA4AE5, 0xFFF9FF, 0x79117D, 0xBE3DBF},
    {0xAA5309, 0xAA5309, 0x9E9D9A, 0xD3D5D5, 0xD3BF88, 0xC85A88, 0x555649, 0xBDBB9E, 0x807D68, 0xD5D3D5, 0x9E3D9E, 0x1D7320},
    {0xE4CB7A, 0xE4CB7A, 0xFFE7A5, 0xFFCC3B, 0xFFD45A, 0xFBF4E3, 0xF4EFE1, 0xFFD86B, 0xFFF6E2, 0xFFCB3A, 0xD3CDAD, 0xE8E6DC},
    {0x96072B, 0x96072B, 0xFCBACB, 0xFFFEFE, 0xFDCFDB, 0xF63062, 0xF86087, 0xFDCFDB, 0xFA8AA7, 0xFFFEFE, 0xBA0835, 0xF73C6C},
    {0x55ACF6, 0x55ACF6, 0x616265, 0x2C2A2A, 0x2C4077, 0x37A577, 0xAAA9B6, 0x424461, 0x7F8297, 0x2A2C2A, 0x61C261, 0xE28CDF},
    {0x72218B, 0x72218B, 0xBEE437, 0x039F53, 0x3FB64A, 0xFDA92D, 0xFD7D2D, 0x55BF47, 0xFDDF2D, 0x049F53, 0xEB1681, 0xEF442D},
    {0xFDD400, 0xFDD400, 0xFDF99B, 0xFDFDF9, 0xFDFDD8, 0xFDF10B, 0xFDED00, 0xFDF9D0, 0xFDF548, 0xFDFDF9, 0xFDDC00, 0xFDED00},
}};
// The tick in the centre square (3, 3)-(9, 9), row by row.
constexpr std::array<std::string_view, 7> kTickRows = {
    "......#",
    ".....##",
    "#...###",
    "##.###.",
    "#####..",
    ".###...",
    "..#....",
};
// clang-format on

constexpr int kSize = 13;

// Pixel (X, Y) of cell CELL of STRIP.
Argb at(const Surface& strip, int cell, int x, int y)
{
    return strip.pixel(cell * kSize + x, y);
}

bool inTick(int x, int y)
{
    return x >= 3 && x <= 9 && y >= 3 && y <= 9 && kTickRows[static_cast<std::size_t>(y - 3)][static_cast<std::size_t>(x - 3)] == '#';
}

} // namespace

TEST(XpCheckBoxLooks, StripsAre156By13AndOnlyForLooks0To13)
{
    for (int look = 0; look < 14; ++look) {
        SCOPED_TRACE(look);
        EXPECT_EQ(makeCheckBoxStrip(look).size(), (platform::Size { 156, 13 }));
        EXPECT_EQ(xptest::firstDifference(controls::checkBoxStrips()[static_cast<std::size_t>(look)], makeCheckBoxStrip(look)), "");
    }
    EXPECT_TRUE(makeCheckBoxStrip(14).isNull());
    EXPECT_TRUE(makeCheckBoxStrip(-1).isNull());
}

// Frame corners, the ends of every gradient, the flat disabled face and the marks' colours,
// for every look and in every cell of the value rows concerned.
TEST(XpCheckBoxLooks, KeyColoursLandWhereTheTableSays)
{
    for (int look = 0; look < 14; ++look) {
        SCOPED_TRACE("look " + std::to_string(look));
        const LookRow& row = kTable[static_cast<std::size_t>(look)];
        const Surface strip = makeCheckBoxStrip(look);
        // The fill covers the interior; in the sunken look 1 its left column and bottom row
        // are the inner line.
        const bool sunken = look == 1;
        const int fx0 = sunken ? 2 : 1, fy1 = sunken ? 10 : 11;
        for (int value = 0; value < 3; ++value) {
            SCOPED_TRACE("value " + std::to_string(value));
            const int normal = 4 * value, hot = normal + 1, pressed = normal + 2, disabled = normal + 3;
            for (int cell : { normal, hot, pressed }) {
                EXPECT_EQ(at(strip, cell, 0, 0), hex(row.frameFrom));
                EXPECT_EQ(at(strip, cell, 12, 12), hex(row.frameTo));
            }
            EXPECT_EQ(at(strip, normal, fx0, 1), hex(row.normalFrom));
            EXPECT_EQ(at(strip, normal, 11, fy1), hex(row.normalTo));
            EXPECT_EQ(at(strip, hot, fx0, 1), hex(row.hotFrom));
            EXPECT_EQ(at(strip, hot, 11, fy1), hex(row.hotTo));
            EXPECT_EQ(at(strip, pressed, fx0, 1), hex(row.pressedFrom));
            EXPECT_EQ(at(strip, pressed, 11, fy1), hex(row.pressedTo));
            EXPECT_EQ(at(strip, disabled, 0, 0), hex(row.disabledFrame));
            EXPECT_EQ(at(strip, disabled, 12, 6), hex(row.disabledFrame));
            EXPECT_EQ(at(strip, disabled, 6, 1), hex(row.disabledFill));
            EXPECT_EQ(at(strip, disabled, 11, 2), hex(row.disabledFill));
        }
        for (int cell = 4; cell < 7; ++cell)
            EXPECT_EQ(at(strip, cell, 9, 3), hex(row.tick)) << "cell " << cell;
        for (int cell = 8; cell < 11; ++cell)
            EXPECT_EQ(at(strip, cell, 6, 6), hex(row.square)) << "cell " << cell;
        EXPECT_EQ(at(strip, 7, 9, 3), hex(row.disabledFrame));
        EXPECT_EQ(at(strip, 11, 6, 6), hex(row.disabledFrame));
    }
}

// Unchecked cells hold no mark, checked cells exactly the tick's pixels in the tick colour,
// mixed cells the whole 7 × 7 square; in every look and face.
TEST(XpCheckBoxLooks, TickAndSquareCoverExactlyTheirPixels)
{
    for (int look = 0; look < 14; ++look) {
        const LookRow& row = kTable[static_cast<std::size_t>(look)];
        const Surface strip = makeCheckBoxStrip(look);
        for (int face = 0; face < 4; ++face) {
            SCOPED_TRACE("look " + std::to_string(look) + " face " + std::to_string(face));
            const Argb tick = hex(face == 3 ? row.disabledFrame : row.tick);
            const Argb square = hex(face == 3 ? row.disabledFrame : row.square);
            int tickPixels = 0, squarePixels = 0, marksInUnchecked = 0;
            for (int y = 3; y <= 9; ++y)
                for (int x = 3; x <= 9; ++x) {
                    const bool isTick = at(strip, 4 + face, x, y) == tick;
                    EXPECT_EQ(isTick, inTick(x, y)) << "tick pixel " << x << ", " << y;
                    tickPixels += isTick;
                    squarePixels += at(strip, 8 + face, x, y) == square;
                    marksInUnchecked += at(strip, face, x, y) != at(strip, face, 6, 6);
                }
            EXPECT_EQ(tickPixels, 21);
            EXPECT_EQ(squarePixels, 49);
            if (face == 1 || face == 3) { // flat centres
                EXPECT_EQ(marksInUnchecked, 0);
            }
            EXPECT_NE(at(strip, 8 + face, 2, 2), square); // the square stops at the centre square
        }
    }
}

TEST(XpCheckBoxLooks, HotFaceIsAGradientRingRoundAFlatCentre)
{
    const Surface strip = makeCheckBoxStrip(0);
    for (int y = 3; y <= 9; ++y)
        for (int x = 3; x <= 9; ++x)
            EXPECT_EQ(at(strip, 1, x, y), hex(0xE7E8E0)) << x << ", " << y;
    // The ring, two pixels wide, runs diagonally from pale to full orange.
    EXPECT_EQ(at(strip, 1, 2, 2), controls::gradientAt({ hex(0xFEF1CF), hex(0xF7B230) }, { 1, 1, 11, 11 }, 2, 2));
    EXPECT_EQ(at(strip, 1, 11, 1), at(strip, 1, 1, 11));
    EXPECT_EQ(at(strip, 1, 6, 1), at(strip, 1, 1, 6));
}

TEST(XpCheckBoxLooks, Look1IsSunkenWithInnerLineAndShadows)
{
    const Surface strip = makeCheckBoxStrip(1);
    for (int cell = 0; cell < 12; ++cell) {
        SCOPED_TRACE(cell);
        const Argb line = hex(cell % 4 == 3 ? 0xC8C8C8 : 0x7F7F7E);
        for (int i = 1; i <= 11; ++i) {
            EXPECT_EQ(at(strip, cell, 1, i), line);
            EXPECT_EQ(at(strip, cell, i, 11), line);
        }
    }
    // The tick casts its shadow left of and below its pixels, the square a band left and below.
    for (int cell : { 4, 5, 6 }) {
        EXPECT_EQ(at(strip, cell, 2, 5), hex(0x0F4D0F));
        EXPECT_EQ(at(strip, cell, 5, 10), hex(0x0F4D0F));
        EXPECT_EQ(at(strip, cell, 8, 3), hex(0x0F4D0F));
    }
    for (int cell : { 8, 9, 10 })
        for (int i = 3; i <= 9; ++i) {
            EXPECT_EQ(at(strip, cell, 2, i + 1), hex(0x549054));
            EXPECT_EQ(at(strip, cell, i, 10), hex(0x549054));
        }
    // No shadow in the disabled cells, nor in the flat looks.
    EXPECT_EQ(at(strip, 7, 2, 5), hex(0xFFFFFF));
    EXPECT_EQ(at(strip, 11, 2, 6), hex(0xFFFFFF));
    EXPECT_EQ(at(makeCheckBoxStrip(0), 4, 2, 5), at(makeCheckBoxStrip(0), 0, 2, 5));
}
