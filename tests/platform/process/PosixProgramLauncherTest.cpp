#include "platform/process/PosixProgramLauncher.h"

#include <cerrno>
#include <string>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "tests/support/LogCapture.h"
#include "tests/support/TempFolder.h"

using platform::Error;
using platform::PosixProgramLauncher;
using testpaths::TempFolder;

namespace {

// A sibling program: a shell script that reports its working folder, its own path and its
// argument count into the FIFO "report" of its folder.
std::string writeSibling(const TempFolder& folder, const std::string& name)
{
    const std::string path = folder.write(name, "#!/bin/sh\necho \"$(pwd) $0 $#\" > report\n");
    ::chmod(path.c_str(), 0755);
    return path;
}

// What the sibling wrote into the FIFO; waits for the sibling's write, not for time (the
// limit only keeps a broken launcher from hanging the test run).
std::string readReport(const TempFolder& folder)
{
    const int fd = ::open(folder.file("report").c_str(), O_RDONLY | O_NONBLOCK);
    std::string text;
    char buffer[512];
    for (;;) {
        pollfd p { fd, POLLIN, 0 };
        if (::poll(&p, 1, 30000) <= 0)
            break;
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EAGAIN)
            continue;
        if (n <= 0)
            break;
        text.append(buffer, static_cast<std::size_t>(n));
        if (text.back() == '\n')
            break;
    }
    ::close(fd);
    return text;
}

} // namespace

TEST(PosixProgramLauncher, StartsTheSiblingDetachedInItsOwnFolder)
{
    struct Case {
        const char* name;
        const char* fileOnDisk;
        const char* pathAsked;
    };
    const Case cases[] = {
        { "path as given", "Nuvessa.exe", "Nuvessa.exe" },
        { "path without .exe", "Tovanel", "Tovanel.exe" },
        { "any case of .exe", "Lexaro", "Lexaro.EXE" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder folder;
        const std::string sibling = writeSibling(folder, c.fileOnDisk);
        ASSERT_EQ(::mkfifo(folder.file("report").c_str(), 0600), 0);
        PosixProgramLauncher launcher;
        const platform::Status status = launcher.start(folder.file(c.pathAsked));
        ASSERT_TRUE(status.ok()) << status.error().message;
        EXPECT_EQ(readReport(folder), folder.path().string() + " " + sibling + " 0\n");
        // Detached: the program is no child of ours, and no child of ours is left behind.
        EXPECT_EQ(::waitpid(-1, nullptr, WNOHANG), -1);
        EXPECT_EQ(errno, ECHILD);
    }
}

TEST(PosixProgramLauncher, NamesTheProgramItCannotStart)
{
    TempFolder folder;
    const std::string plain = folder.write("Plain.exe", "#!/bin/sh\n");
    ::chmod(plain.c_str(), 0644);
    const std::string windows = folder.write("Windows.exe", std::string("MZ\x90\0\3\0\0\0", 8));
    ::chmod(windows.c_str(), 0755);
    std::filesystem::create_directory(folder.path() / "Folder.exe");
    struct Case {
        const char* name;
        std::string path;
        Error::Code code;
        std::string messagePart;
    };
    const Case cases[] = {
        { "missing", folder.file("Selvorn.exe"), Error::Code::NotFound, "it is missing (nor is " + folder.file("Selvorn") + ")" },
        { "missing, no .exe", folder.file("Selvorn"), Error::Code::NotFound, "it is missing" },
        { "not executable", plain, Error::Code::Unsupported, "not an executable file" },
        { "a folder", folder.file("Folder.exe"), Error::Code::Unsupported, "a folder" },
        { "a file the system cannot run", windows, Error::Code::Other, "Exec format error" },
    };
    PosixProgramLauncher launcher;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const platform::Status status = launcher.start(c.path);
        ASSERT_FALSE(status.ok());
        EXPECT_EQ(status.error().code, c.code);
        EXPECT_EQ(status.error().message.rfind("The program " + c.path + " cannot be started: ", 0), 0u) << status.error().message;
        EXPECT_NE(status.error().message.find(c.messagePart), std::string::npos) << status.error().message;
    }
}

TEST(PosixProgramLauncher, LogsEachStart)
{
    TempFolder folder;
    const std::string sibling = writeSibling(folder, "Tovanel");
    ASSERT_EQ(::mkfifo(folder.file("report").c_str(), 0600), 0);
    PosixProgramLauncher launcher;
    testpaths::LogCapture log;
    launcher.start(folder.file("Tovanel.exe"));
    readReport(folder);
    const platform::Status missing = launcher.start(folder.file("Nuvessa.exe"));
    const std::vector<std::string> expected = {
        "sibling.start " + folder.file("Tovanel.exe") + ": started " + sibling,
        "sibling.start " + folder.file("Nuvessa.exe") + ": failed: " + missing.error().message,
    };
    EXPECT_EQ(log.lines, expected);
}
