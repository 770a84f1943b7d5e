#pragma once

// Pixel routines of the button face: 3-D edges, the dotted focus rectangle, captions with an
// access-key marker, and the two keyed copies (transparent and silhouette). They work on any
// Surface and keep no state; callers pass every colour already resolved to pixels.

#include "platform/draw/Colour.h"
#include "platform/draw/FontInfo.h"
#include "platform/draw/Surface.h"

#include <optional>
#include <string>

namespace controls {

// Edge kinds and side flags, with their standard values. An edge has an outer and an inner
// line; each is raised or sunken.
namespace edge {
constexpr int kRaisedOuter = 0x0001;
constexpr int kSunkenOuter = 0x0002;
constexpr int kRaisedInner = 0x0004;
constexpr int kSunkenInner = 0x0008;
constexpr int kRaised = kRaisedOuter | kRaisedInner; // 0x0005
constexpr int kSunken = kSunkenOuter | kSunkenInner; // 0x000A

constexpr int kLeft = 0x0001;
constexpr int kTop = 0x0002;
constexpr int kRight = 0x0004;
constexpr int kBottom = 0x0008;
constexpr int kRect = 0x000F;
constexpr int kAdjust = 0x2000; // shrink the rectangle by the lines drawn
constexpr int kFlat = 0x4000;   // outer line in button shadow, inner in button face, on all sides
constexpr int kMono = 0x8000;   // outer line in the window frame colour, inner in window colour
} // namespace edge

// Draws the edge on the sides of AREA that FLAGS names. Each line is one pixel: the outer on
// AREA's border, the inner one pixel further in. Top and left take the line's top-left
// colour; bottom and right take its bottom-right colour and are drawn last, so they own the
// top-right and bottom-left corners. 3-D colours: raised outer 3-D light / dark shadow,
// raised inner highlight / shadow, sunken outer shadow / highlight, sunken inner dark shadow /
// 3-D light; a line marked both raised and sunken is not drawn in 3-D. With kAdjust, AREA
// shrinks on each named side by the number of lines drawn there.
void drawEdge(platform::Surface& surface, platform::Rect& area, int edgeKind, int flags);

// The dotted focus rectangle on AREA's border: the border pixels of one colour of a
// checkerboard aligned on the surface's origin ((x + y) even) are inverted against
// (BACK XOR TEXT), so on a face of the background colour drawn with a black text colour the
// dots come out black. Drawing it twice removes it.
void drawFocusRect(platform::Surface& surface, platform::Rect area, platform::Argb textColour, platform::Argb backColour);

// A caption as shown: "&&" becomes "&", a single "&" is dropped and marks the character after
// it. The first marked character is underlined, the one the access key takes; UNDERLINE
// counts code points of SHOWN, -1 when nothing is marked.
struct PrefixedText {
    std::string shown;
    int underline = -1;
    bool operator==(const PrefixedText&) const = default;
};
PrefixedText prefixedText(const std::string& caption);

// Draws CAPTION as prefixed text with its top-left at ORIGIN. The box it is laid out in is
// as wide as the raw caption (ampersands included); RIGHT_ALIGNED puts the shown text at the
// box's right end instead of its left. DISABLED embosses it: the text in the 3-D highlight
// colour one pixel down and right, then in the shadow colour at ORIGIN; COLOUR is then unused.
void drawStateText(platform::Surface& surface, const std::string& caption, platform::Point origin, const platform::FontInfo& font,
    platform::Argb colour, bool disabled, bool rightAligned);

// Copies SOURCE's area (sx, sy, w, h) to DESTINATION at (dx, dy), leaving out every pixel
// whose colour equals KEY (alpha ignored); without a KEY, the key is SOURCE's pixel (0, 0).
void DrawTransparent(const platform::Surface& source, platform::Surface& destination, int dx, int dy, int sx, int sy, int w, int h,
    std::optional<platform::Argb> key);

// Paints COLOUR at (dx, dy) + offset for every pixel of SOURCE's area (sx, sy, w, h), cut to
// SOURCE, whose colour differs from SOURCE's pixel (0, 0): the area's silhouette. The two scratch surfaces
// grow to w × h when smaller; TEMP_HIGHLIGHT is left holding the silhouette (COLOUR on the
// figure, COLOUR XOR button face elsewhere), TEMP_DESTINATION the two-colour image of the area
// (button face on key places, black on the figure).
void DrawHighlightedPicture(const platform::Surface& source, platform::Surface& destination, platform::Surface& tempDestination,
    platform::Surface& tempHighlight, platform::Argb colour, int dx, int dy, int sx, int sy, int w, int h);

} // namespace controls
