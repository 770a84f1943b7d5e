#pragma once

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QImage>
#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QRectF>
#include <QString>

#include <map>
#include <stdexcept>

namespace artgen {

// A mistake in the artwork table: names the picture or entry concerned.
class SourceError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

[[noreturn]] void fail(const QString& message);

// The readable artwork table: named colours, font families, button styles, layer templates
// and groups, and the pictures
// already drawn (later pictures may take their background from earlier ones). Every reader
// fails with a SourceError that says what was wrong.
class ArtSource {
public:
    explicit ArtSource(const QJsonObject& root);

    // "#rrggbb", "#rrggbbaa", a colour name of the table, or either followed by "@0.4"
    // (the alpha multiplied by 0.4).
    QColor colour(const QJsonValue& value) const;
    // A colour, or a gradient over AREA: {"top": c, "bottom": c}, {"left": c, "right": c} or
    // {"stops": [[0, c], [1, c]], "dir": "v" | "h"}.
    QBrush fill(const QJsonValue& value, const QRectF& area) const;
    // A font of the table's families ("zh", "ja", ...) at SIZE pixels.
    QFont font(const QString& family, double size, bool bold) const;
    QJsonObject style(const QString& name) const;
    // LAYER with the keys of the template it names ("template") filled in where it has none.
    QJsonObject withTemplate(const QJsonObject& layer) const;
    // A named list of layers that several pictures share (a header, a footer ...).
    QJsonArray group(const QString& name) const;

    const QImage& picture(const QString& name) const;
    void keepPicture(const QString& name, const QImage& image) { m_done[name] = image; }
    bool hasPicture(const QString& name) const { return m_done.count(name) != 0; }

private:
    QJsonObject m_colours;
    QJsonObject m_fonts;
    QJsonObject m_styles;
    QJsonObject m_templates;
    QJsonObject m_groups;
    std::map<QString, QImage> m_done;
};

// Readers of plain JSON values with a useful message when the value has the wrong form.
QRectF rectOf(const QJsonValue& value);
QPointF pointOf(const QJsonValue& value);
double numberOf(const QJsonObject& object, const char* key, double fallback);
QString textOf(const QJsonObject& object, const char* key, const QString& fallback = {});
QJsonValue require(const QJsonObject& object, const char* key);

} // namespace artgen
