#include "Sheet.h"

#include <QDir>
#include <QFontMetricsF>
#include <QJsonArray>
#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <map>

#include "ArtSource.h"
#include "ButtonFace.h"

namespace artgen {
namespace {

// Skins with their outside cleared, so that they can be drawn over anything.
QImage keyedOut(const QImage& image)
{
    QImage out = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x)
            if (line[x] == kSkinKey)
                line[x] = 0;
    }
    return out;
}

void checkerboard(QPainter& p, const QRect& r)
{
    p.save();
    p.setClipRect(r);
    for (int y = r.top(); y <= r.bottom(); y += 6)
        for (int x = r.left(); x <= r.right(); x += 6)
            p.fillRect(QRect(x, y, 6, 6), (((x - r.left()) / 6 + (y - r.top()) / 6) % 2) ? QColor(205, 205, 205) : QColor(245, 245, 245));
    p.restore();
}

void writeContactSheet(const ArtSource& source, const std::vector<Output>& outputs, const QString& path)
{
    constexpr int kWidth = 1500, kMargin = 16, kLabel = 30;
    struct Cell {
        const Output* output;
        QSize shown;
        QPoint at;
    };
    std::vector<Cell> cells;
    int x = kMargin, y = kMargin + 40, rowHeight = 0;
    for (const Output& o : outputs) {
        QSize shown = o.image.size();
        if (shown.width() > 420)
            shown = shown.scaled(420, 420, Qt::KeepAspectRatio);
        else if (shown.width() <= 40 && shown.height() <= 40)
            shown *= 3;
        else if (shown.width() <= 110 && shown.height() <= 45)
            shown *= 2;
        const int cellWidth = std::max(shown.width(), 120) + kMargin;
        if (x + cellWidth > kWidth) {
            x = kMargin;
            y += rowHeight + kLabel + kMargin;
            rowHeight = 0;
        }
        cells.push_back({&o, shown, QPoint(x, y)});
        x += cellWidth;
        rowHeight = std::max(rowHeight, shown.height());
    }
    QImage sheet(kWidth, y + rowHeight + kLabel + kMargin, QImage::Format_ARGB32);
    sheet.fill(QColor(250, 250, 248));
    QPainter p(&sheet);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setFont(source.font(QStringLiteral("zh"), 20, true));
    p.setPen(QColor(40, 60, 70));
    p.drawText(QPointF(kMargin, kMargin + 22), QStringLiteral("Artwork of the lesson window (%1 pictures)").arg(outputs.size()));
    const QFont label = source.font(QStringLiteral("zh"), 11, false);
    for (const Cell& c : cells) {
        const QRect r(c.at, c.shown);
        checkerboard(p, r);
        p.drawImage(r, keyedOut(c.output->image));
        p.setPen(QColor(190, 190, 190));
        p.drawRect(r.adjusted(-1, -1, 0, 0));
        p.setFont(label);
        p.setPen(QColor(30, 30, 30));
        p.drawText(QPointF(r.left(), r.bottom() + 15), c.output->name);
        p.setPen(QColor(110, 110, 110));
        QString info = QStringLiteral("%1×%2 %3").arg(c.output->image.width()).arg(c.output->image.height()).arg(c.output->kind);
        if (c.output->hotSpot)
            info += QStringLiteral(" hot (%1,%2)").arg(c.output->hotSpot->x()).arg(c.output->hotSpot->y());
        p.drawText(QPointF(r.left(), r.bottom() + 28), info);
    }
    p.end();
    if (!sheet.save(path, "PNG"))
        fail(QStringLiteral("cannot write %1").arg(path));
}

// ---- previews ----

struct Scene {
    const ArtSource& source;
    std::map<QString, QImage> pictures;
    std::map<QString, QPointF> frames; // origins in pixels
};

