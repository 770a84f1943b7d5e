#include "platform/settings/IniProfileFile.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/log/ActionLog.h"
#include "platform/settings/Gbk.h"
#include "platform/settings/IniText.h"

namespace platform {
namespace {

constexpr std::size_t kValueLimit = 255; // the Windows reader's buffer of 256 bytes, less its NUL

// Closes a file descriptor when it goes out of scope.
class Fd {
public:
    explicit Fd(int fd = -1)
        : m_fd(fd)
    {
    }
    ~Fd() { reset(); }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return m_fd; }
    void reset(int fd = -1)
    {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = fd;
    }
    int release() { return std::exchange(m_fd, -1); }

private:
    int m_fd;
};

std::string errnoText(int error)
{
    return std::strerror(error);
}

std::string folderOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// The bytes of the file; nothing when it is missing or cannot be read as a regular file.
// TRUNCATED is set when it is larger than LIMIT (only LIMIT bytes are returned).
struct FileBytes {
    std::string bytes;
    bool exists = false;
    bool readable = false;
    bool truncated = false;
    int error = 0;
};

FileBytes readBytes(const std::string& path, std::size_t limit)
{
    FileBytes result;
    Fd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (fd.get() < 0) {
        result.error = errno;
        result.exists = errno != ENOENT && errno != ENOTDIR;
        return result;
    }
    result.exists = true;
    struct stat st { };
    if (::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode)) {
        result.error = S_ISDIR(st.st_mode) ? EISDIR : EINVAL;
        return result;
    }
    char buffer[65536];
    while (result.bytes.size() < limit) {
        const std::size_t want = std::min(sizeof buffer, limit - result.bytes.size());
        const ssize_t n = ::read(fd.get(), buffer, want);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            result.error = errno;
            return result;
        }
        if (n == 0)
            break;
        result.bytes.append(buffer, static_cast<std::size_t>(n));
    }
    if (result.bytes.size() >= limit) {
        char probe;
        result.truncated = ::read(fd.get(), &probe, 1) > 0;
    }
    result.readable = true;
    return result;
}

bool hasWriteBit(const struct stat& st)
{
    return (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0;
}

Error writeError(const std::string& path, const std::string& why)
{
    return Error { Error::Code::WriteFailed, "The settings file " + path + " could not be written: " + why + "." };
}

bool writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// Checks that NAME can stand in the file as a section (or key) name.
std::optional<std::string> badName(std::string_view name, char forbidden)
{
    if (name.empty())
        return std::string("the name is empty");
    for (char c : name) {
        if (c == '\n' || c == '\r' || c == '\0')
            return std::string("the name holds a line break or a NUL");
        if (c == forbidden)
            return std::string("the name holds '") + forbidden + "'";
    }
    // The reader trims these blanks: a name with one at either end would never be found.
    if (ini::isBlank(name.front()) || ini::isBlank(name.back()))
        return std::string("the name starts or ends with a blank");
    return std::nullopt;
}

// Makes the folder of the file when only that last folder is missing.
Status ensureFolder(const std::string& path, const std::string& folder)
{
    struct stat st { };
    if (::stat(folder.c_str(), &st) == 0) {
        if (!S_ISDIR(st.st_mode))
            return writeError(path, folder + " is not a folder");
        return success();
    }
    if (::mkdir(folder.c_str(), 0777) != 0 && errno != EEXIST)
        return writeError(path, "its folder could not be created (" + errnoText(errno) + ")");
    return success();
}

// Writes BYTES to a new file in FOLDER and renames it over PATH, flushing both to disk.
Status replaceAtomically(const std::string& path, const std::string& folder, std::string_view bytes, mode_t mode)
{
    std::string temp = path + ".XXXXXX";
    Fd fd(::mkostemp(temp.data(), O_CLOEXEC));
    if (fd.get() < 0)
        return writeError(path, "no temporary file could be made in " + folder + " (" + errnoText(errno) + ")");
    const auto fail = [&](const std::string& why) {
        ::unlink(temp.c_str());
        return writeError(path, why);
    };
    if (::fchmod(fd.get(), mode) != 0)
        return fail("the temporary file's mode could not be set (" + errnoText(errno) + ")");
    if (!writeAll(fd.get(), bytes))
        return fail("writing the temporary file failed (" + errnoText(errno) + ")");
    if (::fsync(fd.get()) != 0)
        return fail("flushing the temporary file failed (" + errnoText(errno) + ")");
    if (::close(fd.release()) != 0)
        return fail("closing the temporary file failed (" + errnoText(errno) + ")");
    if (::rename(temp.c_str(), path.c_str()) != 0)
        return fail("renaming the temporary file failed (" + errnoText(errno) + ")");
    Fd dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() >= 0)
        ::fsync(dir.get()); // the rename is done; a failed folder flush only weakens durability
    return success();
}

