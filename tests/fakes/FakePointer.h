#pragma once

#include "platform/window/Control.h"
#include "platform/window/Notices.h"
#include "platform/window/PointerProbe.h"

#include <string>
#include <vector>

namespace fakes {

// A pointer that rests over one control (or none) at a position in that control's pixels.
class FakePointer : public platform::PointerProbe {
public:
    void restOn(const platform::Control* control, platform::Point at = {1, 1})
    {
        m_over = control;
        m_at = at;
    }
    void leave() { m_over = nullptr; }
    platform::Point pointerIn(const platform::Control& control) const override
    {
        return &control == m_over ? m_at : platform::Point{-1000, -1000};
    }
    bool isUnderPointer(const platform::Control& control) const override
    {
        return &control == m_over && control.isShown() && control.isEffectivelyEnabled();
    }

private:
    const platform::Control* m_over = nullptr;
    platform::Point m_at;
};

// Message boxes and notices, recorded instead of shown.
struct RecordingAlerts : platform::AlertSink, platform::Notices {
    struct Shown {
        std::string title;
        std::string message;
    };
    void alert(const std::string& message, const std::string& title) override { alerts.push_back({title, message}); }
    void tell(const std::string& title, const std::string& message) override { notices.push_back({title, message}); }
    std::vector<Shown> alerts;  // modal range messages
    std::vector<Shown> notices; // what the learner was told
};

} // namespace fakes
