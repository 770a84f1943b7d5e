#pragma once

#include <QJsonObject>
#include <QString>

#include <vector>

#include "Generator.h"

namespace artgen {

class ArtSource;

// Pages for looking at the artwork (never part of the program):
// - contact_sheet.png: every picture with its name and size, skins with their blue
//   outside shown as a checkerboard, small pictures enlarged;
// - preview_<name>.png: a screen composed as the window will show it, each picture at its
//   place in twips, with the self-drawn controls (labels, text boxes, check boxes, option
//   buttons, the list, progress bars) mocked up in their places, and the window's corners
//   rounded;
// - preview_<name>_places.png: the same pictures with every control's place outlined
//   and named, to see that nothing painted lies under a self-drawn control.
// PREVIEWS: {"frames": {name: [x, y] twips in the window}, "previews": [...]}.
void writeSheets(const ArtSource& source, const std::vector<Output>& outputs, const QJsonObject& previews, const QString& folder);

} // namespace artgen
