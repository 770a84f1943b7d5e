#pragma once

#include "platform/core/Result.h"
#include "platform/window/Form.h"
#include "platform/window/HostedControl.h"

#include <functional>
#include <memory>
#include <string>

namespace platform {

// Makes the self-drawn control stored under CLASS_NAME ("ButtonEx" ...), or nullptr.
using HostedFactory = std::function<std::unique_ptr<HostedControl>(const std::string& className)>;
// The picture of the artwork called NAME (absent when there is none).
using PictureSource = std::function<Picture(const std::string& name)>;

// Builds a form from its description (JSON, UTF-8):
//   { "name", "caption", "width", "height" (twips), "icon" (artwork name), "font",
//     "order": [control names in the window's order],
//     "propertySets": { set name: { stored property: value } },
//     "controls": [ { "name", "index"?, "kind", "in"? ("frame" or "frame(1)"),
//                     "place": [left, top, width, height] (twips), "text"?, "visible"?,
//                     "enabled"?, "font"? {name, size, weight, charset, italic...}, "lang"?,
//                     "back"? [r,g,b] | "transparent", "fore"? [r,g,b], "picture"?, "tip"?,
//                     "pointer"?, "icon"?, "attributes"? {key: text},
//                     "use"? [property set names], "props"? {stored property: value} } ] }
// Kinds: Label, TextBox, Frame, Image, PictureBox, Timer, ListView, Hidden, or the class name
// of a self-drawn control. Stored property values: numbers (32-bit), booleans, strings,
// fonts ({"name": ...}), pictures ({"picture": artwork name}) and cursors ({"cursor": name}).
// A container must be listed before its children; within a container, controls are listed
// from back to front. Self-drawn controls read their stored properties (the sets named in
// "use", then "props") with the container's "_extentx"/"_extenty" added.
Result<std::unique_ptr<Form>> loadForm(const std::string& json, const FormServices& services, const HostedFactory& factory,
                                       const PictureSource& pictures);

} // namespace platform
