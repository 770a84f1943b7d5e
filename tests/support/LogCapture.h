#pragma once

#include <string>
#include <vector>

#include "platform/log/ActionLog.h"

namespace testpaths {

// Collects the action log's lines ("<kind> <detail>") while it lives; the log is off again
// afterwards.
class LogCapture {
public:
    LogCapture()
    {
        platform::actionlog::setSink(
            [this](std::string_view kind, std::string_view detail) { lines.push_back(std::string(kind) + " " + std::string(detail)); });
    }
    ~LogCapture() { platform::actionlog::setSink({}); }
    LogCapture(const LogCapture&) = delete;
    LogCapture& operator=(const LogCapture&) = delete;

    std::vector<std::string> lines;
};

} // namespace testpaths
