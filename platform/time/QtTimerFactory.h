#pragma once

#include "platform/time/Timer.h"

namespace platform {

// Timers on QTimer (precise timer type), ticking on the thread that owns the event loop, at
// most once every 16 ms whatever shorter interval they are given.
class QtTimerFactory : public TimerFactory {
public:
    std::unique_ptr<Timer> createTimer() override;
};

} // namespace platform
