#include "platform/store/ChildProcess.h"

#include <cerrno>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <utility>

#include <fcntl.h>
#include <poll.h>
#include <sys/mman.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace platform {
namespace {

bool writeAll(int fd, const char* data, std::size_t size)
{
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

// The private writable memory this process holds now (VmData), in bytes; 0 when unknown.
// Reads /proc with plain system calls only: this runs in a freshly forked child.
std::size_t dataBytesNow()
{
    const int fd = ::open("/proc/self/status", O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return 0;
    char text[8192];
    const ssize_t n = ::read(fd, text, sizeof text - 1);
    ::close(fd);
    if (n <= 0)
        return 0;
    text[n] = '\0';
    const char* at = std::strstr(text, "VmData:");
    if (!at)
        return 0;
    at += 7;
    std::size_t kib = 0;
    while (*at == ' ' || *at == '\t')
        ++at;
    while (*at >= '0' && *at <= '9')
        kib = kib * 10 + static_cast<std::size_t>(*at++ - '0');
    return kib * 1024;
}

[[noreturn]] void childMain(int resultFd, const std::function<std::string()>& work, std::size_t memoryHeadroom)
{
    const rlimit noCore { 0, 0 };
    ::setrlimit(RLIMIT_CORE, &noCore);
    if (memoryHeadroom > 0) {
        if (const std::size_t now = dataBytesNow()) {
            const rlimit data { now + memoryHeadroom, now + memoryHeadroom };
            ::setrlimit(RLIMIT_DATA, &data);
        }
    }
    for (int sig : { SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT, SIGPIPE })
        std::signal(sig, SIG_DFL);
    // The result file is the child's only output: what the work prints (libmdb dumps pages on
    // some damage) must not mix with this program's own output.
    const int devNull = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
    if (devNull >= 0) {
        ::dup2(devNull, STDOUT_FILENO);
        ::close(devNull);
    }
    // Fresh stdio streams: another thread may have held the lock of stdout or stderr at the
    // fork, and in the child nobody would ever release it.
    if (std::FILE* out = std::fopen("/dev/null", "w"))
        stdout = out;
    if (const int errFd = ::dup(STDERR_FILENO); errFd >= 0) {
        if (std::FILE* err = ::fdopen(errFd, "w")) {
            std::setvbuf(err, nullptr, _IONBF, 0);
            stderr = err;
        }
    }
    // Libraries end the process with exit() on some errors (libmdb does on a short page).
    // The exit handlers and static destructors registered so far belong to this program's
    // copy (Qt, SDL, stdio buffers): this handler, registered last and so run first, ends the
    // child before any of them runs.
    std::atexit([] { ::_exit(5); });
    std::string bytes;
    try {
        bytes = work();
    } catch (...) {
        ::_exit(3);
    }
    // The length first, so that a result cut short by a crash is never taken for a whole one.
    const std::uint64_t size = bytes.size();
    const bool written
        = writeAll(resultFd, reinterpret_cast<const char*>(&size), sizeof size) && writeAll(resultFd, bytes.data(), bytes.size());
    ::_exit(written ? 0 : 4);
}

// Waits until every write end of FD is closed (the child has ended) or DEADLINE passes;
// returns false on timeout.
bool waitForEnd(int fd, std::chrono::steady_clock::time_point deadline)
{
    char buffer[256];
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        pollfd p { fd, POLLIN, 0 };
        const int ready = ::poll(&p, 1, left.count() > 0 ? static_cast<int>(left.count()) : 0);
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready <= 0)
            return false;
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && (errno == EINTR || errno == EAGAIN))
            continue;
        if (n <= 0)
            return true;
    }
}

// The whole content of FD (mapped, then copied once).
std::string readAll(int fd)
{
    struct stat st { };
    if (::fstat(fd, &st) != 0 || st.st_size <= 0)
        return {};
    const auto size = static_cast<std::size_t>(st.st_size);
    void* at = ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE, fd, 0);
    if (at == MAP_FAILED)
        return {};
    std::string bytes(static_cast<const char*>(at), size);
    ::munmap(at, size);
    return bytes;
}

// Waits for PID; STATUS is left as -1 when it cannot be known (children reaped elsewhere).
int reap(pid_t pid)
{
    int status = -1;
    while (::waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR)
            return -1;
    }
    return status;
}

} // namespace

ChildOutcome runInChild(const std::function<std::string()>& work, std::chrono::milliseconds timeout, std::size_t memoryHeadroom)
{
    ChildOutcome outcome;
    // The result goes into a file in memory, written in one go with no reader to wait for;
    // the pipe only tells when the child has ended (its end closes when the child does).
    const int resultFd = ::memfd_create("child-result", MFD_CLOEXEC);
    if (resultFd < 0) {
        outcome.why = std::string("no memory file: ") + std::strerror(errno);
        return outcome;
    }
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0) {
        outcome.why = std::string("no pipe: ") + std::strerror(errno);
        ::close(resultFd);
        return outcome;
    }
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    const pid_t pid = ::fork();
    if (pid < 0) {
        outcome.why = std::string("no child process: ") + std::strerror(errno);
        ::close(fds[0]);
        ::close(fds[1]);
        ::close(resultFd);
        return outcome;
    }
    if (pid == 0) {
        ::close(fds[0]);
        childMain(resultFd, work, memoryHeadroom);
    }
    ::close(fds[1]);
    const bool ended = waitForEnd(fds[0], deadline);
    ::close(fds[0]);
    if (!ended) {
        ::kill(pid, SIGKILL);
        reap(pid);
        ::close(resultFd);
        outcome.kind = ChildOutcome::Kind::TimedOut;
        return outcome;
    }
    const int status = reap(pid);
    std::string received = readAll(resultFd);
    ::close(resultFd);
    std::uint64_t size = 0;
    const bool whole
        = received.size() >= sizeof size && (std::memcpy(&size, received.data(), sizeof size), received.size() - sizeof size == size);
    const bool exitedWell = status == -1 || (WIFEXITED(status) && WEXITSTATUS(status) == 0);
    if (whole && exitedWell) {
        outcome.kind = ChildOutcome::Kind::Finished;
        received.erase(0, sizeof size);
        outcome.bytes = std::move(received);
        return outcome;
    }
    outcome.kind = ChildOutcome::Kind::Crashed;
    if (status != -1 && WIFSIGNALED(status))
        outcome.signal = WTERMSIG(status);
    return outcome;
}

} // namespace platform
