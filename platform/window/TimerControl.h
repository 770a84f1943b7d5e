#pragma once

#include "platform/time/Timer.h"
#include "platform/window/Control.h"

#include <memory>

namespace platform {

// A form's timer: it runs while its interval (milliseconds) is above 0 and raises "Timer" on
// every tick. Setting the interval again restarts the period.
class TimerControl : public Control {
public:
    TimerControl(Form& form, std::string name, int index = -1);
    ~TimerControl() override;

    int interval() const { return m_interval; }
    void setInterval(int milliseconds);

private:
    std::unique_ptr<Timer> m_timer;
    int m_interval = 0;
};

} // namespace platform
