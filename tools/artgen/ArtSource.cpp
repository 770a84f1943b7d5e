#include "ArtSource.h"

#include <QJsonDocument>
#include <QLinearGradient>

namespace artgen {

void fail(const QString& message) { throw SourceError(message.toStdString()); }

namespace {

QString brief(const QJsonValue& value)
{
    if (value.isObject())
        return QString::fromUtf8(QJsonDocument(value.toObject()).toJson(QJsonDocument::Compact));
    if (value.isArray())
        return QString::fromUtf8(QJsonDocument(value.toArray()).toJson(QJsonDocument::Compact));
    return value.toVariant().toString();
}

QColor hexColour(const QString& text)
{
    // "#rrggbb" or "#rrggbbaa"; QColor reads "#aarrggbb", so the alpha is moved here.
    bool ok = false;
    const uint v = text.mid(1).toUInt(&ok, 16);
    if (!ok || (text.size() != 7 && text.size() != 9))
        fail(QStringLiteral("bad colour \"%1\"").arg(text));
    if (text.size() == 7)
        return QColor(int((v >> 16) & 0xFF), int((v >> 8) & 0xFF), int(v & 0xFF));
    return QColor(int((v >> 24) & 0xFF), int((v >> 16) & 0xFF), int((v >> 8) & 0xFF), int(v & 0xFF));
}

} // namespace

ArtSource::ArtSource(const QJsonObject& root)
    : m_colours(root.value(QStringLiteral("colours")).toObject()),
      m_fonts(root.value(QStringLiteral("fonts")).toObject()),
      m_styles(root.value(QStringLiteral("styles")).toObject()),
      m_templates(root.value(QStringLiteral("templates")).toObject()),
      m_groups(root.value(QStringLiteral("groups")).toObject())
{
}

QColor ArtSource::colour(const QJsonValue& value) const
{
    if (!value.isString())
        fail(QStringLiteral("a colour must be a text, not %1").arg(brief(value)));
    QString text = value.toString();
    double alpha = 1.0;
    const qsizetype at = text.indexOf(QLatin1Char('@'));
    if (at >= 0) {
        bool ok = false;
        alpha = text.mid(at + 1).toDouble(&ok);
        if (!ok)
            fail(QStringLiteral("bad alpha in colour \"%1\"").arg(text));
        text = text.left(at);
    }
    QColor c;
    if (text.startsWith(QLatin1Char('#')))
        c = hexColour(text);
    else if (m_colours.contains(text))
        c = colour(m_colours.value(text));
    else
        fail(QStringLiteral("unknown colour \"%1\"").arg(text));
    c.setAlphaF(float(c.alphaF() * alpha));
    return c;
}

QBrush ArtSource::fill(const QJsonValue& value, const QRectF& area) const
{
    if (value.isString())
        return QBrush(colour(value));
    const QJsonObject o = value.toObject();
    QLinearGradient g;
    if (o.contains(QStringLiteral("top"))) {
        g = QLinearGradient(area.topLeft(), area.bottomLeft());
        g.setColorAt(0, colour(o.value(QStringLiteral("top"))));
        g.setColorAt(1, colour(o.value(QStringLiteral("bottom"))));
    } else if (o.contains(QStringLiteral("left"))) {
        g = QLinearGradient(area.topLeft(), area.topRight());
        g.setColorAt(0, colour(o.value(QStringLiteral("left"))));
        g.setColorAt(1, colour(o.value(QStringLiteral("right"))));
    } else if (o.contains(QStringLiteral("stops"))) {
        const bool horizontal = o.value(QStringLiteral("dir")).toString() == QStringLiteral("h");
        g = horizontal ? QLinearGradient(area.topLeft(), area.topRight()) : QLinearGradient(area.topLeft(), area.bottomLeft());
        for (const QJsonValue stop : o.value(QStringLiteral("stops")).toArray()) {
            const QJsonArray s = stop.toArray();
            g.setColorAt(s.at(0).toDouble(), colour(s.at(1)));
        }
    } else {
        fail(QStringLiteral("bad fill %1").arg(brief(value)));
    }
    return QBrush(g);
}

QFont ArtSource::font(const QString& family, double size, bool bold) const
{
    if (!m_fonts.contains(family))
        fail(QStringLiteral("unknown font \"%1\"").arg(family));
    QFont f(m_fonts.value(family).toString());
    f.setPixelSize(int(size + 0.5));
    f.setBold(bold);
    f.setHintingPreference(QFont::PreferFullHinting);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

QJsonObject ArtSource::style(const QString& name) const
{
    if (!m_styles.contains(name))
        fail(QStringLiteral("unknown style \"%1\"").arg(name));
    return m_styles.value(name).toObject();
}

QJsonObject ArtSource::withTemplate(const QJsonObject& layer) const
{
    if (!layer.contains(QStringLiteral("template")))
        return layer;
    const QString name = layer.value(QStringLiteral("template")).toString();
    if (!m_templates.contains(name))
        fail(QStringLiteral("unknown template \"%1\"").arg(name));
    QJsonObject merged = m_templates.value(name).toObject();
    for (auto it = layer.begin(); it != layer.end(); ++it)
        merged.insert(it.key(), it.value());
    return merged;
}

QJsonArray ArtSource::group(const QString& name) const
{
    if (!m_groups.contains(name))
        fail(QStringLiteral("unknown group \"%1\"").arg(name));
    return m_groups.value(name).toArray();
}

const QImage& ArtSource::picture(const QString& name) const
{
    const auto it = m_done.find(name);
    if (it == m_done.end())
        fail(QStringLiteral("picture \"%1\" is used before it is drawn").arg(name));
    return it->second;
}

QRectF rectOf(const QJsonValue& value)
{
    const QJsonArray a = value.toArray();
    if (a.size() != 4)
        fail(QStringLiteral("a rectangle is [x, y, width, height], not %1").arg(brief(value)));
    return QRectF(a.at(0).toDouble(), a.at(1).toDouble(), a.at(2).toDouble(), a.at(3).toDouble());
}

QPointF pointOf(const QJsonValue& value)
{
    const QJsonArray a = value.toArray();
    if (a.size() != 2)
        fail(QStringLiteral("a point is [x, y], not %1").arg(brief(value)));
    return QPointF(a.at(0).toDouble(), a.at(1).toDouble());
}

double numberOf(const QJsonObject& object, const char* key, double fallback)
{
    const QJsonValue v = object.value(QLatin1String(key));
    if (v.isUndefined())
        return fallback;
    if (!v.isDouble())
        fail(QStringLiteral("\"%1\" must be a number, not %2").arg(QLatin1String(key), brief(v)));
    return v.toDouble();
}

QString textOf(const QJsonObject& object, const char* key, const QString& fallback)
{
    const QJsonValue v = object.value(QLatin1String(key));
    return v.isUndefined() ? fallback : v.toString();
}

QJsonValue require(const QJsonObject& object, const char* key)
{
    const QJsonValue v = object.value(QLatin1String(key));
    if (v.isUndefined())
        fail(QStringLiteral("\"%1\" is missing in %2").arg(QLatin1String(key), brief(object)));
    return v;
}

} // namespace artgen
