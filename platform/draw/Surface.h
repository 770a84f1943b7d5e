#pragma once

#include "platform/core/Result.h"
#include "platform/draw/Colour.h"
#include "platform/draw/FontSpec.h"

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

    int width() const;
    int height() const;
    Size size() const { return {width(), height()}; }
    bool isNull() const;

    // Discards the content: the new surface is all FILL.
    void resize(int width, int height, Argb fill = rgb(255, 255, 255));

    Argb pixel(int x, int y) const; // 0 outside the surface
    void setPixel(int x, int y, Argb colour);
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
    void drawText(const std::string& utf8, Point origin, const FontSpec& font, Argb colour, int underline = -1);
    // The size one line of text takes in FONT, in pixels (advance width, line height).
    static Size textSize(const std::string& utf8, const FontSpec& font);

    static Result<Surface> load(const std::string& path);
    Status savePng(const std::string& path) const;

    bool operator==(const Surface& other) const; // same size and pixels

    // For platform code: the QImage behind the surface.
    void* nativeImage();
    const void* nativeImage() const;

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};

} // namespace platform
