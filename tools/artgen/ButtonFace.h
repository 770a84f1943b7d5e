#pragma once

#include <QImage>
#include <QJsonObject>
#include <QPainter>
#include <QRectF>
#include <QString>

namespace artgen {

class ArtSource;

// The pure blue that skins use for everything outside their outline.
inline constexpr QRgb kSkinKey = 0xFF0000FFu;

// Draws one button face of a named style in one state ("up", "over", "down", "disabled")
// into AREA, anti-aliased over what the painter's device holds: the rounded (or round)
// body with its gradient, border and shine, then the symbols and words of BUTTON centred
// as one group. BUTTON: {"style", "words", "symbols": [name | {"name", "colour", "size"}]
// before the words, "after": [...] behind them, "symbolSize", "gap", "size" (of the words),
// "offset": [dx, dy]}. The style gives the shape and, per state, the colours.
void drawButtonFace(QPainter& painter, const ArtSource& source, const QJsonObject& button, const QString& state, const QRectF& area);

// A skin: the face drawn over BASE (the picture under the button at its place, so that the
// edge pixels blend into what surrounds the button), with every pixel the face covers less
// than half made pure blue. The result is opaque; no pixel inside the outline is pure blue.
QImage renderSkin(const ArtSource& source, const QJsonObject& button, const QString& state, const QImage& base);

} // namespace artgen
