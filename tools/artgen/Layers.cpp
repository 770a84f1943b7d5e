#include "Layers.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

#include <functional>
#include <map>

#include "ArtSource.h"
#include "ButtonFace.h"
#include "Symbols.h"

namespace artgen {
namespace {

using Op = std::function<void(QPainter&, const ArtSource&, const QJsonObject&)>;

QFont fontOf(const ArtSource& source, const QJsonObject& layer)
{
    return source.font(textOf(layer, "font", QStringLiteral("zh")), numberOf(layer, "size", 12), layer.value(QStringLiteral("bold")).toBool());
}

QPen penOf(const ArtSource& source, const QJsonObject& layer, const char* colourKey, const char* widthKey)
{
    QPen pen(source.colour(layer.value(QLatin1String(colourKey))), numberOf(layer, widthKey, 1));
    pen.setCapStyle(Qt::FlatCap);
    return pen;
}

QPainterPath roundedRect(const QRectF& r, double radius)
{
    QPainterPath path;
    if (radius > 0)
        path.addRoundedRect(r, radius, radius);
    else
        path.addRect(r);
    return path;
}

// A soft drop shadow: a few widening outlines of falling strength under the shape.
void drawShadow(QPainter& p, const ArtSource& source, const QJsonObject& shadow, const QRectF& r, double radius)
{
    const QColor c = source.colour(require(shadow, "colour"));
    const double dy = numberOf(shadow, "dy", 2);
    const int spread = int(numberOf(shadow, "spread", 4));
    p.setPen(Qt::NoPen);
    for (int i = spread; i >= 1; --i) {
        QColor step = c;
        step.setAlphaF(float(c.alphaF() / spread));
        p.setBrush(step);
        p.drawPath(roundedRect(r.adjusted(-i, -i + dy, i, i + dy), radius + i));
    }
}

void opRect(QPainter& p, const ArtSource& source, const QJsonObject& layer)
{
    const QRectF r = rectOf(require(layer, "rect"));
    const double radius = numberOf(layer, "radius", 0);
    if (layer.contains(QStringLiteral("shadow")))
        drawShadow(p, source, layer.value(QStringLiteral("shadow")).toObject(), r, radius);
    p.setPen(Qt::NoPen);
    if (layer.contains(QStringLiteral("fill"))) {
        p.setBrush(source.fill(layer.value(QStringLiteral("fill")), r));
        p.drawPath(roundedRect(r, radius));
    }
    if (layer.contains(QStringLiteral("border"))) {
        const double w = numberOf(layer, "borderWidth", 1);
        p.setPen(penOf(source, layer, "border", "borderWidth"));
        p.setBrush(Qt::NoBrush);
        p.drawPath(roundedRect(r.adjusted(w / 2, w / 2, -w / 2, -w / 2), std::max(0.0, radius - w / 2)));
    }
}

void opEllipse(QPainter& p, const ArtSource& source, const QJsonObject& layer)
{
    const QRectF r = rectOf(require(layer, "rect"));
    p.setPen(layer.contains(QStringLiteral("border")) ? penOf(source, layer, "border", "borderWidth") : QPen(Qt::NoPen));
    p.setBrush(layer.contains(QStringLiteral("fill")) ? source.fill(layer.value(QStringLiteral("fill")), r) : QBrush(Qt::NoBrush));
    p.drawEllipse(r);
}

void opLine(QPainter& p, const ArtSource& source, const QJsonObject& layer)
{
    QPen pen = penOf(source, layer, "colour", "width");
    const QJsonArray dash = layer.value(QStringLiteral("dash")).toArray();
    if (dash.size() == 2)
        pen.setDashPattern({dash.at(0).toDouble() / pen.widthF(), dash.at(1).toDouble() / pen.widthF()});
    p.setPen(pen);
    p.drawLine(pointOf(require(layer, "from")), pointOf(require(layer, "to")));
}

// Draws TEXT centred (or aligned) in BOX, one line, or stacked one character a line.
void drawTextIn(QPainter& p, const QFont& font, const QColor& colour, const QString& text, const QRectF& box, const QString& align, bool vertical)
{
    const QFontMetricsF m(font);
    const QRectF ideograph = m.tightBoundingRect(QStringLiteral("国"));
    p.setFont(font);
    p.setPen(colour);
    if (vertical) {
        const double step = font.pixelSize() * 1.05;
        const QList<uint> chars = text.toUcs4();
        double baseline = box.center().y() - step * (double(chars.size()) - 1) / 2 - (ideograph.top() + ideograph.bottom()) / 2;
        for (uint c : chars) {
            const QString ch = QString::fromUcs4(reinterpret_cast<const char32_t*>(&c), 1);
            p.drawText(QPointF(box.center().x() - m.horizontalAdvance(ch) / 2, baseline), ch);
            baseline += step;
        }
        return;
    }
    const double width = m.horizontalAdvance(text);
    double x = box.left();
    if (align == QStringLiteral("center"))
        x = box.center().x() - width / 2;
    else if (align == QStringLiteral("right"))
        x = box.right() - width;
    p.drawText(QPointF(x, box.center().y() - (ideograph.top() + ideograph.bottom()) / 2), text);
}

void opText(QPainter& p, const ArtSource& source, const QJsonObject& layer)
{
    const QFont font = fontOf(source, layer);
    const QColor colour = source.colour(require(layer, "colour"));
    const QString text = require(layer, "text").toString();
    if (layer.contains(QStringLiteral("at"))) {
        p.setFont(font);
        p.setPen(colour);
        p.drawText(pointOf(layer.value(QStringLiteral("at"))), text);
        return;
    }
    drawTextIn(p, font, colour, text, rectOf(require(layer, "box")), textOf(layer, "align", QStringLiteral("center")),
               layer.value(QStringLiteral("vertical")).toBool());
}

void opTag(QPainter& p, const ArtSource& source, const QJsonObject& layer)
{
    opRect(p, source, layer);
    drawTextIn(p, fontOf(source, layer), source.colour(require(layer, "ink")), require(layer, "text").toString(),
               rectOf(require(layer, "rect")), QStringLiteral("center"), layer.value(QStringLiteral("vertical")).toBool());
}

void opStrip(QPainter& p, const ArtSource& source, const QJsonObject& layer)
{
    const QRectF r = rectOf(require(layer, "rect"));
    const double tabWidth = numberOf(layer, "tabWidth", 44);
    const double lineWidth = numberOf(layer, "lineWidth", 1.5);
    // The rule: full strength under the tab, fading out towards the strip's right end.
    QLinearGradient fade(r.topLeft(), r.topRight());
    const QColor line = source.colour(require(layer, "line"));
    QColor clear = line;
    clear.setAlpha(0);
    fade.setColorAt(0, line);
    fade.setColorAt(0.6, line);
    fade.setColorAt(1, clear);
    p.setPen(Qt::NoPen);
    p.setBrush(fade);
    p.drawRect(QRectF(r.left(), r.bottom() - lineWidth, r.width(), lineWidth));
    // The tab: rounded at the top, square where it stands on the rule.
    const QRectF tab(r.left(), r.top(), tabWidth, r.height());
    const double radius = numberOf(layer, "radius", 5);
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    path.addRoundedRect(tab, radius, radius);
    path.addRect(QRectF(tab.left(), tab.bottom() - radius, tab.width(), radius));
    p.setBrush(source.fill(require(layer, "tab"), tab));
    p.drawPath(path.simplified());
    drawTextIn(p, fontOf(source, layer), source.colour(require(layer, "ink")), require(layer, "text").toString(), tab,
               QStringLiteral("center"), false);
}

void opSymbol(QPainter& p, const ArtSource& source, const QJsonObject& layer)
{
    drawSymbol(p, require(layer, "name").toString(), rectOf(require(layer, "rect")), source.colour(require(layer, "colour")));
}

void opButton(QPainter& p, const ArtSource& source, const QJsonObject& layer)
{
    drawButtonFace(p, source, layer, textOf(layer, "state", QStringLiteral("up")), rectOf(require(layer, "rect")));
}

void opPicture(QPainter& p, const ArtSource& source, const QJsonObject& layer)
{
    p.drawImage(pointOf(require(layer, "at")), source.picture(require(layer, "name").toString()));
}

void opSeigaiha(QPainter& p, const ArtSource& source, const QJsonObject& layer)
{
    const QRectF r = rectOf(require(layer, "rect"));
    const double radius = numberOf(layer, "radius", 12);
    const double width = numberOf(layer, "width", 1);
    // Drawn on a layer of its own: each fan first clears what the rows above left under
    // it, so the fans overlap like scales; the layer then goes on in one colour.
    QImage scales(p.device()->width(), p.device()->height(), QImage::Format_ARGB32_Premultiplied);
    scales.fill(Qt::transparent);
    {
        QPainter s(&scales);
        s.setRenderHint(QPainter::Antialiasing);
        s.setClipRect(r);
        const QColor ink = source.colour(require(layer, "colour"));
        QColor opaque = ink;
        opaque.setAlpha(255);
        int row = 0;
        for (double cy = r.top(); cy < r.bottom() + radius; cy += radius / 2, ++row) {
            const double shift = (row % 2) ? radius : 0;
            for (double cx = r.left() - 2 * radius + shift; cx < r.right() + 2 * radius; cx += 2 * radius) {
                QPainterPath fan;
                fan.moveTo(cx - radius, cy);
                fan.arcTo(QRectF(cx - radius, cy - radius, 2 * radius, 2 * radius), 180, -180);
                fan.closeSubpath();
                s.setCompositionMode(QPainter::CompositionMode_Clear);
                s.fillPath(fan, Qt::black);
                s.setCompositionMode(QPainter::CompositionMode_SourceOver);
                s.setPen(QPen(opaque, width));
                s.setBrush(Qt::NoBrush);
                for (double k = 1.0; k > 0.2; k -= 0.25)
                    s.drawArc(QRectF(cx - radius * k, cy - radius * k, 2 * radius * k, 2 * radius * k), 0, 180 * 16);
            }
        }
    }
    p.save();
    p.setOpacity(source.colour(require(layer, "colour")).alphaF());
    p.drawImage(0, 0, scales);
    p.restore();
}

void opFuji(QPainter& p, const ArtSource& source, const QJsonObject& layer)
{
    const QRectF r = rectOf(require(layer, "rect"));
    const auto at = [&r](double fx, double fy) { return QPointF(r.left() + fx * r.width(), r.top() + fy * r.height()); };
    if (layer.contains(QStringLiteral("sun"))) {
        p.setPen(Qt::NoPen);
        p.setBrush(source.colour(layer.value(QStringLiteral("sun"))));
        p.drawEllipse(at(0.78, 0.2), 0.11 * r.width(), 0.11 * r.width());
    }
    QPainterPath mountain;
    mountain.moveTo(at(0, 1));
    mountain.quadTo(at(0.28, 0.72), at(0.42, 0.2));
    mountain.lineTo(at(0.58, 0.2));
    mountain.quadTo(at(0.72, 0.72), at(1, 1));
    mountain.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(source.fill(require(layer, "mountain"), r));
    p.drawPath(mountain);
    QPainterPath cap;
    cap.moveTo(at(0.3, 0.2));
    cap.lineTo(at(0.7, 0.2));
    cap.lineTo(at(0.7, 0.46));
    const double teeth[] = {0.62, 0.56, 0.5, 0.44, 0.38};
    for (int i = 0; i < 5; ++i)
        cap.lineTo(at(teeth[i] + 0.03, (i % 2) ? 0.48 : 0.38));
    cap.lineTo(at(0.3, 0.44));
    cap.closeSubpath();
    p.setBrush(source.colour(require(layer, "snow")));
    p.drawPath(cap.intersected(mountain));
}

void opBlossom(QPainter& p, const ArtSource& source, const QJsonObject& layer)
{
    const QPointF c = pointOf(require(layer, "at"));
    const double radius = numberOf(layer, "radius", 6);
    p.save();
    p.translate(c);
    p.rotate(numberOf(layer, "angle", 0));
    p.setPen(Qt::NoPen);
    p.setBrush(source.colour(require(layer, "colour")));
    for (int i = 0; i < 5; ++i) {
        p.drawEllipse(QPointF(0, -radius * 0.52), radius * 0.36, radius * 0.5);
        p.rotate(72);
    }
    if (layer.contains(QStringLiteral("heart"))) {
        p.setBrush(source.colour(layer.value(QStringLiteral("heart"))));
        p.drawEllipse(QPointF(0, 0), radius * 0.16, radius * 0.16);
    }
    p.restore();
}

void opWave(QPainter& p, const ArtSource& source, const QJsonObject& layer)
{
    const QRectF r = rectOf(require(layer, "rect"));
    const double amplitude = numberOf(layer, "amplitude", 4);
    const double periods = numberOf(layer, "periods", 1.5);
    const double phase = numberOf(layer, "phase", 0);
    QPainterPath band;
    band.moveTo(r.bottomLeft());
    for (int i = 0; i <= 80; ++i) {
        const double f = i / 80.0;
        band.lineTo(r.left() + f * r.width(), r.top() + amplitude * (1 + std::sin(2 * M_PI * (periods * f + phase))));
    }
    band.lineTo(r.bottomRight());
    band.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(source.fill(require(layer, "fill"), r));
    p.drawPath(band);
}

// The pointer: a hand with the index finger up; the fingertip's outline covers (6, 0).
void opHand(QPainter& p, const ArtSource& source, const QJsonObject& layer)
{
    QPainterPath hand;
    hand.moveTo(3.5, 3.5);
    hand.arcTo(QRectF(3.5, 0.5, 5, 6), 180, -180);
    hand.lineTo(8.5, 11);
    hand.arcTo(QRectF(8.5, 8.5, 5, 5), 180, -180);
    hand.lineTo(13.5, 12);
    hand.arcTo(QRectF(13.5, 9.5, 5, 5), 180, -180);
    hand.lineTo(18.5, 13.5);
    hand.arcTo(QRectF(18.5, 11.5, 4.5, 4.5), 180, -180);
    hand.lineTo(23, 21);
    hand.quadTo(23, 25, 20, 27.5);
    hand.lineTo(20, 30.5);
    hand.lineTo(9.5, 30.5);
    hand.lineTo(9.5, 27.5);
    hand.cubicTo(7, 25.5, 1.5, 20.5, 1, 17.5);
    hand.quadTo(0.8, 15, 3.5, 15.5);
    hand.closeSubpath();
    // Crisp like a classic pointer: no anti-aliasing, so every pixel is either the
    // outline, the fill or clear.
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(source.colour(require(layer, "outline")), 1));
    p.setBrush(source.colour(require(layer, "fill")));
    p.drawPath(hand);
    QPainterPath folds;
    for (const auto& [x, y] : {std::pair{8.5, 11.0}, std::pair{13.5, 12.0}, std::pair{18.5, 13.5}}) {
        folds.moveTo(x, y);
        folds.lineTo(x, y + 3.5);
    }
    folds.moveTo(12, 27.5);
    folds.lineTo(17.5, 27.5);
    p.drawPath(folds);
    p.restore();
}

const std::map<QString, Op>& ops()
{
    static const std::map<QString, Op> all = {
        {QStringLiteral("fill"),
         [](QPainter& p, const ArtSource& s, const QJsonObject& l) {
             const QRectF r(0, 0, p.device()->width(), p.device()->height());
             p.fillRect(r, s.fill(require(l, "fill"), r));
         }},
        {QStringLiteral("rect"), opRect},
        {QStringLiteral("ellipse"), opEllipse},
        {QStringLiteral("line"), opLine},
        {QStringLiteral("text"), opText},
        {QStringLiteral("tag"), opTag},
        {QStringLiteral("strip"), opStrip},
        {QStringLiteral("symbol"), opSymbol},
        {QStringLiteral("button"), opButton},
        {QStringLiteral("picture"), opPicture},
        {QStringLiteral("seigaiha"), opSeigaiha},
        {QStringLiteral("fuji"), opFuji},
        {QStringLiteral("blossom"), opBlossom},
        {QStringLiteral("wave"), opWave},
        {QStringLiteral("hand"), opHand},
    };
    return all;
}

void paintOn(QPainter& p, const ArtSource& source, const QJsonArray& layers, int depth)
{
    for (const QJsonValue v : layers) {
        const QJsonObject layer = source.withTemplate(v.toObject());
        const QString op = require(layer, "op").toString();
        if (op == QStringLiteral("group")) {
            if (depth > 8)
                fail(QStringLiteral("groups nest too deep"));
            p.save();
            if (layer.contains(QStringLiteral("at")))
                p.translate(pointOf(layer.value(QStringLiteral("at"))));
            if (layer.contains(QStringLiteral("clip")))
                p.setClipPath(roundedRect(rectOf(layer.value(QStringLiteral("clip"))), numberOf(layer, "clipRadius", 0)), Qt::IntersectClip);
            paintOn(p, source, source.group(require(layer, "name").toString()), depth + 1);
            p.restore();
            continue;
        }
        const auto it = ops().find(op);
        if (it == ops().end())
            fail(QStringLiteral("unknown layer op \"%1\"").arg(op));
        p.save();
        it->second(p, source, layer);
        p.restore();
    }
}

} // namespace

void paintLayers(QImage& image, const ArtSource& source, const QJsonArray& layers)
{
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    paintOn(p, source, layers, 0);
}

} // namespace artgen
