#pragma once

// Platform-internal helpers shared by the Qt-backed drawing and window code.

#include "platform/draw/FontInfo.h"

#include <QFont>
#include <QImage>
#include <QString>

#include <string>

namespace platform {

class Surface;

// Surfaces and images are 96 dots per inch: 3780 dots per metre.
constexpr int kDotsPerMetre = 3780;

// Installs the face-name substitutions for the legacy Chinese and Japanese font names
// (宋体, SimSun, MS Mincho ...) onto the installed Noto CJK families. Idempotent.
void installFontSubstitutions();

// The QFont for a stored font description; sizes in points at 96 dpi.
QFont qtFont(const FontInfo& font);

inline QString qs(const std::string& utf8) { return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())); }
inline std::string u8(const QString& text) { return text.toUtf8().toStdString(); }

QImage& imageOf(Surface& surface);
const QImage& imageOf(const Surface& surface);
Surface surfaceFromImage(const QImage& image);

} // namespace platform
