#include "platform/process/PosixProgramLauncher.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <optional>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/log/ActionLog.h"

extern char** environ;

namespace platform {
namespace {

bool endsWithExe(const std::string& path)
{
    if (path.size() < 4)
        return false;
    std::string tail = path.substr(path.size() - 4);
    for (char& c : tail)
        c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return tail == ".exe";
}

std::string folderOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

enum class Kind { Missing, Folder, NotExecutable, Runnable };

Kind kindOf(const std::string& path)
{
    struct stat st { };
    if (::stat(path.c_str(), &st) != 0)
        return Kind::Missing;
    if (S_ISDIR(st.st_mode))
        return Kind::Folder;
    if (!S_ISREG(st.st_mode) || (st.st_mode & 0111) == 0 || ::access(path.c_str(), X_OK) != 0)
        return Kind::NotExecutable;
    return Kind::Runnable;
}

Error cannotStart(Error::Code code, const std::string& path, const std::string& why)
{
    return Error { code, "The program " + path + " cannot be started: " + why + "." };
}

// Everything the forked processes need, made before the fork: after it, only calls that are
// safe in the child of a threaded process are made.
struct SpawnPlan {
    std::string program;
    std::string folder;
    std::vector<char*> argv;
};

[[noreturn]] void execInGrandchild(const SpawnPlan& plan, int reportFd)
{
    sigset_t none;
    sigemptyset(&none);
    ::sigprocmask(SIG_SETMASK, &none, nullptr);
    struct sigaction dfl { };
    dfl.sa_handler = SIG_DFL;
    for (int sig : { SIGPIPE, SIGINT, SIGTERM, SIGHUP, SIGCHLD })
        ::sigaction(sig, &dfl, nullptr);
    const int devNull = ::open("/dev/null", O_RDONLY);
    if (devNull >= 0 && devNull != STDIN_FILENO) {
        ::dup2(devNull, STDIN_FILENO);
        ::close(devNull);
    }
    // Every other file of ours closes at exec (the report pipe too, which tells the parent
    // that exec succeeded).
    if (::close_range(3, ~0U, CLOSE_RANGE_CLOEXEC) != 0) {
        const long max = ::sysconf(_SC_OPEN_MAX);
        for (int fd = 3; fd < (max > 0 ? max : 1024); ++fd)
            if (fd != reportFd)
                ::fcntl(fd, F_SETFD, FD_CLOEXEC);
    }
    int error = 0;
    if (::chdir(plan.folder.c_str()) != 0)
        error = errno;
    else {
        ::execve(plan.program.c_str(), plan.argv.data(), environ);
        error = errno;
    }
    [[maybe_unused]] const ssize_t n = ::write(reportFd, &error, sizeof error);
    ::_exit(127);
}

// Starts PLAN detached; returns 0 or the errno that stopped it.
int spawnDetached(SpawnPlan& plan)
{
    plan.argv = { plan.program.data(), nullptr };
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0)
        return errno;
    const pid_t child = ::fork();
    if (child < 0) {
        const int error = errno;
        ::close(fds[0]);
        ::close(fds[1]);
        return error;
    }
    if (child == 0) {
        ::close(fds[0]);
        ::setsid();
        const pid_t grandchild = ::fork();
        if (grandchild < 0) {
            const int error = errno;
            [[maybe_unused]] const ssize_t n = ::write(fds[1], &error, sizeof error);
            ::_exit(1);
        }
        if (grandchild > 0)
            ::_exit(0);
        execInGrandchild(plan, fds[1]);
    }
    ::close(fds[1]);
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) { }
    int error = 0;
    ssize_t got;
    while ((got = ::read(fds[0], &error, sizeof error)) < 0 && errno == EINTR) { }
    ::close(fds[0]);
    return got == static_cast<ssize_t>(sizeof error) ? error : 0;
}

Result<std::string> resolve(const std::string& path)
{
    std::vector<std::string> candidates { path };
    if (endsWithExe(path))
        candidates.push_back(path.substr(0, path.size() - 4));
    std::optional<Kind> found;
    for (const std::string& candidate : candidates) {
        const Kind kind = kindOf(candidate);
        if (kind == Kind::Runnable)
            return candidate;
        if (kind != Kind::Missing && !found)
            found = kind;
    }
    const std::string also = candidates.size() > 1 ? " (nor is " + candidates[1] + ")" : std::string();
    if (!found)
        return cannotStart(Error::Code::NotFound, path, "it is missing" + also);
    if (*found == Kind::Folder)
        return cannotStart(Error::Code::Unsupported, path, "it is a folder, not a program" + also);
    return cannotStart(Error::Code::Unsupported, path, "it is not an executable file" + also);
}

} // namespace

Status PosixProgramLauncher::start(const std::string& path)
{
    const auto attempt = [&]() -> Result<std::string> {
        Result<std::string> program = resolve(path);
        if (!program)
            return program;
        SpawnPlan plan { program.value(), folderOf(program.value()), {} };
        if (const int error = spawnDetached(plan))
            return cannotStart(Error::Code::Other, path, std::strerror(error));
        return program;
    };
    const Result<std::string> started = attempt();
    actionlog::write("sibling.start", path + ": " + (started ? "started " + started.value() : "failed: " + started.error().message));
    if (!started)
        return started.error();
    return success();
}

} // namespace platform
