#pragma once

#include "platform/draw/Colour.h"
#include "platform/draw/FontInfo.h"
#include "platform/draw/Picture.h"
#include "platform/draw/Surface.h"
#include "platform/time/Timer.h"

#include <memory>
#include <string>
#include <vector>

namespace platform {

class HostedControl;

// What a self-drawn control asks of the container that hosts it. The real site is a Qt
// widget in the lesson window; tests use a fake that records calls and scripts the pointer.
// Every call is made on the user-interface thread.
class ControlSite {
public:
    virtual ~ControlSite() = default;

    // The control's surface changed: show it again (the host copies it; no callback).
    virtual void invalidate() = 0;

    // Asks the container to resize the control (twips). When this changes the size, the
    // container calls HostedControl::resized() before returning.
    virtual void setSizeTwips(int width, int height) = 0;

    // The control's outline: with a mask, every pixel of MASK whose colour equals KEY
    // (alpha ignored) is a hole that neither shows nor takes the pointer; nullptr makes the
    // control a plain rectangle again. The site keeps its own copy.
    virtual void setShape(const Surface* mask, Argb key) = 0;

    // Whether the container runs the program (true) or is a designer (false).
    virtual bool isRunMode() const = 0;
    // The container's "DisplayAsDefault" ambient value.
    virtual bool displayAsDefault() const = 0;
    // The container's font, the default for a new instance's font property.
    virtual FontInfo ambientFont() const = 0;

    // The pointer's position in the control's client pixels (it may lie outside).
    virtual Point pointerPosition() const = 0;
    // Whether the control's own window is the window under the pointer. Hidden and disabled
    // windows are never under the pointer; another window or control on top counts as outside.
    virtual bool isUnderPointer() const = 0;

    // A timer ticking on the user-interface thread.
    virtual std::unique_ptr<Timer> createTimer() = 0;

    // A modal message box with the error icon and one OK button; returns when dismissed.
    virtual void showAlert(const std::string& message, const std::string& title) = 0;

    // A property changed (a designer would save it); may do nothing.
    virtual void propertyChanged(const std::string& name) = 0;

    // Enables or disables the control's window: a disabled window gets no pointer or key input.
    virtual void setWindowEnabled(bool enabled) = 0;
    // The pointer shape over the control: 0 the container's default, 99 ICON, others the
    // platform's standard shapes.
    virtual void setPointer(int mousePointer, const Picture& icon) = 0;
    virtual void setToolTip(const std::string& text) = 0;
    // The character that, pressed with Alt, activates the control (empty: none).
    virtual void setAccessKey(const std::string& utf8Character) = 0;
    // Gives the control the keyboard focus (the container then sends gotFocus()).
    virtual void setFocus() = 0;

    // Identity of the container object the control sits in (the window, a frame, a picture
    // box): two controls are in the same container exactly when these are equal.
    virtual const void* containerId() const = 0;
    // Every self-drawn control of the window, whatever its container, in the window's order.
    virtual std::vector<HostedControl*> windowControls() const = 0;
};

} // namespace platform
