#pragma once

#include "platform/process/ProgramLauncher.h"

#include <optional>
#include <set>
#include <string>
#include <vector>

namespace fakes {

// Starts nothing: records every path it is asked to start, in order, the failed ones
// included. A path marked with failFor() (or every path, after failAll()) gives an
// Error::Code::NotFound naming it, as a missing sibling does.
class RecordingLauncher : public platform::ProgramLauncher {
public:
    void failFor(const std::string& path) { m_failing.insert(path); }
    void failAll() { m_failAll = true; }

    platform::Status start(const std::string& path) override;

    std::vector<std::string> started;

private:
    std::set<std::string> m_failing;
    bool m_failAll = false;
};

} // namespace fakes
