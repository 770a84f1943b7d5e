#include "platform/log/ActionLog.h"

#include <chrono>
#include <cstdio>
#include <memory>
#include <mutex>

namespace platform::actionlog {
namespace {

struct State {
    std::mutex mutex;
    std::FILE* file = nullptr;
    std::function<void(std::string_view, std::string_view)> sink;
    std::chrono::steady_clock::time_point start = std::chrono::steady_clock::now();
};

State& state()
{
    static State s;
    return s;
}

std::string oneLine(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (c == '\n')
            out += "\\n";
        else if (c == '\r')
            out += "\\r";
        else
            out += c;
    }
    return out;
}

} // namespace

bool openFile(const std::string& path)
{
    State& s = state();
    std::lock_guard lock(s.mutex);
    if (s.file)
        std::fclose(s.file);
    s.file = std::fopen(path.c_str(), "w");
    return s.file != nullptr;
}

void setSink(std::function<void(std::string_view, std::string_view)> sink)
{
    State& s = state();
    std::lock_guard lock(s.mutex);
    s.sink = std::move(sink);
}

bool enabled()
{
    State& s = state();
    std::lock_guard lock(s.mutex);
    return s.file || s.sink;
}

void write(std::string_view kind, std::string_view detail)
{
    State& s = state();
    std::lock_guard lock(s.mutex);
    if (s.sink)
        s.sink(kind, detail);
    if (!s.file)
        return;
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - s.start).count();
    const std::string line = oneLine(detail);
    std::fprintf(s.file, "%6lld %.*s %s\n", static_cast<long long>(ms), static_cast<int>(kind.size()), kind.data(), line.c_str());
    std::fflush(s.file);
}

} // namespace platform::actionlog
