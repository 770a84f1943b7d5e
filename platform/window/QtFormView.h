#pragma once

#include "platform/draw/Surface.h"
#include "platform/window/Form.h"

#include <memory>

namespace platform {

// Shows a Form as a Qt window and feeds the learner's input back into it: one widget per
// control, stacked as the description lists them, mirroring every change the form reports.
// The form stays the single source of truth; the view never calls logic except by raising
// the form's own events (clicks, keys, focus, window state).
class QtFormView {
public:
    // Shows FORM as the program's skinned window: no frame and no caption bar; it carries
    // the program's one taskbar entry (caption and icon of the form).
    explicit QtFormView(Form& form);
    // Shows PROXY, the form that stands for CARRIER's window in the taskbar, through that
    // window: the proxy's window state is the carrier window's state as the taskbar shows
    // it, and closing the entry unloads the proxy. A window that the window system hides
    // loses its taskbar entry, so while the proxy is minimised, hiding the carrier's form
    // keeps its window minimised instead.
    QtFormView(Form& proxy, QtFormView& carrier);
    ~QtFormView();
    QtFormView(const QtFormView&) = delete;
    QtFormView& operator=(const QtFormView&) = delete;

    // The services forms shown by Qt views use: Qt timers, the real pointer, message boxes.
    static FormServices services();

    // The window's current picture (what is on screen, masks not applied).
    Surface grab() const;
    // The QWidget of CONTROL (platform code and tests only), or nullptr.
    void* widgetOf(const Control& control) const;
    void* window() const;

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};

} // namespace platform