QRectF placeOf(const Scene& scene, const QJsonObject& item)
{
    const QJsonArray t = require(item, "twips").toArray();
    const QString in = textOf(item, "in", QStringLiteral("window"));
    QPointF origin;
    if (in != QStringLiteral("window")) {
        const auto it = scene.frames.find(in);
        if (it == scene.frames.end())
            fail(QStringLiteral("unknown frame \"%1\"").arg(in));
        origin = it->second;
    }
    const double w = t.size() > 2 ? t.at(2).toDouble() / 15 : 0, h = t.size() > 3 ? t.at(3).toDouble() / 15 : 0;
    return QRectF(std::round(origin.x() + t.at(0).toDouble() / 15), std::round(origin.y() + t.at(1).toDouble() / 15), std::round(w), std::round(h));
}

const QImage& pictureOf(const Scene& scene, const QString& name)
{
    const auto it = scene.pictures.find(name);
    if (it == scene.pictures.end())
        fail(QStringLiteral("unknown picture \"%1\"").arg(name));
    return it->second;
}

// The window's "宋体" is shown in the installed CJK serif; points at 96 dpi.
QFont mockFont(const Scene& scene, const QJsonObject& item, double defaultPoints)
{
    return scene.source.font(textOf(item, "font", QStringLiteral("zhSerif")), numberOf(item, "size", defaultPoints) * 96.0 / 72.0, false);
}

QColor colourOr(const Scene& scene, const QJsonObject& item, const char* key, const char* fallback)
{
    return scene.source.colour(item.contains(QLatin1String(key)) ? item.value(QLatin1String(key)) : QJsonValue(QLatin1String(fallback)));
}

void mockCaption(QPainter& p, const QFont& font, const QColor& colour, const QString& text, double x, const QRectF& r)
{
    const QFontMetricsF m(font);
    p.setFont(font);
    p.setPen(colour);
    p.drawText(QPointF(x, r.center().y() + (m.ascent() - m.descent()) / 2), text);
}

