#include "Symbols.h"

#include <QPainterPath>

#include <functional>
#include <map>

#include "ArtSource.h"

namespace artgen {
namespace {

// Every symbol paints on the 24 × 24 grid with the painter already scaled; PEN_W is the
// stroke width in grid units.
using Draw = std::function<void(QPainter&, const QColor&)>;

QPen strokePen(const QColor& ink, double width)
{
    QPen pen(ink, width);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

void fillPath(QPainter& p, const QPainterPath& path, const QColor& ink)
{
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawPath(path);
}

void strokePath(QPainter& p, const QPainterPath& path, const QColor& ink, double width)
{
    p.setPen(strokePen(ink, width));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
}

QPainterPath polygon(std::initializer_list<QPointF> points)
{
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(points)));
    path.closeSubpath();
    return path;
}

void microphone(QPainter& p, const QColor& ink)
{
    QPainterPath capsule;
    capsule.addRoundedRect(QRectF(8.5, 2, 7, 12.5), 3.5, 3.5);
    fillPath(p, capsule, ink);
    QPainterPath holder;
    holder.moveTo(5.5, 10);
    holder.arcTo(QRectF(5.5, 4, 13, 13), 180, 180);
    holder.moveTo(12, 17);
    holder.lineTo(12, 20.5);
    holder.moveTo(8, 21);
    holder.lineTo(16, 21);
    strokePath(p, holder, ink, 2);
}

void loudspeaker(QPainter& p, const QColor& ink)
{
    fillPath(p, polygon({{2.5, 9}, {7, 9}, {12.5, 4}, {12.5, 20}, {7, 15}, {2.5, 15}}), ink);
    QPainterPath waves;
    waves.arcMoveTo(QRectF(9, 7.5, 9, 9), 50);
    waves.arcTo(QRectF(9, 7.5, 9, 9), 50, -100);
    waves.arcMoveTo(QRectF(7, 4, 16, 16), 55);
    waves.arcTo(QRectF(7, 4, 16, 16), 55, -110);
    strokePath(p, waves, ink, 2);
}

const std::map<QString, Draw>& symbols()
{
    static const std::map<QString, Draw> all = {
        {QStringLiteral("bar"), [](QPainter& p, const QColor& ink) {
             QPainterPath path;
             path.addRoundedRect(QRectF(4, 15, 16, 3.5), 1.5, 1.5);
             fillPath(p, path, ink);
         }},
        {QStringLiteral("cross"), [](QPainter& p, const QColor& ink) {
             QPainterPath path;
             path.moveTo(6, 6);
             path.lineTo(18, 18);
             path.moveTo(18, 6);
             path.lineTo(6, 18);
             strokePath(p, path, ink, 4);
         }},
        {QStringLiteral("plus"), [](QPainter& p, const QColor& ink) {
             QPainterPath path;
             path.moveTo(12, 4.5);
             path.lineTo(12, 19.5);
             path.moveTo(4.5, 12);
             path.lineTo(19.5, 12);
             strokePath(p, path, ink, 3.6);
         }},
        {QStringLiteral("minus"), [](QPainter& p, const QColor& ink) {
             QPainterPath path;
             path.moveTo(4.5, 12);
             path.lineTo(19.5, 12);
             strokePath(p, path, ink, 3.6);
         }},
        {QStringLiteral("play"), [](QPainter& p, const QColor& ink) {
             const QPainterPath t = polygon({{7, 4}, {20, 12}, {7, 20}});
             fillPath(p, t, ink);
             strokePath(p, t, ink, 1.5);
         }},
        {QStringLiteral("stop"), [](QPainter& p, const QColor& ink) {
             QPainterPath path;
             path.addRoundedRect(QRectF(5.5, 5.5, 13, 13), 2, 2);
             fillPath(p, path, ink);
         }},
        {QStringLiteral("wave"), [](QPainter& p, const QColor& ink) {
             // A level meter: five bars, tall in the middle.
             const double heights[] = {6, 12, 18, 12, 6};
             QPainterPath path;
             for (int i = 0; i < 5; ++i) {
                 const double x = 3 + i * 4.2;
                 path.moveTo(x, 12 - heights[i] / 2);
                 path.lineTo(x, 12 + heights[i] / 2);
             }
             strokePath(p, path, ink, 2.4);
         }},
        {QStringLiteral("mic"), microphone},
        {QStringLiteral("speaker"), loudspeaker},
        {QStringLiteral("arrowUp"), [](QPainter& p, const QColor& ink) {
             const QPainterPath a = polygon({{12, 3}, {21, 12.5}, {15.5, 12.5}, {15.5, 21}, {8.5, 21}, {8.5, 12.5}, {3, 12.5}});
             fillPath(p, a, ink);
             strokePath(p, a, ink, 1.2);
         }},
        {QStringLiteral("arrowDown"), [](QPainter& p, const QColor& ink) {
             const QPainterPath a = polygon({{12, 21}, {21, 11.5}, {15.5, 11.5}, {15.5, 3}, {8.5, 3}, {8.5, 11.5}, {3, 11.5}});
             fillPath(p, a, ink);
             strokePath(p, a, ink, 1.2);
         }},
        {QStringLiteral("prev"), [](QPainter& p, const QColor& ink) {
             const QPainterPath t = polygon({{16, 5}, {7, 12}, {16, 19}});
             fillPath(p, t, ink);
             strokePath(p, t, ink, 1.5);
         }},
        {QStringLiteral("next"), [](QPainter& p, const QColor& ink) {
             const QPainterPath t = polygon({{8, 5}, {17, 12}, {8, 19}});
             fillPath(p, t, ink);
             strokePath(p, t, ink, 1.5);
         }},
        {QStringLiteral("headphones"), [](QPainter& p, const QColor& ink) {
             QPainterPath band;
             band.moveTo(4, 15);
             band.arcTo(QRectF(4, 4, 16, 18), 180, -180);
             strokePath(p, band, ink, 2.2);
             QPainterPath cups;
             cups.addRoundedRect(QRectF(2.5, 13, 5.5, 8.5), 2, 2);
             cups.addRoundedRect(QRectF(16, 13, 5.5, 8.5), 2, 2);
             fillPath(p, cups, ink);
         }},
        {QStringLiteral("bubble"), [](QPainter& p, const QColor& ink) {
             QPainterPath bubble;
             bubble.addRoundedRect(QRectF(2.5, 3.5, 19, 13.5), 4.5, 4.5);
             bubble.addPolygon(QPolygonF(QList<QPointF>{{6.5, 15}, {6, 21.5}, {12, 16}}));
             bubble.setFillRule(Qt::WindingFill);
             QPainterPath dots;
             for (double x : {7.5, 12.0, 16.5})
                 dots.addEllipse(QPointF(x, 10.25), 1.6, 1.6);
             fillPath(p, bubble.simplified().subtracted(dots), ink);
         }},
        {QStringLiteral("book"), [](QPainter& p, const QColor& ink) {
             fillPath(p, polygon({{2, 5}, {6.5, 4.2}, {11, 6}, {11, 20.5}, {6.5, 18.8}, {2, 19.5}}), ink);
             fillPath(p, polygon({{13, 6}, {17.5, 4.2}, {22, 5}, {22, 19.5}, {17.5, 18.8}, {13, 20.5}}), ink);
         }},
        {QStringLiteral("magnifier"), [](QPainter& p, const QColor& ink) {
             QPainterPath ring;
             ring.addEllipse(QRectF(3, 3, 13, 13));
             strokePath(p, ring, ink, 2.6);
             QPainterPath handle;
             handle.moveTo(14.5, 14.5);
             handle.lineTo(20.5, 20.5);
             strokePath(p, handle, ink, 3.6);
         }},
        {QStringLiteral("question"), [](QPainter& p, const QColor& ink) {
             QPainterPath ring;
             ring.addEllipse(QRectF(2.5, 2.5, 19, 19));
             strokePath(p, ring, ink, 2);
             QPainterPath hook;
             hook.moveTo(8.8, 9.5);
             hook.cubicTo(8.8, 5.8, 15.2, 5.8, 15.2, 9.5);
             hook.cubicTo(15.2, 12, 12, 12, 12, 14.5);
             strokePath(p, hook, ink, 2.2);
             QPainterPath dot;
             dot.addEllipse(QPointF(12, 17.8), 1.5, 1.5);
             fillPath(p, dot, ink);
         }},
        {QStringLiteral("back"), [](QPainter& p, const QColor& ink) {
             QPainterPath turn;
             turn.moveTo(9, 8.5);
             turn.lineTo(15, 8.5);
             turn.cubicTo(22, 8.5, 22, 19.5, 15, 19.5);
             turn.lineTo(9, 19.5);
             strokePath(p, turn, ink, 2.4);
             const QPainterPath head = polygon({{2.5, 8.5}, {9.5, 3.5}, {9.5, 13.5}});
             fillPath(p, head, ink);
             strokePath(p, head, ink, 1);
         }},
        {QStringLiteral("note"), [](QPainter& p, const QColor& ink) {
             QPainterPath heads;
             heads.addEllipse(QRectF(3, 15, 6.5, 5));
             heads.addEllipse(QRectF(14, 13, 6.5, 5));
             fillPath(p, heads, ink);
             QPainterPath stems;
             stems.moveTo(9, 17.5);
             stems.lineTo(9, 5);
             stems.lineTo(20, 3);
             stems.lineTo(20, 15.5);
             strokePath(p, stems, ink, 2);
         }},
    };
    return all;
}

} // namespace

bool isSymbol(const QString& name) { return symbols().count(name) != 0; }

QStringList symbolNames()
{
    QStringList names;
    for (const auto& [name, draw] : symbols())
        names << name;
    return names;
}

void drawSymbol(QPainter& painter, const QString& name, const QRectF& box, const QColor& ink)
{
    const auto it = symbols().find(name);
    if (it == symbols().end())
        fail(QStringLiteral("unknown symbol \"%1\"").arg(name));
    const double side = std::min(box.width(), box.height());
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(box.center().x() - side / 2, box.center().y() - side / 2);
    painter.scale(side / 24.0, side / 24.0);
    it->second(painter, ink);
    painter.restore();
}

} // namespace artgen
