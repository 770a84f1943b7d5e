#include "Generator.h"

#include <QJsonArray>
#include <QPainter>

#include <cmath>

#include "ArtSource.h"
#include "ButtonFace.h"
#include "Layers.h"

namespace artgen {
namespace {

constexpr int kDotsPerMetre = 3780; // 96 dots per inch

QImage blank(const QSize& size, const QColor& colour)
{
    QImage image(size, QImage::Format_ARGB32);
    image.setDotsPerMeterX(kDotsPerMetre);
    image.setDotsPerMeterY(kDotsPerMetre);
    image.fill(colour);
    return image;
}

// The picture's background: a crop of an earlier picture at the place this one takes on
// it ({"from", "at": [x, y]} in pixels or {"from", "twips": [x, y]}), a colour, or clear.
QImage baseOf(const ArtSource& source, const QJsonObject& entry, const QSize& size)
{
    const QJsonValue base = entry.value(QStringLiteral("base"));
    if (base.isUndefined())
        return blank(size, Qt::transparent);
    if (base.isString())
        return blank(size, source.colour(base));
    const QJsonObject o = base.toObject();
    const QImage& from = source.picture(require(o, "from").toString());
    QPoint at;
    if (o.contains(QStringLiteral("twips"))) {
        const QPointF t = pointOf(o.value(QStringLiteral("twips")));
        at = twipsToPixels(t.x(), t.y());
    } else {
        at = pointOf(require(o, "at")).toPoint();
    }
    const QRect area(at, size);
    if (!from.rect().contains(area))
        fail(QStringLiteral("the base of \"%1\" lies outside \"%2\"").arg(textOf(entry, "name"), o.value(QStringLiteral("from")).toString()));
    QImage crop = from.copy(area).convertToFormat(QImage::Format_ARGB32);
    crop.setDotsPerMeterX(kDotsPerMetre);
    crop.setDotsPerMeterY(kDotsPerMetre);
    return crop;
}

QSize sizeOf(const QJsonObject& entry)
{
    const QJsonArray a = require(entry, "size").toArray();
    if (a.size() != 2 || a.at(0).toInt() <= 0 || a.at(1).toInt() <= 0)
        fail(QStringLiteral("bad size of \"%1\"").arg(textOf(entry, "name")));
    return QSize(a.at(0).toInt(), a.at(1).toInt());
}

void generateSkin(ArtSource& source, const QJsonObject& entry, const QString& name, const QImage& base, std::vector<Output>& out)
{
    const QJsonObject button = require(entry, "button").toObject();
    const QJsonArray states = require(entry, "states").toArray();
    for (const QJsonValue s : states) {
        const QString state = s.toString();
        Output o{name + QLatin1Char('_') + state, QStringLiteral("skin"), name, state, std::nullopt, renderSkin(source, button, state, base)};
        o.image.setDotsPerMeterX(kDotsPerMetre);
        o.image.setDotsPerMeterY(kDotsPerMetre);
        source.keepPicture(o.name, o.image);
        out.push_back(std::move(o));
    }
}

} // namespace

QPoint twipsToPixels(double x, double y) { return QPoint(int(std::lround(x / 15.0)), int(std::lround(y / 15.0))); }

std::vector<Output> generate(ArtSource& source, const QJsonObject& root)
{
    std::vector<Output> out;
    for (const QJsonValue v : require(root, "pictures").toArray()) {
        const QJsonObject entry = v.toObject();
        const QString name = require(entry, "name").toString();
        try {
            if (source.hasPicture(name))
                fail(QStringLiteral("drawn twice"));
            const QSize size = sizeOf(entry);
            QImage image = baseOf(source, entry, size);
            const QString kind = textOf(entry, "kind", QStringLiteral("image"));
            if (kind == QStringLiteral("skin")) {
                generateSkin(source, entry, name, image, out);
                continue;
            }
            paintLayers(image, source, entry.value(QStringLiteral("layers")).toArray());
            Output o{name, kind, {}, {}, std::nullopt, image};
            if (entry.contains(QStringLiteral("hotSpot")))
                o.hotSpot = pointOf(entry.value(QStringLiteral("hotSpot"))).toPoint();
            source.keepPicture(name, image);
            out.push_back(std::move(o));
        } catch (const SourceError& e) {
            fail(QStringLiteral("picture \"%1\": %2").arg(name, QString::fromUtf8(e.what())));
        }
    }
    return out;
}

QJsonObject manifestOf(const std::vector<Output>& outputs)
{
    QJsonArray list;
    for (const Output& o : outputs) {
        QJsonObject e{{QStringLiteral("name"), o.name},
                      {QStringLiteral("width"), o.image.width()},
                      {QStringLiteral("height"), o.image.height()},
                      {QStringLiteral("kind"), o.kind}};
        if (!o.button.isEmpty()) {
            e.insert(QStringLiteral("button"), o.button);
            e.insert(QStringLiteral("state"), o.state);
        }
        if (o.hotSpot)
            e.insert(QStringLiteral("hotSpot"), QJsonArray{o.hotSpot->x(), o.hotSpot->y()});
        list.append(e);
    }
    return QJsonObject{{QStringLiteral("pictures"), list}};
}

} // namespace artgen
