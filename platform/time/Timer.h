#pragma once

#include <functional>
#include <memory>

namespace platform {

// A repeating timer on the user-interface thread, as the window's timers behave: it runs
// while its interval (milliseconds) is above 0, and setting the interval restarts the
// period. Ticks never re-enter: a tick handler runs to completion before the next one.
class Timer {
public:
    virtual ~Timer() = default;
    virtual void setInterval(int milliseconds) = 0; // 0 (or less) stops the timer
    virtual int interval() const = 0;
    bool isRunning() const { return interval() > 0; }
    void setOnTick(std::function<void()> handler) { m_onTick = std::move(handler); }

protected:
    void tick()
    {
        if (m_onTick)
            m_onTick();
    }

private:
    std::function<void()> m_onTick;
};

// Makes timers. The real one is driven by the Qt event loop; tests use a manual clock.
class TimerFactory {
public:
    virtual ~TimerFactory() = default;
    virtual std::unique_ptr<Timer> createTimer() = 0;
};

} // namespace platform
