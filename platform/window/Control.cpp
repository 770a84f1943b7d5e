#include "platform/window/Control.h"

#include "platform/window/Form.h"

namespace platform {

Control::Control(Form& form, ControlKind kind, std::string name, int index) : m_form(form), m_kind(kind), m_name(std::move(name)), m_index(index) {}

Control::~Control() = default;

std::string Control::displayName() const { return m_index < 0 ? m_name : m_name + "(" + std::to_string(m_index) + ")"; }

void Control::notify(ControlChange what)
{
    if (ControlObserver* o = m_form.observer())
        o->changed(*this, what);
}

void Control::move(int left, int top, int width, int height)
{
    if (left == m_left && top == m_top && width == m_width && height == m_height)
        return;
    m_left = left;
    m_top = top;
    m_width = width;
    m_height = height;
    notify(ControlChange::Geometry);
}

void Control::setVisible(bool visible)
{
    if (visible == m_visible)
        return;
    m_visible = visible;
    if (!isShown() && hasFocus())
        m_form.setFocus(nullptr);
    notify(ControlChange::Visible);
}

bool Control::isShown() const
{
    for (const Control* c = this; c; c = c->m_container)
        if (!c->m_visible)
            return false;
    return true;
}

void Control::setEnabled(bool enabled)
{
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    notify(ControlChange::Enabled);
}

bool Control::isEffectivelyEnabled() const
{
    for (const Control* c = this; c; c = c->m_container)
        if (!c->m_enabled)
            return false;
    return true;
}

void Control::setText(const std::string& text)
{
    if (text == m_text)
        return;
    m_text = text;
    notify(ControlChange::Text);
}

void Control::setFont(const FontInfo& font)
{
    m_font = font;
    notify(ControlChange::Font);
}

void Control::setLanguage(const std::string& language)
{
    m_language = language;
    notify(ControlChange::Font);
}

void Control::setColours(OleColour back, OleColour fore, bool backTransparent)
{
    m_backColour = back;
    m_foreColour = fore;
    m_backTransparent = backTransparent;
    notify(ControlChange::Colours);
}

void Control::setPicture(const Picture& picture)
{
    m_picture = picture;
    notify(ControlChange::Picture);
}

void Control::setToolTip(const std::string& text)
{
    m_toolTip = text;
    notify(ControlChange::ToolTip);
}

void Control::setPointer(int mousePointer, const Picture& icon)
{
    m_mousePointer = mousePointer;
    m_mouseIcon = icon;
    notify(ControlChange::Pointer);
}

std::string Control::attribute(const std::string& key) const
{
    auto it = m_attributes.find(key);
    return it == m_attributes.end() ? std::string() : it->second;
}

void Control::setFocus() { m_form.setFocus(this); }

bool Control::hasFocus() const { return m_form.focus() == this; }

void Control::on(const std::string& event, std::function<void(const ControlEvent&)> handler) { m_handlers[event] = std::move(handler); }

void Control::raise(const ControlEvent& event)
{
    auto it = m_handlers.find(event.name);
    if (it == m_handlers.end() || !it->second)
        return;
    // The handler gets a copy; changes it makes to its arguments are dropped. Copy the
    // handler too: it may replace itself while it runs.
    const auto handler = it->second;
    handler(ControlEvent(event));
}

} // namespace platform
