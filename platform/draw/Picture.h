#pragma once

#include "platform/draw/Surface.h"

#include <memory>

namespace platform {

// A picture property's value: absent (no picture object), empty (a picture object without
// an image, what a new control instance gets) or an image with its size in HIMETRIC
// (0.01 mm). Cursors also carry their hot spot. Pictures are shared, immutable references.
class Picture {
public:
    enum class Kind { Absent, Empty, Image };

    static Picture absent() { return Picture(); }
    static Picture empty();
    // An image of SURFACE's pixels; its HIMETRIC size is the pixel size at 96 dpi.
    static Picture fromSurface(Surface surface);
    static Picture cursor(Surface surface, Point hotSpot);

    Kind kind() const { return m_kind; }
    bool isSet() const { return m_kind != Kind::Absent; } // "set" means not absent
    bool hasImage() const { return m_kind == Kind::Image; }
    // The image; an empty surface unless hasImage().
    const Surface& image() const;
    int widthHimetric() const { return m_widthHimetric; }
    int heightHimetric() const { return m_heightHimetric; }
    bool isCursor() const { return m_isCursor; }
    Point hotSpot() const { return m_hotSpot; }

    // Same kind and the very same image object.
    bool operator==(const Picture& other) const
    {
        return m_kind == other.m_kind && m_image == other.m_image;
    }

    // Pixels to HIMETRIC at 96 dpi: 2540 / 96 per pixel, rounded.
    static int pixelsToHimetric(int pixels) { return static_cast<int>((pixels * 2540LL + 48) / 96); }

private:
    Kind m_kind = Kind::Absent;
    std::shared_ptr<const Surface> m_image;
    int m_widthHimetric = 0;
    int m_heightHimetric = 0;
    bool m_isCursor = false;
    Point m_hotSpot;
};

} // namespace platform
