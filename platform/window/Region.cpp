#include "platform/window/Region.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace platform {
namespace {

using Spans = std::map<int, std::vector<std::pair<int, int>>>; // y -> sorted, disjoint [x0, x1)

Spans spansOf(const std::vector<Region::Run>& runs)
{
    Spans s;
    for (const auto& r : runs)
        s[r.y].push_back({r.x0, r.x1});
    return s;
}

std::vector<std::pair<int, int>> normalise(std::vector<std::pair<int, int>> v)
{
    std::sort(v.begin(), v.end());
    std::vector<std::pair<int, int>> out;
    for (auto [a, b] : v) {
        if (b <= a)
            continue;
        if (!out.empty() && a <= out.back().second)
            out.back().second = std::max(out.back().second, b);
        else
            out.push_back({a, b});
    }
    return out;
}

std::vector<std::pair<int, int>> minus(const std::vector<std::pair<int, int>>& a, const std::vector<std::pair<int, int>>& b)
{
    std::vector<std::pair<int, int>> out;
    for (auto [x0, x1] : a) {
        int start = x0;
        for (auto [c0, c1] : b) {
            if (c1 <= start || c0 >= x1)
                continue;
            if (c0 > start)
                out.push_back({start, c0});
            start = std::max(start, c1);
        }
        if (start < x1)
            out.push_back({start, x1});
    }
    return out;
}

// Half-width of an ellipse of width W and height H at row Y (0..H-1), measured at pixel centres.
double halfWidthAt(double w, double h, int y)
{
    const double ry = h / 2.0, rx = w / 2.0;
    const double dy = (y + 0.5) - ry;
    const double t = 1.0 - (dy * dy) / (ry * ry);
    return t <= 0 ? 0 : rx * std::sqrt(t);
}

} // namespace

Region Region::fromRows(int top, const std::vector<std::pair<int, int>>& rows)
{
    Region r;
    for (size_t i = 0; i < rows.size(); ++i)
        if (rows[i].second > rows[i].first)
            r.m_runs.push_back({top + static_cast<int>(i), rows[i].first, rows[i].second});
    return r;
}

Region Region::rect(int left, int top, int right, int bottom)
{
    std::vector<std::pair<int, int>> rows;
    for (int y = top; y < bottom; ++y)
        rows.push_back({left, right});
    return fromRows(top, rows);
}

Region Region::roundRect(int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight)
{
    const int w = right - left, h = bottom - top;
    const int ew = std::min(ellipseWidth, w), eh = std::min(ellipseHeight, h);
    std::vector<std::pair<int, int>> rows;
    for (int y = 0; y < h; ++y) {
        int inset = 0;
        int ey = -1;
        if (y < eh / 2)
            ey = y;
        else if (y >= h - eh / 2)
            ey = eh - (h - y);
        if (ey >= 0 && ew > 0 && eh > 0)
            inset = static_cast<int>(std::lround(ew / 2.0 - halfWidthAt(ew, eh, ey)));
        rows.push_back({left + inset, right - inset});
    }
    return fromRows(top, rows);
}

Region Region::ellipse(int left, int top, int right, int bottom)
{
    const int w = right - left, h = bottom - top;
    std::vector<std::pair<int, int>> rows;
    for (int y = 0; y < h; ++y) {
        const double hw = halfWidthAt(w, h, y);
        const int inset = static_cast<int>(std::lround(w / 2.0 - hw));
        rows.push_back({left + inset, right - inset});
    }
    return fromRows(top, rows);
}

Region Region::united(const Region& other) const
{
    Spans a = spansOf(m_runs);
    for (const auto& r : other.m_runs)
        a[r.y].push_back({r.x0, r.x1});
    Region out;
    for (auto& [y, v] : a)
        for (auto [x0, x1] : normalise(v))
            out.m_runs.push_back({y, x0, x1});
    return out;
}

Region Region::subtracted(const Region& other) const
{
    const Spans a = spansOf(m_runs), b = spansOf(other.m_runs);
    Region out;
    for (const auto& [y, v] : a) {
        auto it = b.find(y);
        const auto rest = it == b.end() ? v : minus(v, normalise(it->second));
        for (auto [x0, x1] : rest)
            out.m_runs.push_back({y, x0, x1});
    }
    return out;
}

bool Region::contains(Point p) const
{
    for (const auto& r : m_runs)
        if (r.y == p.y && p.x >= r.x0 && p.x < r.x1)
            return true;
    return false;
}

Rect Region::bounds() const
{
    if (m_runs.empty())
        return {};
    int x0 = m_runs.front().x0, x1 = m_runs.front().x1, y0 = m_runs.front().y, y1 = m_runs.front().y;
    for (const auto& r : m_runs) {
        x0 = std::min(x0, r.x0);
        x1 = std::max(x1, r.x1);
        y0 = std::min(y0, r.y);
        y1 = std::max(y1, r.y);
    }
    return {x0, y0, x1 - x0, y1 - y0 + 1};
}

} // namespace platform
