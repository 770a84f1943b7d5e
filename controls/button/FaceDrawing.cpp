#include "controls/button/FaceDrawing.h"

#include <algorithm>

namespace controls {
namespace {

using platform::Argb;
using platform::OleColour;
using platform::Rect;
using platform::Surface;

constexpr OleColour kSysWindowFrame = 0x80000006;
constexpr Argb kRgbMask = 0x00FFFFFFu;

// The two colours of one edge line: top-left, bottom-right. Absent when the line is not drawn.
struct LineColours {
    Argb topLeft;
    Argb bottomRight;
};

std::optional<LineColours> both(OleColour c) { return LineColours{platform::toArgb(c), platform::toArgb(c)}; }
std::optional<LineColours> pair(OleColour topLeft, OleColour bottomRight)
{
    return LineColours{platform::toArgb(topLeft), platform::toArgb(bottomRight)};
}

std::optional<LineColours> outerColours(int edgeKind, int flags)
{
    const int outer = edgeKind & (edge::kRaisedOuter | edge::kSunkenOuter);
    if (outer == 0)
        return std::nullopt;
    if (flags & edge::kMono)
        return both(kSysWindowFrame);
    if (flags & edge::kFlat)
        return both(platform::kSysButtonShadow);
    if (outer == edge::kRaisedOuter)
        return pair(platform::kSysLight, platform::kSysDarkShadow);
    if (outer == edge::kSunkenOuter)
        return pair(platform::kSysButtonShadow, platform::kSysButtonHighlight);
    return std::nullopt;
}

std::optional<LineColours> innerColours(int edgeKind, int flags)
{
    const int inner = edgeKind & (edge::kRaisedInner | edge::kSunkenInner);
    if (inner == 0)
        return std::nullopt;
    if (flags & edge::kMono)
        return both(platform::kSysWindow);
    if (flags & edge::kFlat)
        return both(platform::kSysButtonFace);
    if (inner == edge::kRaisedInner)
        return pair(platform::kSysButtonHighlight, platform::kSysButtonShadow);
    if (inner == edge::kSunkenInner)
        return pair(platform::kSysDarkShadow, platform::kSysLight);
    return std::nullopt;
}

// One line of an edge on the border of R (right and bottom exclusive).
void drawLine(Surface& s, const Rect& r, int flags, const LineColours& c)
{
    if (r.width <= 0 || r.height <= 0)
        return;
    if (flags & edge::kTop)
        s.fillRect({r.x, r.y, r.width, 1}, c.topLeft);
    if (flags & edge::kLeft)
        s.fillRect({r.x, r.y, 1, r.height}, c.topLeft);
    if (flags & edge::kBottom)
        s.fillRect({r.x, r.y + r.height - 1, r.width, 1}, c.bottomRight);
    if (flags & edge::kRight)
        s.fillRect({r.x + r.width - 1, r.y, 1, r.height}, c.bottomRight);
}

Rect shrunk(Rect r, int flags, int by)
{
    if (flags & edge::kLeft) {
        r.x += by;
        r.width -= by;
    }
    if (flags & edge::kTop) {
        r.y += by;
        r.height -= by;
    }
    if (flags & edge::kRight)
        r.width -= by;
    if (flags & edge::kBottom)
        r.height -= by;
    return r;
}

void invertPixel(Surface& s, int x, int y, Argb pattern)
{
    if (((x + y) & 1) == 0)
        s.setPixel(x, y, s.pixel(x, y) ^ pattern);
}

} // namespace

void drawEdge(Surface& surface, Rect& area, int edgeKind, int flags)
{
    const auto outer = outerColours(edgeKind, flags);
    const auto inner = innerColours(edgeKind, flags);
    Rect r = area;
    if (outer) {
        drawLine(surface, r, flags, *outer);
        r = shrunk(r, flags, 1);
    }
    if (inner) {
        drawLine(surface, r, flags, *inner);
        r = shrunk(r, flags, 1);
    }
    if (flags & edge::kAdjust)
        area = r;
}

void drawFocusRect(Surface& surface, Rect area, Argb textColour, Argb backColour)
{
    if (area.width <= 0 || area.height <= 0)
        return;
    const Argb pattern = (textColour ^ backColour) & kRgbMask;
    const int right = area.x + area.width - 1;
    const int bottom = area.y + area.height - 1;
    // Four strips, as the platform paints them: the rows whole, the columns between them.
    for (int x = area.x; x <= right; ++x)
        invertPixel(surface, x, area.y, pattern);
    for (int x = area.x; x <= right; ++x)
        invertPixel(surface, x, bottom, pattern);
    for (int y = area.y + 1; y < bottom; ++y)
        invertPixel(surface, area.x, y, pattern);
    for (int y = area.y + 1; y < bottom; ++y)
        invertPixel(surface, right, y, pattern);
}

PrefixedText prefixedText(const std::string& caption)
{
    PrefixedText out;
    int codePoints = 0;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        const char c = caption[i];
        if (c == '&') {
            if (i + 1 < caption.size() && caption[i + 1] == '&') {
                out.shown += '&';
                ++codePoints;
                ++i;
            } else if (i + 1 < caption.size() && out.underline < 0) {
                out.underline = codePoints;
            }
            continue;
        }
        out.shown += c;
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80)
            ++codePoints;
    }
    return out;
}

