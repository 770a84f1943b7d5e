#pragma once

#include <string>

namespace platform {

// Tells the learner that something went wrong, without stopping the program: the real one
// shows a message box that does not block the window, and writes stderr and the action log.
class Notices {
public:
    virtual ~Notices() = default;
    virtual void tell(const std::string& title, const std::string& message) = 0;
};

// The real notices, on Qt message boxes.
Notices& qtNotices();

} // namespace platform
