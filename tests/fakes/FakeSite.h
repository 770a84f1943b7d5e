#pragma once

#include "platform/window/ControlSite.h"
#include "platform/window/HostedControl.h"
#include "tests/fakes/ManualClock.h"

#include <optional>
#include <string>
#include <vector>

namespace fakes {

// A container for one self-drawn control in tests: the pointer is scripted, timers run on a
// ManualClock, alerts and other calls are recorded. Size changes asked by the control are
// applied at once and reported back through resized(), as a real container does.
class FakeSite : public platform::ControlSite {
public:
    struct Alert {
        std::string message;
        std::string title;
        bool operator==(const Alert&) const = default;
    };

    explicit FakeSite(ManualClock& clock) : m_clock(clock) {}

    // Hosts CONTROL: sets its site and sizes it to WIDTH × HEIGHT pixels (resized() runs).
    void host(platform::HostedControl& control, int widthPx, int heightPx);
    // Resizes the hosted control to WIDTH × HEIGHT pixels, as a container resize does.
    void resize(int widthPx, int heightPx);

    // Scripted pointer.
    void setPointer(platform::Point p, bool underPointer)
    {
        m_pointer = p;
        m_underPointer = underPointer;
    }

    // ControlSite
    void invalidate() override { ++invalidations; }
    void setSizeTwips(int width, int height) override;
    void setShape(const platform::Surface* mask, platform::Argb key) override;
    bool isRunMode() const override { return runMode; }
    bool displayAsDefault() const override { return displayAsDefaultValue; }
    platform::FontInfo ambientFont() const override { return font; }
    platform::Point pointerPosition() const override { return m_pointer; }
    bool isUnderPointer() const override { return m_underPointer && windowEnabled; }
    std::unique_ptr<platform::Timer> createTimer() override { return m_clock.createTimer(); }
    void showAlert(const std::string& message, const std::string& title) override { alerts.push_back({message, title}); }
    void propertyChanged(const std::string& name) override { changedProperties.push_back(name); }
    void setWindowEnabled(bool enabled) override { windowEnabled = enabled; }
    void setPointer(int mousePointer, const platform::Picture& icon) override
    {
        pointerShape = mousePointer;
        pointerIcon = icon;
    }
    void setToolTip(const std::string& text) override { toolTip = text; }
    void setAccessKey(const std::string& ch) override { accessKey = ch; }
    void setFocus() override;
    const void* containerId() const override { return container; }
    std::vector<platform::HostedControl*> windowControls() const override { return controls; }

    // Recorded and settable state, public for tests.
    bool runMode = true;
    bool displayAsDefaultValue = false;
    platform::FontInfo font;
    int invalidations = 0;
    std::vector<Alert> alerts;
    std::vector<std::string> changedProperties;
    bool windowEnabled = true;
    int pointerShape = 0;
    platform::Picture pointerIcon;
    std::string toolTip;
    std::string accessKey;
    int focusRequests = 0;
    std::optional<platform::Surface> shapeMask; // set while the control has an outline
    platform::Argb shapeKey = 0;
    int widthTwips = 0;
    int heightTwips = 0;
    const void* container = nullptr;
    std::vector<platform::HostedControl*> controls;

    int widthPx() const { return widthTwips / 15; }
    int heightPx() const { return heightTwips / 15; }
    // Whether a pixel of the control takes the pointer (inside and not a hole of the shape).
    bool hitTest(platform::Point p) const;

private:
    ManualClock& m_clock;
    platform::HostedControl* m_control = nullptr;
    platform::Point m_pointer{-1000, -1000};
    bool m_underPointer = false;
};

} // namespace fakes
