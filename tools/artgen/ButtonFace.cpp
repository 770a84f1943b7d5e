#include "ButtonFace.h"

#include <QFontMetricsF>
#include <QJsonArray>
#include <QPainterPath>

#include <vector>

#include "ArtSource.h"
#include "Symbols.h"

namespace artgen {
namespace {

struct Item {
    QString symbol; // empty for the words
    QColor ink;
    double width = 0;
};

QPainterPath bodyPath(const QJsonObject& style, const QRectF& r)
{
    QPainterPath path;
    const QString shape = textOf(style, "shape", QStringLiteral("round"));
    if (shape == QStringLiteral("circle"))
        path.addEllipse(r);
    else if (shape == QStringLiteral("pill"))
        path.addRoundedRect(r, r.height() / 2, r.height() / 2);
    else
        path.addRoundedRect(r, numberOf(style, "radius", 5), numberOf(style, "radius", 5));
    return path;
}

void drawBody(QPainter& p, const ArtSource& source, const QJsonObject& style, const QJsonObject& look, const QRectF& area)
{
    const QRectF outer = area.adjusted(0.5, 0.5, -0.5, -0.5);
    const QPainterPath body = bodyPath(style, outer);
    p.setPen(Qt::NoPen);
    QJsonObject gradient{{QStringLiteral("top"), require(look, "top")}, {QStringLiteral("bottom"), require(look, "bottom")}};
    p.setBrush(source.fill(gradient, outer));
    p.drawPath(body);
    const QRectF inner = outer.adjusted(1, 1, -1, -1);
    if (look.contains(QStringLiteral("shine"))) {
        // A light rim along the upper half only, as if lit from above.
        p.save();
        p.setClipRect(QRectF(area.left(), area.top(), area.width(), area.height() * 0.55));
        p.setPen(QPen(source.colour(look.value(QStringLiteral("shine"))), 1));
        p.setBrush(Qt::NoBrush);
        p.drawPath(bodyPath(style, inner));
        p.restore();
    }
    if (look.contains(QStringLiteral("glow"))) {
        p.setPen(QPen(source.colour(look.value(QStringLiteral("glow"))), 1.2));
        p.setBrush(Qt::NoBrush);
        p.drawPath(bodyPath(style, inner));
    }
    p.setPen(QPen(source.colour(require(look, "border")), 1));
    p.setBrush(Qt::NoBrush);
    p.drawPath(body);
}

// The baseline that centres an ideograph of FONT on CENTRE_Y.
double ideographBaseline(const QFont& font, double centreY)
{
    const QRectF ink = QFontMetricsF(font).tightBoundingRect(QStringLiteral("国"));
    return centreY - (ink.top() + ink.bottom()) / 2;
}

} // namespace

void drawButtonFace(QPainter& p, const ArtSource& source, const QJsonObject& button, const QString& state, const QRectF& area)
{
    const QJsonObject style = source.style(require(button, "style").toString());
    const QJsonObject look = require(style, state.toUtf8().constData()).toObject();
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    drawBody(p, source, style, look, area);

    const bool disabled = state == QStringLiteral("disabled");
    const QColor ink = source.colour(require(look, "ink"));
    const QColor accent = look.contains(QStringLiteral("accent")) ? source.colour(look.value(QStringLiteral("accent"))) : ink;
    const double symbolSize = numberOf(button, "symbolSize", numberOf(style, "symbolSize", 14));
    const double gap = numberOf(button, "gap", numberOf(style, "gap", 4));
    const QFont font = source.font(textOf(style, "font", QStringLiteral("zh")), numberOf(button, "size", numberOf(style, "size", 12)),
                                   style.value(QStringLiteral("bold")).toBool());
    const QString words = textOf(button, "words");

    std::vector<Item> items;
    const auto addSymbols = [&](const char* key) {
        for (const QJsonValue v : button.value(QLatin1String(key)).toArray()) {
            Item item;
            const QJsonObject o = v.isObject() ? v.toObject() : QJsonObject{{QStringLiteral("name"), v}};
            item.symbol = require(o, "name").toString();
            item.ink = (!disabled && o.contains(QStringLiteral("colour"))) ? source.colour(o.value(QStringLiteral("colour"))) : accent;
            item.width = numberOf(o, "size", symbolSize);
            items.push_back(item);
        }
    };
    addSymbols("symbols");
    if (!words.isEmpty())
        items.push_back({QString(), ink, QFontMetricsF(font).horizontalAdvance(words)});
    addSymbols("after");

    double total = 0;
    for (const Item& item : items)
        total += item.width;
    total += gap * double(items.size() > 0 ? items.size() - 1 : 0);
    const QPointF offset = button.contains(QStringLiteral("offset")) ? pointOf(button.value(QStringLiteral("offset"))) : QPointF();
    const double press = state == QStringLiteral("down") ? 1 : 0;
    double x = area.left() + (area.width() - total) / 2 + offset.x() + press;
    const double cy = area.top() + area.height() / 2 + offset.y() + press;
    for (const Item& item : items) {
        if (item.symbol.isEmpty()) {
            p.setFont(font);
            p.setPen(item.ink);
            p.drawText(QPointF(x, ideographBaseline(font, cy)), words);
        } else {
            drawSymbol(p, item.symbol, QRectF(x, cy - item.width / 2, item.width, item.width), item.ink);
        }
        x += item.width + gap;
    }
    p.restore();
}

QImage renderSkin(const ArtSource& source, const QJsonObject& button, const QString& state, const QImage& base)
{
    QImage face(base.size(), QImage::Format_ARGB32_Premultiplied);
    face.fill(Qt::transparent);
    {
        QPainter p(&face);
        drawButtonFace(p, source, button, state, QRectF(0, 0, base.width(), base.height()));
    }
    QImage out = base.convertToFormat(QImage::Format_ARGB32);
    QImage faceStraight = face.convertToFormat(QImage::Format_ARGB32);
    {
        QPainter p(&out);
        p.drawImage(0, 0, face);
    }
    for (int y = 0; y < out.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        const QRgb* cover = reinterpret_cast<const QRgb*>(faceStraight.constScanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            if (qAlpha(cover[x]) < 128)
                line[x] = kSkinKey;
            else if ((line[x] | 0xFF000000u) == kSkinKey)
                line[x] = 0xFF0000FEu; // never a hole inside the outline
            else
                line[x] |= 0xFF000000u;
        }
    }
    return out;
}

} // namespace artgen
