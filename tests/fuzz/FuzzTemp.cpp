#include "tests/fuzz/FuzzTemp.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include <unistd.h>

namespace fuzz {
namespace {

std::string makeFolder()
{
    std::string base = "/dev/shm";
    if (::access(base.c_str(), W_OK) != 0) {
        const char* tmp = std::getenv("TMPDIR");
        base = tmp && *tmp ? tmp : "/tmp";
    }
    std::string pattern = base + "/fuzz-XXXXXX";
    if (!::mkdtemp(pattern.data())) {
        std::perror("fuzz: no temporary folder");
        std::abort();
    }
    return pattern;
}

} // namespace

const std::string& tempFolder()
{
    // Never destroyed: the exit handler below still needs it after static destructors ran.
    static const std::string* const folder = [] {
        const auto* made = new std::string(makeFolder());
        // Child processes end with _exit and never run this; only the fuzzing process does.
        std::atexit([] {
            std::error_code ignored;
            std::filesystem::remove_all(*folder, ignored);
        });
        return made;
    }();
    return *folder;
}

std::string writeTempFile(const std::string& name, std::string_view bytes)
{
    const std::string path = tempFolder() + "/" + name;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
        std::perror(("fuzz: cannot write " + path).c_str());
        std::abort();
    }
    return path;
}

std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

} // namespace fuzz
