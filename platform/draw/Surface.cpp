#include "platform/draw/Surface.h"

#include <algorithm>

#include <QFontMetricsF>
#include <QPainter>

#include "platform/draw/QtDraw.h"

namespace platform {

struct Surface::Impl {
    QImage image;
};

namespace {

QImage makeImage(int width, int height, Argb fill)
{
    if (width <= 0 || height <= 0)
        return {};
    QImage image(width, height, QImage::Format_ARGB32);
    image.setDotsPerMeterX(kDotsPerMetre);
    image.setDotsPerMeterY(kDotsPerMetre);
    image.fill(fill);
    return image;
}

QRect clipTo(const QRect& r, const QImage& image) { return r.intersected(image.rect()); }

} // namespace

Surface::Surface() : m_impl(std::make_unique<Impl>()) {}
Surface::Surface(int width, int height, Argb fill) : m_impl(std::make_unique<Impl>())
{
    m_impl->image = makeImage(width, height, fill);
    refresh();
}
Surface::Surface(const Surface& other) : m_impl(std::make_unique<Impl>(*other.m_impl)) { refresh(); }
Surface::Surface(Surface&& other) noexcept : m_impl(std::move(other.m_impl))
{
    other.m_impl = std::make_unique<Impl>();
    refresh();
    other.refresh();
}
Surface& Surface::operator=(const Surface& other)
{
    if (this != &other) {
        *m_impl = *other.m_impl;
        refresh();
    }
    return *this;
}
Surface& Surface::operator=(Surface&& other) noexcept
{
    std::swap(m_impl, other.m_impl);
    refresh();
    other.refresh();
    return *this;
}
Surface::~Surface() = default;

void Surface::refresh()
{
    QImage& img = m_impl->image;
    if (img.isNull()) {
        m_bits = nullptr;
        m_width = m_height = 0;
        m_stride = 0;
        return;
    }
    // bits() detaches: from here on the pixels belong to this surface alone.
    m_bits = reinterpret_cast<Argb*>(img.bits());
    m_width = img.width();
    m_height = img.height();
    m_stride = img.bytesPerLine() / 4;
}

void Surface::resize(int width, int height, Argb fill)
{
    m_impl->image = makeImage(width, height, fill);
    refresh();
}

void Surface::fill(Argb colour)
{
    if (!isNull())
        m_impl->image.fill(colour);
}

void Surface::fillRect(Rect area, Argb colour)
{
    const QRect r = clipTo(QRect(area.x, area.y, area.width, area.height), m_impl->image);
    for (int y = r.top(); y <= r.bottom(); ++y)
        std::fill(row(y) + r.left(), row(y) + r.right() + 1, colour);
}

namespace {

// The part of a copy of SRC (in SOURCE) to DEST that lies inside both surfaces.
struct Span {
    int sx, sy, dx, dy, w, h;
};

Span clipCopy(const Surface& source, Rect src, Point dest, const Surface& target)
{
    int sx = src.x, sy = src.y, dx = dest.x, dy = dest.y, w = src.width, h = src.height;
    if (sx < 0) { dx -= sx; w += sx; sx = 0; }
    if (sy < 0) { dy -= sy; h += sy; sy = 0; }
    if (dx < 0) { sx -= dx; w += dx; dx = 0; }
    if (dy < 0) { sy -= dy; h += dy; dy = 0; }
    w = std::min({w, source.width() - sx, target.width() - dx});
    h = std::min({h, source.height() - sy, target.height() - dy});
    return {sx, sy, dx, dy, std::max(0, w), std::max(0, h)};
}

} // namespace

void Surface::copyFrom(const Surface& source, Rect src, Point dest)
{
    const Span s = clipCopy(source, src, dest, *this);
    if (s.w == 0 || s.h == 0)
        return;
    if (&source == this) {
        const Surface copy(source);
        copyFrom(copy, src, dest);
        return;
    }
    for (int y = 0; y < s.h; ++y)
        std::copy_n(source.row(s.sy + y) + s.sx, s.w, row(s.dy + y) + s.dx);
}

void Surface::copyKeyedFrom(const Surface& source, Rect src, Point dest, Argb key)
{
    const Span s = clipCopy(source, src, dest, *this);
    if (s.w == 0 || s.h == 0)
        return;
    const Argb keyRgb = key & 0x00FFFFFFu;
    for (int y = 0; y < s.h; ++y) {
        const Argb* in = source.row(s.sy + y) + s.sx;
        Argb* out = row(s.dy + y) + s.dx;
        for (int x = 0; x < s.w; ++x)
            if ((in[x] & 0x00FFFFFFu) != keyRgb)
                out[x] = in[x];
    }
}

void Surface::stretchFrom(const Surface& source, Rect src, Rect dest)
{
    if (src.width <= 0 || src.height <= 0 || dest.width <= 0 || dest.height <= 0)
        return;
    for (int y = 0; y < dest.height; ++y) {
        const int ty = dest.y + y;
        const int sy = src.y + static_cast<int>((static_cast<long long>(y) * src.height) / dest.height);
        if (ty < 0 || ty >= m_height || sy < 0 || sy >= source.height())
            continue;
        const Argb* in = source.row(sy);
        Argb* out = row(ty);
        for (int x = 0; x < dest.width; ++x) {
            const int tx = dest.x + x;
            const int sx = src.x + static_cast<int>((static_cast<long long>(x) * src.width) / dest.width);
            if (tx >= 0 && tx < m_width && sx >= 0 && sx < source.width())
                out[tx] = in[sx];
        }
    }
}

void Surface::drawOver(const Surface& source, Point dest)
{
    if (isNull() || source.isNull())
        return;
    QPainter painter(&m_impl->image);
    painter.drawImage(dest.x, dest.y, source.m_impl->image);
}

void Surface::drawText(const std::string& utf8, Point origin, const FontInfo& font, Argb colour, int underline)
{
    if (isNull() || utf8.empty())
        return;
    QPainter painter(&m_impl->image);
    const QFont qf = qtFont(font);
    painter.setFont(qf);
    painter.setPen(QColor::fromRgba(colour));
    const QString text = qs(utf8);
    const QFontMetricsF metrics(qf, &m_impl->image);
    painter.drawText(QPointF(origin.x, origin.y + metrics.ascent()), text);
    if (underline < 0)
        return;
    const QList<uint> codePoints = text.toUcs4();
    if (underline >= codePoints.size())
        return;
    const QString before = QString::fromUcs4(reinterpret_cast<const char32_t*>(codePoints.constData()), underline);
    const QString ch = QString::fromUcs4(reinterpret_cast<const char32_t*>(codePoints.constData()) + underline, 1);
    const double x0 = origin.x + metrics.horizontalAdvance(before);
    const double w = metrics.horizontalAdvance(ch);
    const int lineY = origin.y + static_cast<int>(metrics.ascent() + metrics.underlinePos());
    const int thickness = std::max(1, static_cast<int>(metrics.lineWidth()));
    painter.end();
    fillRect({static_cast<int>(x0), lineY, std::max(1, static_cast<int>(w + 0.5)), thickness}, colour);
}

Size Surface::textSize(const std::string& utf8, const FontInfo& font)
{
    static QImage device = makeImage(1, 1, 0);
    const QFontMetricsF metrics(qtFont(font), &device);
    return {static_cast<int>(metrics.horizontalAdvance(qs(utf8)) + 0.5), static_cast<int>(metrics.height() + 0.5)};
}

Result<Surface> Surface::load(const std::string& path)
{
    QImage image;
    if (!image.load(qs(path)))
        return Error{Error::Code::Unreadable, "cannot read the image \"" + path + "\""};
    return surfaceFromImage(image);
}

Status Surface::savePng(const std::string& path) const
{
    if (isNull() || !m_impl->image.save(qs(path), "PNG"))
        return Error{Error::Code::WriteFailed, "cannot write the image \"" + path + "\""};
    return success();
}

bool Surface::operator==(const Surface& other) const { return m_impl->image == other.m_impl->image; }

void* Surface::nativeImage() { return &m_impl->image; }
const void* Surface::nativeImage() const { return &m_impl->image; }

QImage& imageOf(Surface& surface) { return *static_cast<QImage*>(surface.nativeImage()); }
const QImage& imageOf(const Surface& surface) { return *static_cast<const QImage*>(surface.nativeImage()); }

Surface surfaceFromImage(const QImage& image)
{
    Surface s;
    QImage& target = imageOf(s);
    target = image.convertToFormat(QImage::Format_ARGB32);
    target.setDotsPerMeterX(kDotsPerMetre);
    target.setDotsPerMeterY(kDotsPerMetre);
    s.adopt();
    return s;
}

} // namespace platform
