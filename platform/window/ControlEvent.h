#pragma once

#include <functional>
#include <string>

namespace platform {

// One event a control raises to its container, by its declared name ("Click", "MouseDown",
// "KeyPress", ...), with the arguments that event declares; the others stay 0. Handlers get
// a copy: changing it has no effect on the control.
struct ControlEvent {
    std::string name;
    int button = 0;   // mouse-button mask: 1 left, 2 right, 4 middle
    int shift = 0;    // modifier mask: 1 Shift, 2 Ctrl, 4 Alt
    float x = 0;      // mouse position, in the unit the control's event declares
    float y = 0;
    int keyCode = 0;  // virtual key code (32 Space, 38 up, 40 down)
    int keyAscii = 0; // character code of KeyPress

    bool operator==(const ControlEvent&) const = default;
};

using EventSink = std::function<void(const ControlEvent&)>;

// Virtual key codes and masks used by the hosts and controls.
namespace keys {
constexpr int kSpace = 32;
constexpr int kReturn = 13;
constexpr int kLeft = 37;
constexpr int kUp = 38;
constexpr int kRight = 39;
constexpr int kDown = 40;
} // namespace keys

namespace buttons {
constexpr int kLeft = 1;
constexpr int kRight = 2;
constexpr int kMiddle = 4;
} // namespace buttons

} // namespace platform
