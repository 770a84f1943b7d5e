#pragma once

#include <chrono>
#include <cstddef>
#include <functional>
#include <string>

namespace platform {

// How a piece of work run in a child process ended.
struct ChildOutcome {
    enum class Kind {
        Finished, // the work returned; bytes holds what it returned
        Crashed, // the child died before it handed back its result (signal holds the signal, or 0)
        TimedOut, // the child ran past the time limit and was killed
        NotStarted // no child process could be made (why says why)
    };
    Kind kind = Kind::NotStarted;
    std::string bytes;
    int signal = 0;
    std::string why;
};

// Runs WORK in a child process forked from this one and hands back the bytes it returned, so
// that a crash, a hang or a leak inside WORK cannot touch this process. The child gets a copy
// of this process's memory, runs only WORK (no other thread of this process exists in it, so
// WORK must not wait on one), writes its result into a file in memory and ends with _exit: no
// exit handler, destructor or stdio flush of this process runs in it, even when WORK calls
// exit(). Core dumps are off and the
// crash signals have their default action in the child, so a crash leaves no file behind; its
// standard output goes to /dev/null (its standard error stays, for diagnosis).
// The child is killed when it has not finished after TIMEOUT (0 ms: it must already be done
// when first checked). When MEMORY_HEADROOM is not 0, the child may allocate only that many
// bytes beyond the memory it was born with: work that runs away allocating fails there
// (usually by aborting) instead of filling the machine before the time limit. Blocks the
// caller until the child has ended; the child is always reaped.
ChildOutcome runInChild(const std::function<std::string()>& work, std::chrono::milliseconds timeout, std::size_t memoryHeadroom = 0);

} // namespace platform
