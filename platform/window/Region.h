#pragma once

#include "platform/draw/Surface.h"

#include <vector>

namespace platform {

// A set of pixels, kept as horizontal runs per row, for a window's outline. Built from
// rectangles, rounded rectangles and ellipses with the window system's rules: the right and
// bottom edges are exclusive, and a rounded rectangle's corners are quarter ellipses of the
// given width and height.
class Region {
public:
    struct Run {
        int y;
        int x0; // first pixel
        int x1; // one past the last pixel
        bool operator==(const Run&) const = default;
    };

    static Region rect(int left, int top, int right, int bottom);
    static Region roundRect(int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight);
    static Region ellipse(int left, int top, int right, int bottom);

    Region united(const Region& other) const;
    Region subtracted(const Region& other) const;

    bool contains(Point p) const;
    bool isEmpty() const { return m_runs.empty(); }
    const std::vector<Run>& runs() const { return m_runs; } // sorted by y, then x
    Rect bounds() const;
    bool operator==(const Region&) const = default;

private:
    static Region fromRows(int top, const std::vector<std::pair<int, int>>& rows);
    std::vector<Run> m_runs;
};

} // namespace platform
