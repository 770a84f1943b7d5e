#include "tools/lib/lessondb/AtomicFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace lessondb {
namespace {

platform::Error failure(const std::string& path, const char* step, int error)
{
    return platform::Error{platform::Error::Code::WriteFailed, path + ": " + step + ": " + std::strerror(error)};
}

bool writeAll(int fd, const std::string& bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

} // namespace

platform::Status replaceFile(const std::string& path, const std::string& bytes)
{
    std::string pattern = path + ".tmp-XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int fd = ::mkstemp(name.data());
    if (fd < 0)
        return failure(path, "cannot create a temporary file beside it", errno);
    const std::string temporary(name.data());

    const auto abandon = [&](const char* step) {
        const int error = errno;
        ::close(fd);
        ::unlink(temporary.c_str());
        return failure(path, step, error);
    };
    if (::fchmod(fd, 0644) != 0)
        return abandon("cannot set the permissions of the temporary file");
    if (!writeAll(fd, bytes))
        return abandon("cannot write the temporary file");
    if (::fsync(fd) != 0)
        return abandon("cannot flush the temporary file");
    if (::close(fd) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        return failure(path, "cannot close the temporary file", error);
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        return failure(path, "cannot rename the temporary file into place", error);
    }
    return platform::success();
}

} // namespace lessondb
