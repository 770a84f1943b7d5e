#include "tests/fakes/ManualClock.h"

#include <algorithm>
#include <limits>

namespace fakes {

class ManualClock::ManualTimer : public platform::Timer {
public:
    explicit ManualTimer(ManualClock& clock) : m_clock(&clock) { clock.m_timers.push_back(this); }
    ~ManualTimer() override
    {
        if (m_clock)
            std::erase(m_clock->m_timers, this);
    }
    void setInterval(int milliseconds) override
    {
        m_interval = milliseconds > 0 ? milliseconds : 0;
        if (m_interval > 0 && m_clock)
            m_due = m_clock->m_now + m_interval;
    }
    int interval() const override { return m_interval; }
    void fire()
    {
        m_due += m_interval;
        tick();
    }
    void detach() { m_clock = nullptr; }

    ManualClock* m_clock;
    int m_interval = 0;
    std::int64_t m_due = 0;
};

ManualClock::ManualClock() = default;

ManualClock::~ManualClock()
{
    for (ManualTimer* t : m_timers)
        t->detach();
}

std::unique_ptr<platform::Timer> ManualClock::createTimer() { return std::make_unique<ManualTimer>(*this); }

void ManualClock::advance(std::int64_t ms)
{
    const std::int64_t end = m_now + ms;
    for (;;) {
        ManualTimer* next = nullptr;
        for (ManualTimer* t : m_timers)
            if (t->m_interval > 0 && t->m_due <= end && (!next || t->m_due < next->m_due))
                next = t;
        if (!next)
            break;
        m_now = next->m_due;
        next->fire();
    }
    m_now = end;
}

std::int64_t ManualClock::runUntilIdle(std::int64_t limit)
{
    const std::int64_t start = m_now;
    while (runningTimers() > 0 && m_now - start < limit) {
        std::int64_t due = std::numeric_limits<std::int64_t>::max();
        for (ManualTimer* t : m_timers)
            if (t->m_interval > 0)
                due = std::min(due, t->m_due);
        advance(std::min(due, start + limit) - m_now);
    }
    return m_now - start;
}

int ManualClock::runningTimers() const
{
    return static_cast<int>(std::count_if(m_timers.begin(), m_timers.end(), [](const ManualTimer* t) { return t->m_interval > 0; }));
}

} // namespace fakes
