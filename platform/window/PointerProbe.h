#pragma once

#include "platform/draw/Surface.h"

namespace platform {

class Control;

// Where the pointer is, for controls that track it themselves. The real probe asks the
// window system; tests script it.
class PointerProbe {
public:
    virtual ~PointerProbe() = default;
    // The pointer's position in CONTROL's client pixels (it may lie outside the control).
    virtual Point pointerIn(const Control& control) const = 0;
    // Whether CONTROL's own window is the window under the pointer. Hidden and disabled
    // windows are never under the pointer; a window on top of it counts as outside.
    virtual bool isUnderPointer(const Control& control) const = 0;
};

// The modal message box with the error icon and one OK button.
class AlertSink {
public:
    virtual ~AlertSink() = default;
    virtual void alert(const std::string& message, const std::string& title) = 0;
};

} // namespace platform
