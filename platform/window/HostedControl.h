#pragma once

#include "platform/draw/Surface.h"
#include "platform/window/ControlEvent.h"

#include <string>

namespace platform {

class ControlSite;
class PropertyBag;

// A self-drawn control: it keeps its look on its own Surface, takes plain input from its
// host (positions in the control's client pixels) and raises events through an EventSink.
// The host delivers nothing while the control's window is disabled.
//
// Order of delivery for a left click: mouseDown, (mouseMove...), mouseUp, then click when the
// button was released over the control. Focus moves before mouseDown is delivered.
class HostedControl {
public:
    virtual ~HostedControl() = default;

    // The container that hosts the control; set once, before any other call.
    void setSite(ControlSite* site) { m_site = site; }
    ControlSite* site() const { return m_site; }
    void setEventSink(EventSink sink) { m_sink = std::move(sink); }

    // The class name under which forms store the control ("ButtonEx", "XpCheckBox" ...).
    virtual std::string className() const = 0;
    virtual const Surface& surface() const = 0;

    // Life cycle: a brand-new instance gets initProperties(); a stored one readProperties().
    virtual void initProperties() {}
    virtual void readProperties(const PropertyBag&) {}
    virtual void writeProperties(PropertyBag&) const {}

    virtual void resized(int /*widthPx*/, int /*heightPx*/) {}
    virtual void mouseDown(int /*button*/, int /*shift*/, int /*x*/, int /*y*/) {}
    virtual void mouseMove(int /*button*/, int /*shift*/, int /*x*/, int /*y*/) {}
    virtual void mouseUp(int /*button*/, int /*shift*/, int /*x*/, int /*y*/) {}
    virtual void click() {}
    virtual void keyDown(int /*keyCode*/, int /*shift*/) {}
    virtual void keyPress(int /*keyAscii*/) {}
    virtual void keyUp(int /*keyCode*/, int /*shift*/) {}
    virtual void gotFocus() {}
    virtual void lostFocus() {}
    virtual void accessKeyPressed() {}
    virtual void ambientChanged(const std::string& /*name*/) {}
    // Whether the control can take the keyboard focus at all.
    virtual bool takesFocus() const { return true; }

protected:
    void raise(ControlEvent event) const
    {
        if (m_sink)
            m_sink(event);
    }

private:
    ControlSite* m_site = nullptr;
    EventSink m_sink;
};

} // namespace platform
