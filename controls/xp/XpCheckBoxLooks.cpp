#include "controls/xp/XpCheckBoxLooks.h"

#include <cstdint>
#include <vector>

namespace controls {
namespace {

using platform::Argb;
using platform::Rect;
using platform::Surface;

constexpr Argb hex(std::uint32_t rrggbb)
{
    return 0xFF000000u | rrggbb;
}
constexpr Gradient flat(std::uint32_t rrggbb)
{
    return { hex(rrggbb), hex(rrggbb) };
}
constexpr Gradient ramp(std::uint32_t from, std::uint32_t to)
{
    return { hex(from), hex(to) };
}

// clang-format off
const std::array<CheckBoxLook, kCheckBoxLookCount> kLooks = {{
    //  frame                       normal fill                       hot ring                          pressed fill                      disabled frame, fill      tick            square
    {flat(0x1C5180),               ramp(0xDDDCDA, 0xFEFFFF), ramp(0xFEF1CF, 0xF7B230), ramp(0xAFB0A8, 0xF0EFDD), hex(0xCAC8BB), hex(0xFFFFFF), hex(0x22A022), hex(0x73C271), hex(0xE7E8E0), std::nullopt},
    {ramp(0x05111C, 0x000000),     ramp(0xDADBD5, 0xFEFEFE), ramp(0xFEEDC6, 0xF5B334), ramp(0xADADA1, 0xF0EEE0), hex(0x95938A), hex(0xFFFFFF), hex(0x229E25), hex(0x71BF6F), std::nullopt,
        SunkenEdges{hex(0x7F7F7E), hex(0xC8C8C8), hex(0x0F4D0F), hex(0x549054)}},
    {flat(0x030303),               ramp(0xC4C4C4, 0xE5E5E5), ramp(0xE5E5E5, 0xDEDEDE), ramp(0x969696, 0xD7D7D7), hex(0xB1B1B1), hex(0xE6E6E6), hex(0x090909), hex(0x5A5A5A), std::nullopt, std::nullopt},
    {flat(0x0A1A77),               ramp(0xB9BCD9, 0xF2ECEA), ramp(0xE2DEE5, 0x7380C2), ramp(0x6675BE, 0xD8D6E2), hex(0x8690C9), hex(0xF2ECEA), hex(0x1E359D), hex(0x5364B7), std::nullopt, std::nullopt},
    {flat(0x69F8D4),               ramp(0x034534, 0x000101), ramp(0x023024, 0x09CF9D), ramp(0x079F78, 0x023024), hex(0x057558), hex(0x000101), hex(0x45F7CA), hex(0x08C393), std::nullopt, std::nullopt},
    {flat(0x096300),               ramp(0xBBC5B1, 0xD4D4D4), ramp(0xCCCFC7, 0x98B17F), ramp(0x8BAC70, 0xC7CCC5), hex(0xA7BB95), hex(0xD4D4D4), hex(0x367C00), hex(0x7AA259), std::nullopt, std::nullopt},
    {flat(0x3B4D5D),               ramp(0xFDD9BB, 0xFFEAD4), ramp(0xFFE1B3, 0xFFB33D), ramp(0xD0B59B, 0xDEC8AB), hex(0x8C8070), hex(0xBFB6B5), hex(0x0F550E), hex(0x707B6E), std::nullopt, std::nullopt},
    {flat(0x7100C8),               ramp(0xF27AF1, 0xFFFFFF), ramp(0xFFC3ED, 0xFC248D), ramp(0xDE21DC, 0xF9BCF2), hex(0xEA4AE5), hex(0xFFF9FF), hex(0x79117D), hex(0xBE3DBF), std::nullopt, std::nullopt},
    {flat(0xAA5309),               ramp(0x9E9D9A, 0xD3D5D5), ramp(0xD3BF88, 0xC85A88), ramp(0x555649, 0xBDBB9E), hex(0x807D68), hex(0xD5D3D5), hex(0x9E3D9E), hex(0x1D7320), std::nullopt, std::nullopt},
    {flat(0xE4CB7A),               ramp(0xFFE7A5, 0xFFCC3B), ramp(0xFFD45A, 0xFBF4E3), ramp(0xF4EFE1, 0xFFD86B), hex(0xFFF6E2), hex(0xFFCB3A), hex(0xD3CDAD), hex(0xE8E6DC), std::nullopt, std::nullopt},
    {flat(0x96072B),               ramp(0xFCBACB, 0xFFFEFE), ramp(0xFDCFDB, 0xF63062), ramp(0xF86087, 0xFDCFDB), hex(0xFA8AA7), hex(0xFFFEFE), hex(0xBA0835), hex(0xF73C6C), std::nullopt, std::nullopt},
    {flat(0x55ACF6),               ramp(0x616265, 0x2C2A2A), ramp(0x2C4077, 0x37A577), ramp(0xAAA9B6, 0x424461), hex(0x7F8297), hex(0x2A2C2A), hex(0x61C261), hex(0xE28CDF), std::nullopt, std::nullopt},
    {flat(0x72218B),               ramp(0xBEE437, 0x039F53), ramp(0x3FB64A, 0xFDA92D), ramp(0xFD7D2D, 0x55BF47), hex(0xFDDF2D), hex(0x049F53), hex(0xEB1681), hex(0xEF442D), std::nullopt, std::nullopt},
    {flat(0xFDD400),               ramp(0xFDF99B, 0xFDFDF9), ramp(0xFDFDD8, 0xFDF10B), ramp(0xFDED00, 0xFDF9D0), hex(0xFDF548), hex(0xFDFDF9), hex(0xFDDC00), hex(0xFDED00), std::nullopt, std::nullopt},
}};

// The tick, row by row: row 3 x 9; row 4 x 8-9; row 5 x 3, 7-9; row 6 x 3-4, 6-8;
// row 7 x 3-7; row 8 x 4-6; row 9 x 5.
const std::array<CellPixel, 21> kTick = {{
    {9, 3},
    {8, 4}, {9, 4},
    {3, 5}, {7, 5}, {8, 5}, {9, 5},
    {3, 6}, {4, 6}, {6, 6}, {7, 6}, {8, 6},
    {3, 7}, {4, 7}, {5, 7}, {6, 7}, {7, 7},
    {4, 8}, {5, 8}, {6, 8},
    {5, 9},
}};
// clang-format on

enum class Face { Normal = 0, Hot = 1, Pressed = 2, Disabled = 3 };
enum class Mark { None = 0, Tick = 1, Square = 2 };

constexpr int kSize = kCheckBoxCellSize;
constexpr Rect kCell { 0, 0, kSize, kSize };
constexpr Rect kInterior { 1, 1, kSize - 2, kSize - 2 };

bool isCentre(int x, int y)
{
    return kCheckBoxCentre.contains({ x, y });
}

// The part of the interior the fills cover: all of it, or for a sunken look the interior
// without its left column and bottom row.
Rect fillArea(const CheckBoxLook& look)
{
    if (!look.sunken)
        return kInterior;
    return { kInterior.x + 1, kInterior.y, kInterior.width - 1, kInterior.height - 1 };
}

void fillGradient(Surface& cell, Rect area, const Gradient& g)
{
    for (int y = area.y; y < area.y + area.height; ++y)
        for (int x = area.x; x < area.x + area.width; ++x)
            cell.setPixel(x, y, gradientAt(g, area, x, y));
}

void drawFrame(Surface& cell, const Gradient& frame)
{
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x)
            if (!kInterior.contains({ x, y }))
                cell.setPixel(x, y, gradientAt(frame, kCell, x, y));
}

void drawInnerLine(Surface& cell, Argb colour)
{
    for (int y = kInterior.y; y < kInterior.y + kInterior.height; ++y)
        cell.setPixel(kInterior.x, y, colour);
    for (int x = kInterior.x; x < kInterior.x + kInterior.width; ++x)
        cell.setPixel(x, kInterior.y + kInterior.height - 1, colour);
}

void drawHotFace(Surface& cell, const CheckBoxLook& look, Rect area)
{
    const Argb centre = look.hotCentre.value_or(mixColour(look.normalFill.from, look.normalFill.to, 0.5));
    for (int y = area.y; y < area.y + area.height; ++y)
        for (int x = area.x; x < area.x + area.width; ++x)
            cell.setPixel(x, y, isCentre(x, y) ? centre : gradientAt(look.hotRing, area, x, y));
}

// The pixels of a mark, in cell coordinates.
std::vector<CellPixel> markPixels(Mark mark)
{
    if (mark == Mark::Tick)
        return { kTick.begin(), kTick.end() };
    std::vector<CellPixel> square;
    if (mark == Mark::Square)
        for (int y = kCheckBoxCentre.y; y < kCheckBoxCentre.y + kCheckBoxCentre.height; ++y)
            for (int x = kCheckBoxCentre.x; x < kCheckBoxCentre.x + kCheckBoxCentre.width; ++x)
                square.push_back({ x, y });
    return square;
}

// A mark's shadow falls one pixel to the left, below, and to the bottom-left of every mark
// pixel, inside the filled area and never over the mark itself.
void drawShadow(Surface& cell, const std::vector<CellPixel>& mark, Rect area, Argb colour)
{
    auto inMark = [&](int x, int y) {
        for (const CellPixel& p : mark)
            if (p.x == x && p.y == y)
                return true;
        return false;
    };
    for (const CellPixel& p : mark)
        for (const CellPixel offset : { CellPixel { -1, 0 }, CellPixel { 0, 1 }, CellPixel { -1, 1 } }) {
            const int x = p.x + offset.x, y = p.y + offset.y;
            if (area.contains({ x, y }) && !inMark(x, y))
                cell.setPixel(x, y, colour);
        }
}

Surface drawCell(const CheckBoxLook& look, Face face, Mark mark)
{
    Surface cell(kSize, kSize);
    const Rect area = fillArea(look);
    const bool disabled = face == Face::Disabled;
    drawFrame(cell, disabled ? Gradient { look.disabledFrame, look.disabledFrame } : look.frame);
    if (look.sunken)
        drawInnerLine(cell, disabled ? look.sunken->disabledInnerLine : look.sunken->innerLine);
    switch (face) {
    case Face::Normal:
        fillGradient(cell, area, look.normalFill);
        break;
    case Face::Hot:
        drawHotFace(cell, look, area);
        break;
    case Face::Pressed:
        fillGradient(cell, area, look.pressedFill);
        break;
    case Face::Disabled:
        fillGradient(cell, area, { look.disabledFill, look.disabledFill });
        break;
    }
    const std::vector<CellPixel> pixels = markPixels(mark);
    if (look.sunken && !disabled && mark != Mark::None)
        drawShadow(cell, pixels, area, mark == Mark::Tick ? look.sunken->tickShadow : look.sunken->squareShadow);
    const Argb markColour = disabled ? look.disabledFrame : (mark == Mark::Tick ? look.tick : look.square);
    for (const CellPixel& p : pixels)
        cell.setPixel(p.x, p.y, markColour);
    return cell;
}

} // namespace

