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
    enum class Role {
        Main,        // the skinned window: no frame, no taskbar entry of its own
        TaskbarProxy // an ordinary window that carries the program's taskbar entry
    };

    QtFormView(Form& form, Role role);
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
