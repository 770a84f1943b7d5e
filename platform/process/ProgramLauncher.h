#pragma once

#include "platform/core/Result.h"

#include <string>

namespace platform {

// Starts the sibling programs of the course folder by path. The window style asked for is
// minimised with the focus (the siblings' own choice on this platform). On Linux a path
// ending in ".exe" is also tried without it. Fails with a message naming the program when
// neither exists or it cannot be started; the program's own result is not waited for.
class ProgramLauncher {
public:
    virtual ~ProgramLauncher() = default;
    virtual Status start(const std::string& path) = 0;
};

} // namespace platform
