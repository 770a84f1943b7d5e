#pragma once

#include <cstdint>

namespace platform {

// A pixel colour as stored on a Surface: 0xAARRGGBB, alpha 0xFF for opaque.
using Argb = std::uint32_t;

constexpr Argb rgb(int r, int g, int b)
{
    return 0xFF000000u | (static_cast<Argb>(r & 0xFF) << 16) | (static_cast<Argb>(g & 0xFF) << 8) | static_cast<Argb>(b & 0xFF);
}
constexpr int red(Argb c) { return static_cast<int>((c >> 16) & 0xFF); }
constexpr int green(Argb c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int blue(Argb c) { return static_cast<int>(c & 0xFF); }

// A colour as the controls' properties hold it: 0x00BBGGRR (red in the lowest byte), or
// 0x800000nn for the system colour number nn.
using OleColour = std::uint32_t;

// Stored control properties keep a colour as a signed Long, system colours negative.
constexpr std::int32_t storedColour(OleColour c) { return static_cast<std::int32_t>(c); }
constexpr OleColour colourFromStored(std::int32_t stored) { return static_cast<OleColour>(stored); }

constexpr OleColour kSysWindow = 0x80000005;
constexpr OleColour kSysWindowText = 0x80000008;
constexpr OleColour kSysButtonFace = 0x8000000F;
constexpr OleColour kSysButtonShadow = 0x80000010;
constexpr OleColour kSysGrayText = 0x80000011;
constexpr OleColour kSysButtonText = 0x80000012;
constexpr OleColour kSysButtonHighlight = 0x80000014;
constexpr OleColour kSysDarkShadow = 0x80000015;
constexpr OleColour kSysLight = 0x80000016;

constexpr bool isSystemColour(OleColour c) { return (c & 0xFF000000u) == 0x80000000u; }

// The opaque pixel colour of an OleColour. System colours resolve to this program's fixed
// palette (the classic XP scheme), so pictures are the same on every machine.
Argb toArgb(OleColour colour);

// The OleColour of an opaque pixel colour (alpha dropped).
constexpr OleColour toOle(Argb c)
{
    return static_cast<OleColour>(red(c)) | (static_cast<OleColour>(green(c)) << 8) | (static_cast<OleColour>(blue(c)) << 16);
}

} // namespace platform
