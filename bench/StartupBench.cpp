// startup_bench [MAIN] [RUNS]: time from starting the program to its window shown with the
// list filled (the "window.shown" line of its log), on the sample course and on lesson files
// of 100,000 rows. Runs headless (offscreen Qt, SDL's dummy driver); prints min, median and
// max wall time per case against the targets.

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "tools/lib/lessondb/LessonFile.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

bool logShowsWindow(const std::string& log)
{
    std::ifstream in(log);
    std::string line;
    while (std::getline(in, line))
        if (line.find(" window.shown ") != std::string::npos)
            return true;
    return false;
}

// One start: milliseconds until the window is shown, or -1 when it is not within 10 s.
double startOnce(const std::string& mainPath, const std::string& folder)
{
    const std::string log = fs::temp_directory_path() / ("startup_bench_" + std::to_string(::getpid()) + ".log");
    fs::remove(log);
    std::vector<std::string> args{mainPath, "--folder", folder, "--log", log};
    std::vector<char*> argv;
    for (auto& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    ::setenv("SDL_AUDIODRIVER", "dummy", 1);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    const auto t0 = Clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, mainPath.c_str(), &actions, nullptr, argv.data(), environ) != 0)
        return -1;
    posix_spawn_file_actions_destroy(&actions);
    double ms = -1;
    while (Clock::now() - t0 < std::chrono::seconds(10)) {
        if (logShowsWindow(log)) {
            ms = std::chrono::duration<double, std::milli>(Clock::now() - t0).count();
            break;
        }
        std::this_thread::sleep_for(std::chrono::microseconds(500));
    }
    ::kill(pid, SIGTERM);
    int status = 0;
    ::waitpid(pid, &status, 0);
    fs::remove(log);
    return ms;
}

// A copy of the sample course whose lesson file holds ROWS items, SHOWN of them in the part
// the settings choose (基本课文), the others in a part of their own.
std::string largeCourse(const fs::path& sample, int rows, int shown)
{
    const fs::path folder = fs::temp_directory_path() / ("startup_bench_course_" + std::to_string(rows) + "_" + std::to_string(shown));
    if (fs::exists(folder / "data" / "shuju.dat"))
        return folder;
    fs::remove_all(folder);
    fs::create_directories(folder);
    for (const char* part : {"setting", "music"})
        fs::copy(sample / part, folder / part, fs::copy_options::recursive);
    fs::copy_file(sample / "Recorder.wav", folder / "Recorder.wav");
    fs::create_directories(folder / "data");
    std::vector<lessondb::Item> items;
    items.reserve(static_cast<size_t>(rows));
    for (int i = 0; i < rows; ++i) {
        const bool inPart = i < shown;
        items.push_back({inPart ? "dext1基本课文" : "dext1其他", "お父さん、おはようございます。第" + std::to_string(i) + "文",
                         "爸爸，早上好。第" + std::to_string(i) + "句", "jiben01", "おとうさん、おはようございます"});
    }
    const platform::Status written = lessondb::writeLessonFile(folder / "data" / "shuju.dat", items, {});
    if (!written) {
        std::fprintf(stderr, "startup_bench: %s\n", written.error().message.c_str());
        return {};
    }
    return folder;
}

void report(const char* name, const std::string& mainPath, const std::string& folder, int runs, double target)
{
    if (folder.empty())
        return;
    std::vector<double> times;
    startOnce(mainPath, folder); // the first start fills the file caches
    for (int i = 0; i < runs; ++i)
        times.push_back(startOnce(mainPath, folder));
    std::sort(times.begin(), times.end());
    const bool failed = times.front() < 0;
    std::printf("%-44s min %6.1f  median %6.1f  max %6.1f ms   target < %.0f ms%s\n", name, times.front(), times[times.size() / 2], times.back(),
                target, failed ? "  (window never shown)" : times[times.size() / 2] < target ? "" : "  MISSED");
}

} // namespace

int main(int argc, char** argv)
{
    const fs::path self = fs::canonical("/proc/self/exe").parent_path();
    const std::string mainPath = argc > 1 ? argv[1] : (self.parent_path() / "course" / "main").string();
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 11;
    const fs::path sample = fs::path(mainPath).parent_path();
    std::printf("start-up to the window shown with its list filled, %d runs each (%s)\n", runs, mainPath.c_str());
    report("sample course (9 items shown)", mainPath, sample, runs, 150);
    report("100,000-row lesson file, 9 items shown", mainPath, largeCourse(sample, 100000, 9), runs, 300);
    report("100,000-row lesson file, all of them shown", mainPath, largeCourse(sample, 100000, 100000), runs, 300);
    return 0;
}
