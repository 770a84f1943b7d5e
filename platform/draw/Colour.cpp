#include "platform/draw/Colour.h"

namespace platform {

Argb toArgb(OleColour colour)
{
    if (!isSystemColour(colour))
        return rgb(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF), static_cast<int>((colour >> 16) & 0xFF));
    switch (colour & 0xFF) {
    case 0x00: return rgb(212, 208, 200); // scroll bar
    case 0x01: return rgb(0, 78, 152);    // desktop
    case 0x02: return rgb(0, 84, 227);    // active caption
    case 0x03: return rgb(122, 150, 223); // inactive caption
    case 0x04: return rgb(255, 255, 255); // menu
    case 0x05: return rgb(255, 255, 255); // window background
    case 0x06: return rgb(0, 0, 0);       // window frame
    case 0x07: return rgb(0, 0, 0);       // menu text
    case 0x08: return rgb(0, 0, 0);       // window text
    case 0x09: return rgb(255, 255, 255); // caption text
    case 0x0A: return rgb(212, 208, 200); // active border
    case 0x0B: return rgb(212, 208, 200); // inactive border
    case 0x0C: return rgb(128, 128, 128); // application workspace
    case 0x0D: return rgb(49, 106, 197);  // highlight
    case 0x0E: return rgb(255, 255, 255); // highlight text
    case 0x0F: return rgb(236, 233, 216); // button face
    case 0x10: return rgb(172, 168, 153); // button shadow
    case 0x11: return rgb(172, 168, 153); // grey text
    case 0x12: return rgb(0, 0, 0);       // button text
    case 0x13: return rgb(216, 228, 248); // inactive caption text
    case 0x14: return rgb(255, 255, 255); // button highlight
    case 0x15: return rgb(113, 111, 100); // 3-D dark shadow
    case 0x16: return rgb(241, 239, 226); // 3-D light
    case 0x17: return rgb(0, 0, 0);       // tool tip text
    case 0x18: return rgb(255, 255, 225); // tool tip background
    default: return rgb(0, 0, 0);
    }
}

} // namespace platform
