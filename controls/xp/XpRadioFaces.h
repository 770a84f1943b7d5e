#pragma once

#include "platform/draw/Surface.h"

#include <array>
#include <string_view>

namespace controls {

// The artwork of the option button: eight round faces of 13 × 13 pixels, index =
// 4 × (1 when the button is chosen) + face state (0 normal, 1 hot, 2 pressed, 3 disabled).
// Pixels outside the circle are fully transparent (alpha 0), so the control's background
// shows through the corners; every pixel inside is opaque.
//
// The faces are drawn here from the pixel map and the colours below, so tests and the
// gallery can regenerate them and compare pixels.

constexpr int kRadioFaceCount = 8;
constexpr int kRadioFaceSize = 13;

// One character per pixel, row by row:
//   '.' outside the circle (transparent)
//   'R' the ring, 'D' the ring where it runs diagonally
//   'a', 'b' the softening between the ring and the interior (darker, lighter)
//   ' ' the interior's outer zone (the orange ring of the hot face)
//   'o' the interior's round centre (white in the hot face)
const std::array<std::string_view, kRadioFaceSize>& radioFaceMap();
// The chosen buttons' dot, 5 × 5 pixels centred on (6, 6): '#' full colour, '+' half and
// '\'' a quarter blended into the interior under it.
const std::array<std::string_view, 5>& radioDotMap();

// Whether (X, Y) lies inside the circle (not transparent).
bool radioCircleContains(int x, int y);

// Face INDEX (0-7); an empty surface for any other number.
platform::Surface makeRadioFace(int index);
// The eight faces, drawn once on first use.
const std::array<platform::Surface, kRadioFaceCount>& radioFaces();

} // namespace controls
