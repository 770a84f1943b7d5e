#include "platform/draw/Surface.h"

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
Surface::Surface(int width, int height, Argb fill) : m_impl(std::make_unique<Impl>()) { m_impl->image = makeImage(width, height, fill); }
Surface::Surface(const Surface& other) : m_impl(std::make_unique<Impl>(*other.m_impl)) {}
Surface::Surface(Surface&& other) noexcept : m_impl(std::move(other.m_impl)) { other.m_impl = std::make_unique<Impl>(); }
Surface& Surface::operator=(const Surface& other)
{
    if (this != &other)
        *m_impl = *other.m_impl;
    return *this;
}
Surface& Surface::operator=(Surface&& other) noexcept
{
    std::swap(m_impl, other.m_impl);
    return *this;
}
Surface::~Surface() = default;

int Surface::width() const { return m_impl->image.width(); }
int Surface::height() const { return m_impl->image.height(); }
bool Surface::isNull() const { return m_impl->image.isNull(); }

void Surface::resize(int width, int height, Argb fill) { m_impl->image = makeImage(width, height, fill); }

Argb Surface::pixel(int x, int y) const
{
    const QImage& img = m_impl->image;
    if (x < 0 || y < 0 || x >= img.width() || y >= img.height())
        return 0;
    return reinterpret_cast<const QRgb*>(img.constScanLine(y))[x];
}

void Surface::setPixel(int x, int y, Argb colour)
{
    QImage& img = m_impl->image;
    if (x < 0 || y < 0 || x >= img.width() || y >= img.height())
        return;
    reinterpret_cast<QRgb*>(img.scanLine(y))[x] = colour;
}

void Surface::fill(Argb colour)
{
    if (!isNull())
        m_impl->image.fill(colour);
}

void Surface::fillRect(Rect area, Argb colour)
{
    QImage& img = m_impl->image;
    const QRect r = clipTo(QRect(area.x, area.y, area.width, area.height), img);
    for (int y = r.top(); y <= r.bottom(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = r.left(); x <= r.right(); ++x)
            line[x] = colour;
    }
}

void Surface::copyFrom(const Surface& source, Rect src, Point dest)
{
    for (int y = 0; y < src.height; ++y)
        for (int x = 0; x < src.width; ++x) {
            const int sx = src.x + x, sy = src.y + y;
            if (sx < 0 || sy < 0 || sx >= source.width() || sy >= source.height())
                continue;
            setPixel(dest.x + x, dest.y + y, source.pixel(sx, sy));
        }
}

void Surface::copyKeyedFrom(const Surface& source, Rect src, Point dest, Argb key)
{
    const Argb keyRgb = key & 0x00FFFFFFu;
    for (int y = 0; y < src.height; ++y)
        for (int x = 0; x < src.width; ++x) {
            const int sx = src.x + x, sy = src.y + y;
            if (sx < 0 || sy < 0 || sx >= source.width() || sy >= source.height())
                continue;
            const Argb c = source.pixel(sx, sy);
            if ((c & 0x00FFFFFFu) != keyRgb)
                setPixel(dest.x + x, dest.y + y, c);
        }
}

void Surface::stretchFrom(const Surface& source, Rect src, Rect dest)
{
    if (src.width <= 0 || src.height <= 0 || dest.width <= 0 || dest.height <= 0)
        return;
    for (int y = 0; y < dest.height; ++y) {
        const int sy = src.y + static_cast<int>((static_cast<long long>(y) * src.height) / dest.height);
        for (int x = 0; x < dest.width; ++x) {
            const int sx = src.x + static_cast<int>((static_cast<long long>(x) * src.width) / dest.width);
            if (sx < 0 || sy < 0 || sx >= source.width() || sy >= source.height())
                continue;
            setPixel(dest.x + x, dest.y + y, source.pixel(sx, sy));
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

void Surface::drawText(const std::string& utf8, Point origin, const FontSpec& font, Argb colour, int underline)
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

Size Surface::textSize(const std::string& utf8, const FontSpec& font)
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
    return s;
}

} // namespace platform