void drawStateText(Surface& surface, const std::string& caption, platform::Point origin, const platform::FontInfo& font, Argb colour,
    bool disabled, bool rightAligned)
{
    const PrefixedText text = prefixedText(caption);
    if (text.shown.empty())
        return;
    if (rightAligned)
        origin.x += Surface::textSize(caption, font).width - Surface::textSize(text.shown, font).width;
    if (disabled) {
        surface.drawText(text.shown, {origin.x + 1, origin.y + 1}, font, platform::toArgb(platform::kSysButtonHighlight), text.underline);
        surface.drawText(text.shown, origin, font, platform::toArgb(platform::kSysButtonShadow), text.underline);
    } else {
        surface.drawText(text.shown, origin, font, colour, text.underline);
    }
}

void DrawTransparent(const Surface& source, Surface& destination, int dx, int dy, int sx, int sy, int w, int h, std::optional<Argb> key)
{
    if (source.isNull() || w <= 0 || h <= 0)
        return;
    destination.copyKeyedFrom(source, {sx, sy, w, h}, {dx, dy}, key ? *key : source.pixel(0, 0));
}

void DrawHighlightedPicture(const Surface& source, Surface& destination, Surface& tempDestination, Surface& tempHighlight, Argb colour,
    int dx, int dy, int sx, int sy, int w, int h)
{
    w = std::min(w, source.width() - sx);
    h = std::min(h, source.height() - sy);
    if (source.isNull() || sx < 0 || sy < 0 || w <= 0 || h <= 0)
        return;
    if (tempDestination.width() < w || tempDestination.height() < h)
        tempDestination.resize(std::max(w, tempDestination.width()), std::max(h, tempDestination.height()));
    if (tempHighlight.width() < w || tempHighlight.height() < h)
        tempHighlight.resize(std::max(w, tempHighlight.width()), std::max(h, tempHighlight.height()));

    const Argb key = source.pixel(0, 0) & kRgbMask;
    const Argb face = platform::toArgb(platform::kSysButtonFace);
    const Argb black = platform::rgb(0, 0, 0);
    tempHighlight.fill(colour);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const bool keyPlace = (source.pixel(sx + x, sy + y) & kRgbMask) == key;
            tempDestination.setPixel(x, y, keyPlace ? face : black);
            if (keyPlace)
                tempHighlight.setPixel(x, y, (colour ^ face) | 0xFF000000u);
            else
                destination.setPixel(dx + x, dy + y, colour);
        }
}

} // namespace controls
