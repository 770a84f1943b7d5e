#include "platform/window/Form.h"

#include <algorithm>

#include "platform/window/CustomControl.h"

namespace platform {

Form::Form(std::string name, FormServices services) : m_name(std::move(name)), m_services(services), m_form(*this) {}

Form::~Form()
{
    m_focus = nullptr;
    m_observer = nullptr;
    m_formObserver = nullptr;
}

void Form::setWindowOrder(const std::vector<std::string>& names)
{
    std::vector<std::unique_ptr<Control>> ordered;
    ordered.reserve(m_controls.size());
    for (const std::string& name : names) {
        std::vector<std::unique_ptr<Control>> members;
        for (auto& c : m_controls)
            if (c && c->name() == name)
                members.push_back(std::move(c));
        std::stable_sort(members.begin(), members.end(), [](const auto& a, const auto& b) { return a->index() < b->index(); });
        for (auto& m : members)
            ordered.push_back(std::move(m));
    }
    for (auto& c : m_controls)
        if (c)
            ordered.push_back(std::move(c));
    m_controls = std::move(ordered);
}

Control* Form::find(const std::string& name, int index) const
{
    for (const auto& c : m_controls)
        if (c->name() == name && c->index() == index)
            return c.get();
    return nullptr;
}

std::vector<HostedControl*> Form::hostedControls() const
{
    std::vector<HostedControl*> out;
    for (const auto& c : m_controls)
        if (auto* custom = dynamic_cast<CustomControl*>(c.get()))
            out.push_back(&custom->hosted());
    return out;
}

void Form::notifyForm()
{
    if (m_formObserver)
        m_formObserver->formChanged(*this);
}

void Form::setSize(int width, int height)
{
    m_width = width;
    m_height = height;
    notifyForm();
}

void Form::setVisible(bool visible)
{
    if (visible == m_visible)
        return;
    m_visible = visible;
    notifyForm();
}

void Form::setShape(Region shape)
{
    m_shape = std::move(shape);
    notifyForm();
}

void Form::setWindowState(WindowState state)
{
    if (state == m_windowState)
        return;
    m_windowState = state;
    notifyForm();
}

void Form::windowStateChangedByUser(WindowState state)
{
    if (state == m_windowState)
        return;
    m_windowState = state;
    raise("WindowStateChange");
}

void Form::setFocus(Control* control)
{
    if (control == m_focus)
        return;
    Control* old = m_focus;
    m_focus = control;
    notifyForm();
    if (old) {
        if (auto* custom = dynamic_cast<CustomControl*>(old))
            custom->hosted().lostFocus();
        old->raise("LostFocus");
    }
    if (control && m_focus == control) {
        if (auto* custom = dynamic_cast<CustomControl*>(control))
            custom->hosted().gotFocus();
        control->raise("GotFocus");
    }
}

} // namespace platform