void mockControl(QPainter& p, const Scene& scene, const QJsonObject& item, const QRectF& r)
{
    const QString kind = item.value(QStringLiteral("mock")).toString();
    const QString text = textOf(item, "text");
    if (item.contains(QStringLiteral("back")))
        p.fillRect(r, scene.source.colour(item.value(QStringLiteral("back"))));
    if (kind == QStringLiteral("box")) {
        // A plain area: only its back colour, if any.
    } else if (kind == QStringLiteral("label")) {
        const QFont font = mockFont(scene, item, 9);
        const QFontMetricsF m(font);
        p.setFont(font);
        p.setPen(colourOr(scene, item, "colour", "#000000"));
        const QString align = textOf(item, "align", QStringLiteral("left"));
        const double x = align == QStringLiteral("center") ? r.center().x() - m.horizontalAdvance(text) / 2 : r.left();
        p.drawText(QPointF(x, r.top() + m.ascent()), text);
    } else if (kind == QStringLiteral("check") || kind == QStringLiteral("radio")) {
        const bool on = item.value(QStringLiteral("value")).toBool();
        const bool enabled = !item.contains(QStringLiteral("enabled")) || item.value(QStringLiteral("enabled")).toBool();
        const QRectF box(r.left() + 0.5, r.center().y() - 6, 12, 12);
        p.setPen(enabled ? QColor(28, 81, 128) : QColor(172, 168, 153));
        p.setBrush(QColor(244, 244, 240));
        if (kind == QStringLiteral("check"))
            p.drawRect(box);
        else
            p.drawEllipse(box);
        if (on) {
            p.setBrush(enabled ? QColor(33, 161, 33) : QColor(172, 168, 153));
            p.setPen(Qt::NoPen);
            if (kind == QStringLiteral("check"))
                p.drawRect(box.adjusted(3, 3, -3, -3));
            else
                p.drawEllipse(box.adjusted(3.5, 3.5, -3.5, -3.5));
        }
        mockCaption(p, mockFont(scene, item, 10.5), enabled ? QColor(0, 0, 0) : QColor(172, 168, 153), text, r.left() + 17, r);
    } else if (kind == QStringLiteral("text")) {
        p.setPen(QColor(127, 157, 185));
        p.setBrush(Qt::NoBrush);
        p.drawRect(r.adjusted(0.5, 0.5, -0.5, -0.5));
        const QFont font = mockFont(scene, item, 9);
        p.setFont(font);
        p.setPen(Qt::black);
        p.drawText(QPointF(r.left() + 3, r.top() + 2 + QFontMetricsF(font).ascent()), text);
    } else if (kind == QStringLiteral("progress")) {
        p.setPen(QColor(104, 104, 104));
        p.setBrush(Qt::white);
        p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
        const double value = numberOf(item, "value", 0);
        for (double x = r.left() + 3; x + 6 < r.left() + 3 + (r.width() - 6) * value; x += 8)
            p.fillRect(QRectF(x, r.top() + 3, 6, r.height() - 6), QColor(55, 200, 55));
    } else if (kind == QStringLiteral("list")) {
        const QRectF clip = item.contains(QStringLiteral("clip")) ? QRectF(r.topLeft(), QSizeF(item.value(QStringLiteral("clip")).toArray().at(0).toDouble() / 15,
                                                                                               item.value(QStringLiteral("clip")).toArray().at(1).toDouble() / 15))
                                                                   : r;
        p.save();
        p.setClipRect(clip);
        p.drawImage(r.topLeft(), pictureOf(scene, require(item, "background").toString()));
        const QFont font = mockFont(scene, item, 11.25);
        const QFontMetricsF m(font);
        const double rowHeight = std::ceil(m.height()) + 2;
        p.fillRect(QRectF(r.left(), r.top(), r.width(), rowHeight + 2), QColor(236, 233, 216));
        p.setPen(QColor(172, 168, 153));
        p.drawLine(QPointF(r.left(), r.top() + rowHeight + 1.5), QPointF(r.right(), r.top() + rowHeight + 1.5));
        const QJsonArray columns = item.value(QStringLiteral("columns")).toArray();
        const QJsonArray widths = item.value(QStringLiteral("widths")).toArray();
        p.setFont(font);
        double cx = r.left();
        for (int c = 0; c < columns.size(); ++c) {
            p.setPen(Qt::black);
            p.drawText(QPointF(cx + 4, r.top() + 1 + m.ascent()), columns.at(c).toString());
            cx += widths.at(c).toDouble();
        }
        const QImage& icon = pictureOf(scene, require(item, "icon").toString());
        double y = r.top() + rowHeight + 3;
        int row = 0;
        for (const QJsonValue v : item.value(QStringLiteral("rows")).toArray()) {
            const QJsonArray cellsOfRow = v.toArray();
            if (row == numberOf(item, "selected", -1))
                p.fillRect(QRectF(r.left() + 18, y, widths.at(0).toDouble() - 18, rowHeight), QColor(49, 106, 197));
            p.drawImage(QPointF(r.left() + 3, y + (rowHeight - icon.height()) / 2), icon);
            cx = r.left();
            for (int c = 0; c < cellsOfRow.size(); ++c) {
                p.setFont(c == 0 ? scene.source.font(QStringLiteral("jaSerif"), font.pixelSize(), false) : font);
                p.setPen(row == numberOf(item, "selected", -1) && c == 0 ? Qt::white : Qt::black);
                p.drawText(QPointF(cx + (c == 0 ? 20 : 4), y + 1 + m.ascent()), cellsOfRow.at(c).toString());
                cx += widths.at(c).toDouble();
            }
            y += rowHeight;
            ++row;
        }
        p.restore();
    } else {
        fail(QStringLiteral("unknown mock \"%1\"").arg(kind));
    }
}

QJsonArray itemsOf(const QJsonObject& previews, const QString& name)
{
    for (const QJsonValue v : previews.value(QStringLiteral("previews")).toArray()) {
        const QJsonObject o = v.toObject();
        if (o.value(QStringLiteral("name")).toString() != name)
            continue;
        QJsonArray items;
        if (o.contains(QStringLiteral("like")))
            items = itemsOf(previews, o.value(QStringLiteral("like")).toString());
        for (const QJsonValue i : o.value(QStringLiteral("items")).toArray())
            items.append(i);
        return items;
    }
    fail(QStringLiteral("unknown preview \"%1\"").arg(name));
}

