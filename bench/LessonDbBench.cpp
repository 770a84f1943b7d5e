// Writes a lesson file of 100,000 items and reads it back through libmdb, as the program
// reads lesson files. Prints the time of each, the file size and the pages used.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tests/tools/lessondb/MdbReadBack.h"
#include "tests/tools/lessondb/TempFolder.h"
#include "tools/lib/lessondb/LessonFile.h"

namespace {

constexpr int kRows = 100000;

const std::vector<lessondb::Item>& items()
{
    static const std::vector<lessondb::Item> all = [] {
        std::vector<lessondb::Item> out;
        const std::vector<std::string> parts = {"dext1基本课文", "dext1应用课文", "dext1单词"};
        for (int i = 0; i < kRows; ++i) {
            const std::string n = std::to_string(i);
            out.push_back({parts[i % 3], "お母さん、おやすみなさい。" + n, "妈妈，晚安。" + n, "clip " + n,
                           "おかあさん、おやすみなさい okaasan " + n});
        }
        return out;
    }();
    return all;
}

// Building the file's bytes in memory.
void encodeLessonFile(benchmark::State& state)
{
    items(); // built before the clock runs
    for (auto _ : state) {
        auto bytes = lessondb::encodeLessonFile(items(), {});
        benchmark::DoNotOptimize(bytes);
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK(encodeLessonFile)->Unit(benchmark::kMillisecond);

// Encoding and replacing the file on disk (flushed before it is renamed into place).
void writeLessonFile(benchmark::State& state)
{
    lessondbtest::TempFolder folder;
    const std::string path = folder.file("shuju.dat");
    items();
    for (auto _ : state) {
        if (!lessondb::writeLessonFile(path, items(), {}).ok())
            state.SkipWithError("write failed");
    }
    state.SetItemsProcessed(state.iterations() * kRows);
    const auto bytes = std::filesystem::file_size(path);
    state.counters["file_MiB"] = static_cast<double>(bytes) / (1 << 20);
    state.counters["pages"] = static_cast<double>(bytes / 4096);
}
BENCHMARK(writeLessonFile)->Unit(benchmark::kMillisecond);

void readBackWithLibmdb(benchmark::State& state)
{
    lessondbtest::TempFolder folder;
    const std::string path = folder.file("shuju.dat");
    if (!lessondb::writeLessonFile(path, items(), {}).ok()) {
        state.SkipWithError("write failed");
        return;
    }
    for (auto _ : state) {
        const auto back = lessondbtest::readWithLibmdb(path);
        if (back.rows.size() != items().size()) {
            state.SkipWithError("rows missing on reading back");
            break;
        }
        for (std::size_t i = 0; i < items().size(); ++i) {
            const lessondb::Item& item = items()[i];
            if (back.rows[i] != std::vector<lessondbtest::Cell>{item.id, item.jp, item.cn, item.sound, item.fy}) {
                state.SkipWithError(("row " + std::to_string(i + 1) + " differs on reading back").c_str());
                break;
            }
        }
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK(readBackWithLibmdb)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
