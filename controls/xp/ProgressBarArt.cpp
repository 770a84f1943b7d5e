#include "controls/xp/ProgressBarArt.h"

#include <algorithm>
#include <cmath>

namespace controls {
namespace {

using platform::Argb;
using platform::Surface;

void paintCorner(Surface& image, int left, int top, const ProgressBarArt::Corner& corner)
{
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 3; ++x)
            image.setPixel(left + x, top + y, ProgressBarArt::argb(corner[y][x]));
}

int channel(std::uint32_t rrggbb, int shift) { return static_cast<int>((rrggbb >> shift) & 0xFF); }

// Row 5 of a pale image at COLUMN: linear from LEFT (column 0) to RIGHT (column 7).
int row5Channel(std::uint32_t left, std::uint32_t right, int column, int shift)
{
    const double t = static_cast<double>(column) / (ProgressBarArt::kBlockWidth - 1);
    const double v = channel(left, shift) + (channel(right, shift) - channel(left, shift)) * t;
    return static_cast<int>(std::lround(v));
}

// One channel of a pale image's pixel: the column's row-5 value, shaded like image 2's row.
int paleChannel(int row5, int fullRow, int fullRow5)
{
    if (fullRow5 == 255)
        return row5; // image 2 has no depth in this channel to scale
    const double depth = (255.0 - row5) * (255.0 - fullRow) / (255.0 - fullRow5);
    return std::clamp(static_cast<int>(std::lround(255.0 - depth)), 0, 255);
}

Surface paleImage(const ProgressBarArt::Look& look, std::uint32_t left, std::uint32_t right)
{
    Surface image(ProgressBarArt::kBlockWidth, ProgressBarArt::kBlockHeight);
    for (int x = 0; x < ProgressBarArt::kBlockWidth; ++x)
        for (int y = 0; y < ProgressBarArt::kBlockHeight; ++y) {
            int rgb[3];
            for (int i = 0; i < 3; ++i) {
                const int shift = 16 - 8 * i;
                rgb[i] = paleChannel(row5Channel(left, right, x, shift), channel(look.fullRows[y], shift),
                                     channel(look.fullRows[5], shift));
            }
            image.setPixel(x, y, platform::rgb(rgb[0], rgb[1], rgb[2]));
        }
    return image;
}

Surface fullImage(const ProgressBarArt::Look& look)
{
    Surface image(ProgressBarArt::kBlockWidth, ProgressBarArt::kBlockHeight);
    for (int y = 0; y < ProgressBarArt::kBlockHeight; ++y)
        image.fillRect({0, y, ProgressBarArt::kBlockWidth, 1}, ProgressBarArt::argb(look.fullRows[y]));
    return image;
}

Surface makeFrame()
{
    using A = ProgressBarArt;
    const int w = A::kFrameWidth, h = A::kFrameHeight;
    Surface image(w, h, A::argb(A::kInside));
    // Top, then left and right, then bottom; the corners are laid over the line ends.
    const std::uint32_t topLines[3] = {A::kFrameOuter, A::kFrameSecond, A::kFrameThird};
    for (int i = 0; i < 3; ++i) {
        image.fillRect({0, i, w, 1}, A::argb(topLines[i]));
        image.fillRect({i, 0, 1, h}, A::argb(topLines[i]));
        image.fillRect({w - 1 - i, 0, 1, h}, A::argb(topLines[i]));
    }
    // Along the bottom the image's middle keeps its top row white: the bar's inside is
    // stretched from rows 4-10 and must come out white. The bottom edge is stretched from
    // column 3, which carries all three rows (the same is drawn at column 55 for symmetry).
    image.fillRect({3, h - 1, w - 6, 1}, A::argb(A::kFrameOuter));
    image.fillRect({3, h - 2, w - 6, 1}, A::argb(A::kFrameThird));
    image.setPixel(3, h - 3, A::argb(A::kFrameThird));
    image.setPixel(w - 4, h - 3, A::argb(A::kFrameThird));
    paintCorner(image, 0, 0, A::kTopLeft);
    paintCorner(image, w - 3, 0, A::kTopRight);
    paintCorner(image, 0, h - 3, A::kBottomLeft);
    paintCorner(image, w - 3, h - 3, A::kBottomRight);
    return image;
}

} // namespace

Surface ProgressBarArt::frame()
{
    static const Surface image = makeFrame();
    return image;
}

Surface ProgressBarArt::blank()
{
    return Surface(kBlockWidth, kBlockHeight, argb(kInside));
}

std::array<Surface, 3> ProgressBarArt::look(int look)
{
    static const std::array<std::array<Surface, 3>, kLookCount> all = [] {
        std::array<std::array<Surface, 3>, kLookCount> sets;
        for (int i = 0; i < kLookCount; ++i) {
            const Look& l = kLooks[static_cast<std::size_t>(i)];
            sets[static_cast<std::size_t>(i)] = {paleImage(l, l.image0Left, l.image0Right),
                                                 paleImage(l, l.image1Left, l.image1Right), fullImage(l)};
        }
        return sets;
    }();
    return all[static_cast<std::size_t>(std::clamp(look, 0, kLookCount - 1))];
}

} // namespace controls
