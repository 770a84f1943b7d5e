#pragma once

#include "platform/time/Timer.h"

#include <cstdint>
#include <vector>

namespace fakes {

// Timers that tick only when the test advances the clock. A timer with interval N fires at
// every multiple of N ms after its last (re)start; when several are due at the same moment,
// they fire in the order they were created. Advancing is exact: no real time passes.
class ManualClock : public platform::TimerFactory {
public:
    ManualClock();
    ~ManualClock() override;

    std::unique_ptr<platform::Timer> createTimer() override;

    // Moves time forward by MS milliseconds, firing every tick due on the way in time order.
    void advance(std::int64_t ms);
    // Moves time forward until no timer runs or LIMIT ms passed; returns the time advanced.
    std::int64_t runUntilIdle(std::int64_t limit);
    std::int64_t now() const { return m_now; }
    // Timers alive and running now.
    int runningTimers() const;
    int liveTimers() const { return static_cast<int>(m_timers.size()); }

private:
    class ManualTimer;
    friend class ManualTimer;
    std::int64_t m_now = 0;
    std::vector<ManualTimer*> m_timers; // creation order
};

} // namespace fakes
