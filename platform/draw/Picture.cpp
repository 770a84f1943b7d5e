#include "platform/draw/Picture.h"

namespace platform {

Picture Picture::empty()
{
    Picture p;
    p.m_kind = Kind::Empty;
    return p;
}

Picture Picture::fromSurface(Surface surface)
{
    Picture p;
    if (surface.isNull())
        return empty();
    p.m_kind = Kind::Image;
    p.m_widthHimetric = pixelsToHimetric(surface.width());
    p.m_heightHimetric = pixelsToHimetric(surface.height());
    p.m_image = std::make_shared<const Surface>(std::move(surface));
    return p;
}

Picture Picture::cursor(Surface surface, Point hotSpot)
{
    Picture p = fromSurface(std::move(surface));
    p.m_isCursor = p.hasImage();
    p.m_hotSpot = hotSpot;
    return p;
}

const Surface& Picture::image() const
{
    static const Surface none;
    return m_image ? *m_image : none;
}

} // namespace platform
