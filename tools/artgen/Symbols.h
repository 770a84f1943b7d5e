#pragma once

#include <QColor>
#include <QPainter>
#include <QRectF>
#include <QString>
#include <QStringList>

namespace artgen {

// The small one-colour symbols of the button faces and the backgrounds (loudspeaker,
// microphone, arrows, plus, minus ...). Each is designed on a 24 × 24 grid and drawn
// scaled into the largest square that fits BOX, centred, anti-aliased, in INK.
void drawSymbol(QPainter& painter, const QString& name, const QRectF& box, const QColor& ink);
bool isSymbol(const QString& name);
QStringList symbolNames();

} // namespace artgen
