#include "platform/store/ChildProcess.h"

#include <csignal>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>

#include <fcntl.h>
#include <unistd.h>

#include <gtest/gtest.h>

using platform::ChildOutcome;
using platform::runInChild;

#if defined(__SANITIZE_ADDRESS__)
// Under AddressSanitizer an allocation refused by a child's memory limit must fail as it does
// without it (a null pointer, std::bad_alloc) instead of ending in the sanitizer's own report,
// which cannot allocate either and hangs the child. One definition for the whole test binary.
extern "C" const char* __asan_default_options()
{
    return "allocator_may_return_null=1";
}
#endif

TEST(ChildProcess, TellsHowTheWorkEnded)
{
    using namespace std::chrono_literals;
    const std::string big(1 << 20, 'x'); // far more than a pipe holds at once
    struct Case {
        const char* name;
        std::function<std::string()> work;
        std::chrono::milliseconds timeout;
        std::size_t headroom;
        ChildOutcome::Kind kind;
        int signal;
        std::string bytes;
    };
    const Case cases[] = {
        { "result handed back", [] { return std::string("R\0ok", 4); }, 10s, 0, ChildOutcome::Kind::Finished, 0, std::string("R\0ok", 4) },
        { "empty result", [] { return std::string(); }, 10s, 0, ChildOutcome::Kind::Finished, 0, "" },
        { "result larger than the pipe", [&] { return big; }, 10s, 0, ChildOutcome::Kind::Finished, 0, big },
        { "crash",
            []() -> std::string {
                std::raise(SIGSEGV);
                return "never";
            },
            10s, 0, ChildOutcome::Kind::Crashed, SIGSEGV, "" },
        { "abort", []() -> std::string { std::abort(); }, 10s, 0, ChildOutcome::Kind::Crashed, SIGABRT, "" },
        { "exit without a result", []() -> std::string { ::_exit(0); }, 10s, 0, ChildOutcome::Kind::Crashed, 0, "" },
        { "exception", []() -> std::string { throw 1; }, 10s, 0, ChildOutcome::Kind::Crashed, 0, "" },
        { "runaway allocation stops at the memory limit",
            []() -> std::string {
                for (;;) { // as glib does: a failed allocation aborts
                    void* block = std::malloc(1 << 20);
                    if (!block)
                        std::abort();
                    std::memset(block, 'x', 1 << 20);
                }
            },
            10s, 16u << 20, ChildOutcome::Kind::Crashed, SIGABRT, "" },
        { "hang is killed at the time limit",
            []() -> std::string {
                for (;;)
                    ::pause();
            },
            0ms, 0, ChildOutcome::Kind::TimedOut, 0, "" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ChildOutcome outcome = runInChild(c.work, c.timeout, c.headroom);
        EXPECT_EQ(outcome.kind, c.kind);
        EXPECT_EQ(outcome.signal, c.signal);
        EXPECT_EQ(outcome.bytes, c.bytes);
    }
}

TEST(ChildProcess, WorkCannotChangeThisProcess)
{
    int value = 1;
    const ChildOutcome outcome = runInChild(
        [&] {
            value = 2;
            return std::to_string(value);
        },
        std::chrono::seconds(10));
    EXPECT_EQ(outcome.bytes, "2");
    EXPECT_EQ(value, 1);
}

namespace {
int g_exitHandlerPipe = -1;
void markExitHandlerRan()
{
    [[maybe_unused]] const ssize_t n = ::write(g_exitHandlerPipe, "x", 1);
}
} // namespace

TEST(ChildProcess, ExitInTheWorkRunsNoExitHandlerOfThisProcess)
{
    int fds[2];
    ASSERT_EQ(::pipe2(fds, O_NONBLOCK), 0);
    g_exitHandlerPipe = fds[1];
    std::atexit(markExitHandlerRan); // also runs when this test binary ends: harmless
    const ChildOutcome outcome = runInChild([]() -> std::string { std::exit(1); }, std::chrono::seconds(10));
    EXPECT_EQ(outcome.kind, ChildOutcome::Kind::Crashed);
    char c;
    EXPECT_EQ(::read(fds[0], &c, 1), -1); // nothing was written: the handler did not run
}