const CheckBoxLook& checkBoxLook(int look)
{
    return kLooks.at(static_cast<std::size_t>(look));
}

const std::array<CellPixel, 21>& checkBoxTickPixels()
{
    return kTick;
}

Argb gradientAt(const Gradient& g, Rect area, int x, int y)
{
    const int span = (area.width - 1) + (area.height - 1);
    const double t = span > 0 ? static_cast<double>((x - area.x) + (y - area.y)) / span : 0.0;
    return mixColour(g.from, g.to, t);
}

Surface makeCheckBoxStrip(int look)
{
    if (look < 0 || look >= kCheckBoxLookCount)
        return {};
    const CheckBoxLook& colours = kLooks[static_cast<std::size_t>(look)];
    Surface strip(kSize * kCheckBoxCellCount, kSize);
    for (int cell = 0; cell < kCheckBoxCellCount; ++cell) {
        const Surface face = drawCell(colours, static_cast<Face>(cell % 4), static_cast<Mark>(cell / 4));
        strip.copyFrom(face, kCell, { cell * kSize, 0 });
    }
    return strip;
}

const std::array<Surface, kCheckBoxLookCount>& checkBoxStrips()
{
    static const std::array<Surface, kCheckBoxLookCount> strips = [] {
        std::array<Surface, kCheckBoxLookCount> all;
        for (int look = 0; look < kCheckBoxLookCount; ++look)
            all[static_cast<std::size_t>(look)] = makeCheckBoxStrip(look);
        return all;
    }();
    return strips;
}

} // namespace controls
