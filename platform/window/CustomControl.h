#pragma once

#include "platform/window/Control.h"
#include "platform/window/ControlSite.h"
#include "platform/window/HostedControl.h"
#include "platform/window/PropertyBag.h"

#include <memory>
#include <optional>

namespace platform {

// A form control that hosts a self-drawn control and is its site: it keeps the control's
// size in step with the form's geometry, holds its outline and pointer, routes its events to
// the form's handlers, and passes input from the view on. Events the hosted control raises
// ("Click", "MouseDown", ...) are raised by this control under the same names; the form's
// focus notifications are "GotFocus" and "LostFocus".
class CustomControl : public Control, public ControlSite {
public:
    CustomControl(Form& form, std::string name, int index, std::unique_ptr<HostedControl> hosted);
    ~CustomControl() override;

    HostedControl& hosted() const { return *m_hosted; }
    template <typename T>
    T* as() const
    {
        return dynamic_cast<T*>(m_hosted.get());
    }

    // Loads the stored properties (or the defaults when BAG is null) and sizes the control.
    void load(const PropertyBag* bag);

    // Sizes the control (twips) as its container does; reports the resize to it.
    void resize(int width, int height);

    // The outline (null when the control is a plain rectangle).
    const Surface* shapeMask() const { return m_shape ? &*m_shape : nullptr; }
    Argb shapeKey() const { return m_shapeKey; }
    bool windowEnabled() const { return m_windowEnabled && isEffectivelyEnabled(); }
    const std::string& accessKey() const { return m_accessKey; }

    // Input from the view, in client pixels. Nothing is delivered while the window is disabled.
    void deliverMouseDown(int button, int shift, int x, int y);
    void deliverMouseMove(int button, int shift, int x, int y);
    void deliverMouseUp(int button, int shift, int x, int y, bool releasedInside);
    void deliverKeyDown(int keyCode, int shift);
    void deliverKeyPress(int keyAscii);
    void deliverKeyUp(int keyCode, int shift);
    void deliverAccessKey();

    // ControlSite
    void invalidate() override;
    void setSizeTwips(int width, int height) override;
    void setShape(const Surface* mask, Argb key) override;
    bool isRunMode() const override { return true; }
    bool displayAsDefault() const override { return false; }
    FontInfo ambientFont() const override;
    Point pointerPosition() const override;
    bool isUnderPointer() const override;
    std::unique_ptr<Timer> createTimer() override;
    void showAlert(const std::string& message, const std::string& title) override;
    void propertyChanged(const std::string&) override {}
    void setWindowEnabled(bool enabled) override;
    void setPointer(int mousePointer, const Picture& icon) override { Control::setPointer(mousePointer, icon); }
    void setToolTip(const std::string& text) override { Control::setToolTip(text); }
    void setAccessKey(const std::string& utf8Character) override { m_accessKey = utf8Character; }
    void setFocus() override { Control::setFocus(); }
    const void* containerId() const override;
    std::vector<HostedControl*> windowControls() const override;

private:
    std::unique_ptr<HostedControl> m_hosted;
    std::optional<Surface> m_shape;
    Argb m_shapeKey = 0;
    bool m_windowEnabled = true;
    std::string m_accessKey;
};

} // namespace platform
