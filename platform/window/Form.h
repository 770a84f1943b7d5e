#pragma once

#include "platform/window/Control.h"
#include "platform/window/Region.h"

#include <memory>
#include <string>
#include <vector>

namespace platform {

class AlertSink;
class CustomControl;
class HostedControl;
class PointerProbe;
class TimerFactory;

// What a form needs from the platform while it runs: timers, the pointer and the message box.
struct FormServices {
    TimerFactory* timers = nullptr;
    PointerProbe* pointer = nullptr;
    AlertSink* alerts = nullptr;
};

// A window and its controls, as plain state: the controls in the window's own order, found
// by name and index, the input focus, the caption, icon, size and window state. A view
// (platform/window/qt) shows a form on screen and feeds the learner's input back into it;
// without a view, a form is driven directly by tests.
class Form {
public:
    enum class WindowState { Normal, Minimized };

    Form(std::string name, FormServices services);
    ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    const std::string& name() const { return m_name; }
    const FormServices& services() const { return m_services; }

    // Adds a control at the end of the window's order; the form owns it.
    template <typename T, typename... Args>
    T& add(Args&&... args)
    {
        auto control = std::make_unique<T>(*this, std::forward<Args>(args)...);
        T& ref = *control;
        m_controls.push_back(std::move(control));
        return ref;
    }
    // Puts the controls into the window's order given by NAMES (a control array keeps its
    // members together, by index); controls not named stay at the end in creation order.
    void setWindowOrder(const std::vector<std::string>& names);

    // The control NAME (INDEX for a member of an array), or nullptr.
    Control* find(const std::string& name, int index = -1) const;
    template <typename T>
    T* findAs(const std::string& name, int index = -1) const
    {
        return dynamic_cast<T*>(find(name, index));
    }
    const std::vector<std::unique_ptr<Control>>& controls() const { return m_controls; }
    // Every self-drawn control, in the window's order.
    std::vector<HostedControl*> hostedControls() const;

    // Caption, icon, size (twips) and window state.
    const std::string& caption() const { return m_caption; }
    void setCaption(const std::string& caption) { m_caption = caption; }
    const Picture& icon() const { return m_icon; }
    void setIcon(const Picture& icon) { m_icon = icon; }
    int width() const { return m_width; }
    int height() const { return m_height; }
    void setSize(int width, int height);
    bool visible() const { return m_visible; }
    void setVisible(bool visible);
    // The window's outline in pixels (empty: the plain rectangle). The form keeps it.
    const Region& shape() const { return m_shape; }
    void setShape(Region shape);
    WindowState windowState() const { return m_windowState; }
    void setWindowState(WindowState state);
    // Raised by the view when the learner changed the window state (taskbar, window manager).
    void windowStateChangedByUser(WindowState state);

    // The input focus. Moving it raises "LostFocus" on the old control and "GotFocus" on
    // the new one (self-drawn controls hear lostFocus()/gotFocus() first).
    Control* focus() const { return m_focus; }
    void setFocus(Control* control);

    // Lets the window system move the window with the pointer until the left button is
    // released (called while handling a left press). Does nothing without a view.
    void beginSystemMove()
    {
        if (m_formObserver)
            m_formObserver->systemMoveRequested(*this);
    }

    // Form-level events ("WindowStateChange", "Unload") go to these handlers.
    void on(const std::string& event, std::function<void(const ControlEvent&)> handler) { m_form.on(event, std::move(handler)); }
    void raise(const std::string& event) { m_form.raise(event); }

    // The view that mirrors this form; at most one.
    void setObserver(ControlObserver* observer) { m_observer = observer; }
    ControlObserver* observer() const { return m_observer; }
    // The form's own changes (caption, size, visibility, state) reach the view through this.
    class FormObserver {
    public:
        virtual ~FormObserver() = default;
        virtual void formChanged(Form& form) = 0;
        // The window should follow the pointer while the left button stays down.
        virtual void systemMoveRequested(Form&) {}
    };
    void setFormObserver(FormObserver* observer) { m_formObserver = observer; }

private:
    class FormEvents : public Control {
    public:
        FormEvents(Form& form) : Control(form, ControlKind::Hidden, "", -1) {}
    };
    void notifyForm();

    std::string m_name;
    FormServices m_services;
    std::vector<std::unique_ptr<Control>> m_controls;
    std::string m_caption;
    Picture m_icon;
    int m_width = 0;
    int m_height = 0;
    bool m_visible = false;
    Region m_shape;
    WindowState m_windowState = WindowState::Normal;
    Control* m_focus = nullptr;
    ControlObserver* m_observer = nullptr;
    FormObserver* m_formObserver = nullptr;
    FormEvents m_form;
};

} // namespace platform
