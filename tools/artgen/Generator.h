#pragma once

#include <QImage>
#include <QJsonObject>
#include <QPoint>
#include <QString>

#include <optional>
#include <vector>

namespace artgen {

class ArtSource;

// One file the generator writes: a picture, or one state of a button's skin.
struct Output {
    QString name;    // file name without ".png", e.g. "xuanxiang_1_over"
    QString kind;    // "image", "skin", "cursor" or "icon"
    QString button;  // skins: the button's name ("xuanxiang_1")
    QString state;   // skins: "up", "over" or "disabled"
    std::optional<QPoint> hotSpot;
    QImage image;
};

// Draws every picture of the table's "pictures" list, in order, so that a picture can take
// its background from one drawn before it. Fails with a SourceError on a bad entry.
std::vector<Output> generate(ArtSource& source, const QJsonObject& root);

// The manifest of what was written: name, width, height, kind, and hot spot or skin state.
QJsonObject manifestOf(const std::vector<Output>& outputs);

// Place of a picture given in twips of its container: 15 twips a pixel, rounded.
QPoint twipsToPixels(double x, double y);

} // namespace artgen