void roundWindowCorners(QImage& image)
{
    QImage shaped(image.size(), QImage::Format_ARGB32);
    shaped.fill(QColor(58, 62, 66));
    QPainter p(&shaped);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath outline;
    outline.addRoundedRect(QRectF(0, 0, image.width(), image.height()), 14, 14);
    p.setClipPath(outline);
    p.drawImage(0, 0, image);
    p.end();
    image = shaped;
}

QImage composePreview(const Scene& scene, const QJsonArray& items, bool places)
{
    QImage screen(800, 600, QImage::Format_ARGB32);
    screen.fill(Qt::black);
    QPainter p(&screen);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    for (const QJsonValue v : items) {
        const QJsonObject item = v.toObject();
        const QRectF r = placeOf(scene, item);
        if (item.contains(QStringLiteral("picture"))) {
            const QImage picture = keyedOut(pictureOf(scene, item.value(QStringLiteral("picture")).toString()));
            p.save();
            if (item.contains(QStringLiteral("clip")))
                p.setClipRect(QRectF(r.left(), r.top(), item.value(QStringLiteral("clip")).toArray().at(0).toDouble() / 15,
                                     item.value(QStringLiteral("clip")).toArray().at(1).toDouble() / 15));
            p.drawImage(r.topLeft(), picture);
            p.restore();
        } else if (!places) {
            p.save();
            mockControl(p, scene, item, r);
            p.restore();
        }
        if (places && item.contains(QStringLiteral("id"))) {
            const bool isPicture = item.contains(QStringLiteral("picture"));
            const QRectF box = isPicture ? QRectF(r.topLeft(), pictureOf(scene, item.value(QStringLiteral("picture")).toString()).size()) : r;
            if (!isPicture)
                p.fillRect(box, QColor(255, 0, 200, 60));
            p.setPen(QPen(isPicture ? QColor(0, 90, 255, 200) : QColor(230, 0, 160), 1));
            p.setBrush(Qt::NoBrush);
            p.drawRect(box.adjusted(0.5, 0.5, -0.5, -0.5));
            p.setFont(scene.source.font(QStringLiteral("zh"), 9, false));
            p.setPen(isPicture ? QColor(0, 60, 200) : QColor(160, 0, 110));
            p.drawText(box.topLeft() + QPointF(2, 9), item.value(QStringLiteral("id")).toString());
        }
    }
    p.end();
    roundWindowCorners(screen);
    return screen;
}

} // namespace

void writeSheets(const ArtSource& source, const std::vector<Output>& outputs, const QJsonObject& previews, const QString& folder)
{
    QDir().mkpath(folder);
    writeContactSheet(source, outputs, folder + QStringLiteral("/contact_sheet.png"));
    Scene scene{source, {}, {}};
    for (const Output& o : outputs)
        scene.pictures[o.name] = o.image;
    const QJsonObject frames = previews.value(QStringLiteral("frames")).toObject();
    for (auto it = frames.begin(); it != frames.end(); ++it) {
        const QPointF t = pointOf(it.value());
        scene.frames[it.key()] = QPointF(t.x() / 15, t.y() / 15);
    }
    for (const QJsonValue v : previews.value(QStringLiteral("previews")).toArray()) {
        const QString name = v.toObject().value(QStringLiteral("name")).toString();
        const QJsonArray items = itemsOf(previews, name);
        for (bool places : {false, true}) {
            const QString path = folder + QStringLiteral("/preview_") + name + (places ? QStringLiteral("_places.png") : QStringLiteral(".png"));
            if (!composePreview(scene, items, places).save(path, "PNG"))
                fail(QStringLiteral("cannot write %1").arg(path));
        }
    }
}

} // namespace artgen
