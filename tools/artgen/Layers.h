#pragma once

#include <QImage>
#include <QJsonArray>
#include <QJsonObject>

namespace artgen {

class ArtSource;

// Paints the layers of a picture in order onto IMAGE. Each layer is an object with "op":
//   fill      {"fill"}                              the whole picture
//   rect      {"rect", "radius", "fill", "border", "borderWidth", "shadow": {"colour", "dy", "spread"}}
//   ellipse   {"rect", "fill", "border", "borderWidth"}
//   line      {"from", "to", "colour", "width", "dash": [on, off]}
//   text      {"text", "font", "size", "bold", "colour", and "at": [x, baseline] or
//              "box": [x, y, w, h] with "align" left | center | right; "vertical": stacked}
//   tag       {"rect", "radius", "fill", "text", "ink", "font", "size", "bold", "vertical"}
//   strip     {"rect", "text", "tabWidth", "tab", "ink", "line"}: a tab with its word, and a
//              rule along the strip's foot that fades out to the right
//   symbol    {"name", "rect", "colour"}
//   button    a button face (see ButtonFace.h) with "state" and "rect"
//   picture   {"name", "at"}: an earlier picture drawn whole
//   seigaiha  {"rect", "colour", "radius", "width"}: rows of overlapping wave arcs
//   fuji      {"rect", "mountain", "snow", "sun"}: the mountain with its snow cap and a sun
//   blossom   {"at", "radius", "colour", "heart", "angle"}: a five-petal flower
//   wave      {"rect", "fill", "amplitude", "periods", "phase"}: a band under a sine curve
//   hand      {"outline", "fill"}: the pointing hand of the pointer, fingertip at (6, 0)
//   group     {"name", "at", "clip", "clipRadius"}: the layers of a named group of the table,
//              moved by "at" and kept inside the rounded rectangle "clip" (group coordinates)
// A layer may name a "template" of the table's "templates": its keys are defaults.
void paintLayers(QImage& image, const ArtSource& source, const QJsonArray& layers);

} // namespace artgen
