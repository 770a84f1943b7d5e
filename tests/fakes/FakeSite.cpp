#include "tests/fakes/FakeSite.h"

namespace fakes {

void FakeSite::host(platform::HostedControl& control, int widthPx, int heightPx)
{
    m_control = &control;
    control.setSite(this);
    resize(widthPx, heightPx);
}

void FakeSite::resize(int widthPx, int heightPx)
{
    widthTwips = widthPx * 15;
    heightTwips = heightPx * 15;
    if (m_control)
        m_control->resized(widthPx, heightPx);
}

void FakeSite::setSizeTwips(int width, int height)
{
    // Like a container, the size is kept in whole pixels; a resize is reported only on change.
    const int wPx = (width + 7) / 15, hPx = (height + 7) / 15;
    if (wPx == widthPx() && hPx == heightPx())
        return;
    resize(wPx, hPx);
}

void FakeSite::setShape(const platform::Surface* mask, platform::Argb key)
{
    if (mask) {
        shapeMask = *mask;
        shapeKey = key;
    } else {
        shapeMask.reset();
    }
}

void FakeSite::setFocus()
{
    ++focusRequests;
    if (m_control)
        m_control->gotFocus();
}

bool FakeSite::hitTest(platform::Point p) const
{
    if (p.x < 0 || p.y < 0 || p.x >= widthPx() || p.y >= heightPx())
        return false;
    if (!shapeMask)
        return true;
    if (p.x >= shapeMask->width() || p.y >= shapeMask->height())
        return false;
    return (shapeMask->pixel(p.x, p.y) & 0x00FFFFFFu) != (shapeKey & 0x00FFFFFFu);
}

} // namespace fakes
