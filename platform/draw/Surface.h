#pragma once

#include "platform/core/Result.h"
#include "platform/draw/Colour.h"
#include "platform/draw/FontInfo.h"

#include <memory>
#include <string>

namespace platform {

struct Point {
    int x = 0;
    int y = 0;
    bool operator==(const Point&) const = default;
};

struct Size {
    int width = 0;
    int height = 0;
    bool operator==(const Size&) const = default;
};

struct Rect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool operator==(const Rect&) const = default;
    bool contains(Point p) const { return p.x >= x && p.y >= y && p.x < x + width && p.y < y + height; }
};

// A pixel buffer that controls draw on and tests read: width × height pixels of 0xAARRGGBB,
// origin top-left, at 96 dots per inch (a 9-point font is 12 pixels high). Copies are deep.
// Every operation clips to the surface; nothing here blends except text, which is drawn
// anti-aliased over what is there.
class Surface {
public:
    Surface();
    Surface(int width, int height, Argb fill = rgb(255, 255, 255));
    Surface(const Surface& other);
    Surface(Surface&& other) noexcept;
    Surface& operator=(const Surface& other);
    Surface& operator=(Surface&& other) noexcept;
    ~Surface();

    int width() const { return m_width; }
    int height() const { return m_height; }
    Size size() const { return {width(), height()}; }
    bool isNull() const { return m_bits == nullptr; }

    // Discards the content: the new surface is all FILL.
    void resize(int width, int height, Argb fill = rgb(255, 255, 255));

    Argb pixel(int x, int y) const // 0 outside the surface
    {
        return contains(x, y) ? m_bits[static_cast<long>(y) * m_stride + x] : 0;
    }
    void setPixel(int x, int y, Argb colour)
    {
        if (contains(x, y))
            m_bits[static_cast<long>(y) * m_stride + x] = colour;
    }
    // The pixels of row Y (width() of them); Y must lie inside the surface.
    const Argb* row(int y) const { return m_bits + static_cast<long>(y) * m_stride; }
    Argb* row(int y) { return m_bits + static_cast<long>(y) * m_stride; }
    void fill(Argb colour);
    void fillRect(Rect area, Argb colour);

    // Copies SOURCE's area SRC to DEST (top-left) unchanged, alpha included.
    void copyFrom(const Surface& source, Rect src, Point dest);
    // Copies SOURCE's area SRC to DEST (top-left), leaving out every pixel whose colour
    // (alpha ignored) equals KEY: the destination keeps its pixels there.
    void copyKeyedFrom(const Surface& source, Rect src, Point dest, Argb key);
    // Stretches or squeezes SOURCE's area SRC onto the area DEST, nearest pixel, no smoothing.
    void stretchFrom(const Surface& source, Rect src, Rect dest);
    // Draws SOURCE whole at DEST, alpha-blended over what is there.
    void drawOver(const Surface& source, Point dest);

    // Draws one line of UTF-8 text with its top-left corner at ORIGIN. When UNDERLINE is a
    // character index (in code points) that character is underlined, as an access key is.
    void drawText(const std::string& utf8, Point origin, const FontInfo& font, Argb colour, int underline = -1);
    // The size one line of text takes in FONT, in pixels (advance width, line height).
    static Size textSize(const std::string& utf8, const FontInfo& font);

    static Result<Surface> load(const std::string& path);
    Status savePng(const std::string& path) const;

    bool operator==(const Surface& other) const; // same size and pixels

    // For platform code: the QImage behind the surface. Whoever replaces the image through it
    // must call adopt() afterwards.
    void* nativeImage();
    const void* nativeImage() const;
    void adopt() { refresh(); }

private:
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < m_width && y < m_height; }
    // Takes the pixel pointer and sizes from the image again (after it was replaced).
    void refresh();

    struct Impl;
    std::unique_ptr<Impl> m_impl;
    Argb* m_bits = nullptr; // the image's own pixels: the surface never shares them
    int m_width = 0;
    int m_height = 0;
    long m_stride = 0; // pixels per row
};

} // namespace platform
