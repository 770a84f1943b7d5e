#include "platform/store/JetFile.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <string_view>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {

constexpr std::size_t kPageSize = 4096;
constexpr std::size_t kVersionOffset = 0x14;
constexpr std::string_view kJetSignature("\x00\x01\x00\x00Standard Jet DB\x00", 20);
constexpr std::string_view kAceSignature("\x00\x01\x00\x00Standard ACE DB\x00", 20);

Error fileError(Error::Code code, const std::string& path, const std::string& why)
{
    return Error { code, "The lesson file " + path + " " + why + "." };
}

} // namespace

Status checkJet4File(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        const int error = errno;
        if (error == ENOENT || error == ENOTDIR)
            return fileError(Error::Code::NotFound, path, "is missing");
        return fileError(Error::Code::Unreadable, path, std::string("cannot be opened (") + std::strerror(error) + ")");
    }
    struct stat st { };
    std::array<unsigned char, 32> head {};
    const bool statted = ::fstat(fd, &st) == 0;
    const bool regular = statted && S_ISREG(st.st_mode);
    const ssize_t got = regular && st.st_size > 0 ? ::pread(fd, head.data(), head.size(), 0) : 0;
    const int readError = errno;
    ::close(fd);

    if (!regular)
        return fileError(Error::Code::Unreadable, path, "is not a regular file");
    if (st.st_size == 0)
        return fileError(Error::Code::BadFormat, path, "is empty");
    if (got < 0)
        return fileError(Error::Code::Unreadable, path, std::string("cannot be read (") + std::strerror(readError) + ")");
    const std::string_view start(reinterpret_cast<const char*>(head.data()), static_cast<std::size_t>(got));
    if (start.size() >= kAceSignature.size() && start.substr(0, kAceSignature.size()) == kAceSignature)
        return fileError(
            Error::Code::Unsupported, path, "is an Access 2007 or later (.accdb) database; only Access 2000-2003 (Jet 4) files are read");
    if (start.size() < kJetSignature.size() || start.substr(0, kJetSignature.size()) != kJetSignature)
        return fileError(Error::Code::BadFormat, path, "is not an Access database");
    const unsigned version = head[kVersionOffset];
    if (version == 0x00)
        return fileError(Error::Code::Unsupported, path, "is an Access 97 (Jet 3) database; only Access 2000-2003 (Jet 4) files are read");
    if (version != 0x01)
        return fileError(Error::Code::Unsupported, path,
            "has an unknown database version (" + std::to_string(version) + "); only Access 2000-2003 (Jet 4) files are read");
    const auto size = static_cast<std::size_t>(st.st_size);
    if (size % kPageSize != 0)
        return fileError(Error::Code::BadFormat, path, "is damaged (cut short: its length is not a whole number of pages)");
    if (size < 3 * kPageSize)
        return fileError(Error::Code::BadFormat, path, "is damaged (too short to hold any table)");
    return success();
}

} // namespace platform
