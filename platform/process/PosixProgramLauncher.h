#pragma once

#include "platform/process/ProgramLauncher.h"

namespace platform {

// Starts a sibling program as a process of its own: detached (a new session, not our child,
// so it outlives us and never becomes a zombie of ours), with its own folder as working
// folder, standard input from /dev/null and none of our other open files. The path is used as
// given; when it ends in ".exe" (any case) and is not an executable file, the same path
// without ".exe" is tried, since the siblings carry no extension on Linux. start() returns
// once the program has been handed to the system (or failed to be): a missing file, a folder,
// a file without execute permission and a file the system cannot run (exec failing, e.g. a
// Windows program) each give an Error naming the program. Each start is logged as
// "sibling.start" with the path asked for and the result.
class PosixProgramLauncher : public ProgramLauncher {
public:
    Status start(const std::string& path) override;
};

} // namespace platform
