// lesson_store_bench: what the lesson store and the settings file cost at start-up.
//
// Start-up reads five settings keys and makes one store query; the query runs in a child
// process (see platform/store/ChildProcess.h), so its figures are wall-clock times. Each query
// case runs both ways: "isolated" as the program does it, "direct" in this process, to show
// what the isolation costs; "ballast" cases first fill 80 MiB of this process's memory, as
// the running program holds about that much when it forks.
//
// The 100,000-row lesson file is plugged in through largeLessonFile() below.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "platform/settings/IniProfileFile.h"
#include "platform/store/ChildProcess.h"
#include "platform/store/MdbLessonSource.h"

#ifndef BENCH_LESSON_FILE_100K
#define BENCH_LESSON_FILE_100K ""
#endif
#ifndef BENCH_FIXTURES_DIR
#define BENCH_FIXTURES_DIR ""
#endif

namespace {

struct LessonFile {
    std::string path;
    std::string table = "study";
    platform::LessonColumns columns;
    std::string id = "dext1基本课文";
};

std::string env(const char* name, const std::string& fallback)
{
    const char* v = std::getenv(name);
    return v && *v ? v : fallback;
}

// The 100,000-row lesson file: the CMake option BENCH_LESSON_FILE_100K or the environment
// variable BENCH_LESSON_FILE names it (a table "study" with the five columns, queried for
// "dext1基本课文"); BENCH_LESSON_TABLE, BENCH_LESSON_ID and BENCH_LESSON_COLUMNS
// ("id,jp,cn,sound,fy") read another table. Until our lesson file writer can make the file
// here, nothing is measured without one of these.
std::optional<LessonFile> largeLessonFile()
{
    LessonFile file;
    file.path = env("BENCH_LESSON_FILE", BENCH_LESSON_FILE_100K);
    if (file.path.empty())
        return std::nullopt;
    file.table = env("BENCH_LESSON_TABLE", file.table);
    file.id = env("BENCH_LESSON_ID", file.id);
    std::stringstream names(env("BENCH_LESSON_COLUMNS", "id,jp,cn,sound,fy"));
    std::vector<std::string> n;
    for (std::string s; std::getline(names, s, ',');)
        n.push_back(s);
    if (n.size() == 5)
        file.columns = { n[0], n[1], n[2], n[3], n[4] };
    return file;
}

std::string fixture(const std::string& name)
{
    return env("FIXTURES_DIR", BENCH_FIXTURES_DIR) + "/" + name;
}

// 512 rows on four data pages: the fixture with the most rows.
LessonFile agents()
{
    return { fixture("jackcess_compIndexTestV2000.mdb"), "Table1", { "RS_AGENTE", "DC_AGENTE", "RS_AGENTE", "CD_AGENTE", "DC_AGENTE" },
        "abc" };
}
// 15 tables in 2 MiB: the fixture with the largest catalog.
LessonFile persons()
{
    return { fixture("linq2db_TestData.mdb"), "Person", { "Gender", "FirstName", "LastName", "MiddleName", "PersonID" }, "M" };
}

std::vector<char>& ballast()
{
    static std::vector<char> memory;
    return memory;
}

void fillBallast(bool on)
{
    if (on && ballast().empty())
        ballast().assign(80u << 20, 1);
    if (!on)
        std::vector<char>().swap(ballast());
}

void query(benchmark::State& state, const LessonFile& file, bool isolated, bool withBallast)
{
    fillBallast(withBallast);
    platform::MdbLessonSourceOptions options;
    options.isolated = isolated;
    options.columns = file.columns;
    platform::MdbLessonSource source(file.path, options);
    std::size_t rows = 0;
    for (auto _ : state) {
        auto result = source.query(file.table, file.id);
        if (!result) {
            state.SkipWithError(result.error().message.c_str());
            break;
        }
        rows = result.value().size();
        benchmark::DoNotOptimize(result);
    }
    state.counters["rows"] = static_cast<double>(rows);
    fillBallast(false);
}

void childRoundTrip(benchmark::State& state, bool withBallast)
{
    fillBallast(withBallast);
    for (auto _ : state) {
        auto outcome = platform::runInChild([] { return std::string("R"); }, std::chrono::seconds(10));
        benchmark::DoNotOptimize(outcome);
    }
    fillBallast(false);
}

// The five start-up reads from a settings file as the course chooser leaves it.
void settingsReads(benchmark::State& state)
{
    const auto folder = std::filesystem::temp_directory_path() / "lesson_store_bench";
    std::filesystem::create_directories(folder);
    const std::string path = (folder / "system.ini").string();
    std::ofstream(path, std::ios::binary) << "[study]\r\nkecheng=dext1\r\nkewen=\xBB\xF9\xB1\xBE\xBF\xCE\xCE\xC4\r\ntbkt=2\r\n"
                                             "[setting]\r\nkechengming=Lesson1  \xBC\xD2\xCD\xA5\xCE\xCA\xBA\xF2\r\nyinfou=1\r\n"
                                             "[tongji]\r\nxuanze=Tovanel\r\n";
    const platform::IniProfileFile profile(path);
    for (auto _ : state) {
        benchmark::DoNotOptimize(profile.read("study", "kecheng", "dext1"));
        benchmark::DoNotOptimize(profile.read("setting", "kechengming", "Lesson1  家庭问候"));
        benchmark::DoNotOptimize(profile.read("setting", "yinfou", "0"));
        benchmark::DoNotOptimize(profile.read("study", "tbkt", "1"));
        benchmark::DoNotOptimize(profile.read("study", "kewen", "dext1"));
    }
    std::filesystem::remove_all(folder);
}

// The one write before the course chooser starts (temporary file, flush to disk, rename).
void settingsWrite(benchmark::State& state)
{
    const auto folder = std::filesystem::temp_directory_path() / "lesson_store_bench_write";
    std::filesystem::create_directories(folder);
    platform::IniProfileFile profile((folder / "system.ini").string());
    for (auto _ : state)
        benchmark::DoNotOptimize(profile.write("tongji", "xuanze", "main"));
    std::filesystem::remove_all(folder);
}

void registerAll()
{
    using benchmark::RegisterBenchmark;
    const auto ms = benchmark::kMillisecond;
    RegisterBenchmark("ChildProcess/roundTrip", childRoundTrip, false)->UseRealTime()->Unit(ms);
    RegisterBenchmark("ChildProcess/roundTrip/ballast80MiB", childRoundTrip, true)->UseRealTime()->Unit(ms);
    struct Named {
        const char* name;
        LessonFile file;
    };
    std::vector<Named> files = { { "512 rows", agents() }, { "2 MiB catalog", persons() } };
    if (auto large = largeLessonFile())
        files.push_back({ "100k-row file", *large });
    for (const Named& f : files) {
        const std::string base = std::string("LessonQuery/") + f.name;
        RegisterBenchmark((base + "/isolated").c_str(), query, f.file, true, false)->UseRealTime()->Unit(ms);
        RegisterBenchmark((base + "/isolated/ballast80MiB").c_str(), query, f.file, true, true)->UseRealTime()->Unit(ms);
        RegisterBenchmark((base + "/direct").c_str(), query, f.file, false, false)->UseRealTime()->Unit(ms);
    }
    RegisterBenchmark("Settings/fiveStartupReads", settingsReads)->Unit(benchmark::kMicrosecond);
    RegisterBenchmark("Settings/atomicWrite", settingsWrite)->UseRealTime()->Unit(ms);
}

} // namespace

int main(int argc, char** argv)
{
    registerAll();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
