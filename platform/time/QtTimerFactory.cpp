#include "platform/time/QtTimerFactory.h"

#include <QTimer>

namespace platform {
namespace {

// The shortest period a timer ticks at, whatever interval it is given: the system clock tick
// of the desktops these windows come from. A control asking for 1 ms (the button's hover
// check) would otherwise wake the program a thousand times a second.
constexpr int kShortestPeriodMs = 16;

class QtTimer : public Timer {
public:
    QtTimer()
    {
        m_timer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { tick(); });
    }
    void setInterval(int milliseconds) override
    {
        m_interval = milliseconds > 0 ? milliseconds : 0;
        if (m_interval > 0)
            m_timer.start(m_interval < kShortestPeriodMs ? kShortestPeriodMs : m_interval);
        else
            m_timer.stop();
    }
    int interval() const override { return m_interval; }

private:
    QTimer m_timer;
    int m_interval = 0;
};

} // namespace

std::unique_ptr<Timer> QtTimerFactory::createTimer() { return std::make_unique<QtTimer>(); }

} // namespace platform