std::string describe(std::string_view section, std::string_view key, std::string_view value)
{
    std::string s;
    s.append(section).append("/").append(key).append(" = ").append(value);
    return s;
}

} // namespace

IniProfileFile::IniProfileFile(std::string path)
    : m_path(std::move(path))
{
}

std::string IniProfileFile::read(std::string_view section, std::string_view key, std::string_view fallback) const
{
    const FileBytes file = readBytes(m_path, kMaxBytes);
    // The names are looked for as the file spells them, in code page 936; a name with no
    // form there cannot be in the file.
    const auto gbkSection = gbk::fromUtf8(section);
    const auto gbkKey = gbk::fromUtf8(key);
    std::optional<std::string_view> raw;
    if (file.readable && gbkSection && gbkKey)
        raw = ini::findValue(file.bytes, *gbkSection, *gbkKey);
    std::string value;
    std::string note;
    if (raw) {
        value = gbk::toUtf8(raw->substr(0, gbk::cutPoint(*raw, kValueLimit)));
        if (raw->size() > kValueLimit)
            note = " (cut to 255 bytes)";
    } else {
        value = std::string(fallback);
        if (!file.exists)
            note = " (default: no file)";
        else if (!file.readable)
            note = " (default: file unreadable: " + errnoText(file.error) + ")";
        else
            note = " (default: no key)";
    }
    if (file.truncated)
        note += " (file read up to its first 16 MiB)";
    actionlog::write("settings.read", describe(section, key, value) + note);
    return value;
}

Status IniProfileFile::write(std::string_view section, std::string_view key, std::string_view value)
{
    const auto attempt = [&]() -> Status {
        if (const auto why = badName(section, ']'))
            return writeError(m_path, "bad section name (" + *why + ")");
        if (const auto why = badName(key, '='))
            return writeError(m_path, "bad key name (" + *why + ")");
        // Such a line would read as a comment, or as a section when the value holds a ']'.
        if (key.front() == ';' || key.front() == '[')
            return writeError(m_path, "bad key name (it starts with ';' or '[')");
        if (value.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos)
            return writeError(m_path, "the value holds a line break or a NUL");
        const auto gbkSection = gbk::fromUtf8(section);
        const auto gbkKey = gbk::fromUtf8(key);
        const auto gbkValue = gbk::fromUtf8(value);
        if (!gbkSection || !gbkKey || !gbkValue)
            return writeError(m_path, "the text has no form in code page 936");

        // Follow a symbolic link, so that the link stays and its target is replaced.
        std::string target = m_path;
        if (char* real = ::realpath(m_path.c_str(), nullptr)) {
            target = real;
            std::free(real);
        }
        const std::string folder = folderOf(target);
        if (Status made = ensureFolder(m_path, folder); !made)
            return made;
        struct stat dirStat { };
        if (::stat(folder.c_str(), &dirStat) != 0)
            return writeError(m_path, "its folder cannot be examined (" + errnoText(errno) + ")");
        if (!hasWriteBit(dirStat) || ::access(folder.c_str(), W_OK) != 0)
            return writeError(m_path, "its folder " + folder + " is read-only");

        mode_t mode = 0644; // a new file: readable by all, as the siblings expect
        std::string old;
        struct stat fileStat { };
        if (::stat(target.c_str(), &fileStat) == 0) {
            if (!S_ISREG(fileStat.st_mode))
                return writeError(m_path, "it is not a regular file");
            if (!hasWriteBit(fileStat) || ::access(target.c_str(), W_OK) != 0)
                return writeError(m_path, "the file is read-only");
            mode = fileStat.st_mode & 07777;
            FileBytes file = readBytes(target, kMaxBytes);
            if (!file.readable)
                return writeError(m_path, "it cannot be read (" + errnoText(file.error) + ")");
            if (file.truncated)
                return writeError(m_path, "it is larger than 16 MiB");
            old = std::move(file.bytes);
        } else if (errno != ENOENT) {
            return writeError(m_path, "it cannot be examined (" + errnoText(errno) + ")");
        }
        return replaceAtomically(target, folder, ini::withValue(old, *gbkSection, *gbkKey, *gbkValue), mode);
    };
    Status result = attempt();
    actionlog::write("settings.write",
        describe(section, key, value) + " in " + m_path + ": " + (result ? std::string("ok") : "failed: " + result.error().message));
    return result;
}

} // namespace platform
