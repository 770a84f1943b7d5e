#include "platform/window/TimerControl.h"

#include "platform/window/Form.h"

namespace platform {

TimerControl::TimerControl(Form& form, std::string name, int index) : Control(form, ControlKind::Timer, std::move(name), index)
{
    setVisible(false);
    if (TimerFactory* timers = form.services().timers) {
        m_timer = timers->createTimer();
        m_timer->setOnTick([this] { raise("Timer"); });
    }
}

TimerControl::~TimerControl() = default;

void TimerControl::setInterval(int milliseconds)
{
    m_interval = milliseconds > 0 ? milliseconds : 0;
    if (m_timer)
        m_timer->setInterval(m_interval);
}

} // namespace platform
