#include "tests/fakes/RecordingLauncher.h"

namespace fakes {

platform::Status RecordingLauncher::start(const std::string& path)
{
    started.push_back(path);
    if (m_failAll || m_failing.count(path))
        return platform::Error { platform::Error::Code::NotFound, "The program " + path + " cannot be started: it is missing." };
    return platform::success();
}

} // namespace fakes
