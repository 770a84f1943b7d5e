// A lesson file of any content opened and read through the lesson store, as the program
// reads it: the file checks first, then libmdb in a child process, so that whatever libmdb
// does on a damaged file (crash, hang, runaway allocation, exit) ends as an Error.
//
// This process must never crash, and every query ends in rows or in an Error whose message
// names the file. An input whose length is no whole number of pages is also tried padded
// with zeros to the next page, so that mutations that insert or remove bytes still reach
// libmdb instead of only the length check.
//
// Most mutations keep the pages where they are: the mutator changes the bytes of one page in
// place, or drops, repeats or swaps whole pages, as damage on a disk or in a copy does. Bytes
// inserted into a page would shift every page after it and leave only a file whose catalog
// cannot be found. One mutation in eight is the fuzzer's own, over the whole file.
//
// libmdb runs in the child, where the fuzzer sees no coverage (nor is libmdb built with it):
// the search is guided by our own checks only and is otherwise mutation of the seeds. At exit
// the target prints how the queries ended (each distinct message once, with a count), which
// is how libmdb fares on damaged files.

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <map>
#include <random>
#include <string>
#include <string_view>

#include <pthread.h>
#include <sanitizer/common_interface_defs.h>

#include "platform/store/MdbLessonSource.h"
#include "tests/fuzz/FuzzTemp.h"

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
// An allocation refused by the child's memory limit must fail as it does in the program (a
// null pointer, on which glib aborts) instead of ending in the sanitizer's own report.
extern "C" const char* __asan_default_options()
{
    return "allocator_may_return_null=1";
}
#endif
#endif

namespace {

constexpr std::size_t kPageSize = 4096;

std::map<std::string, std::size_t>& outcomes()
{
    static auto* counts = new std::map<std::string, std::size_t>; // read by the exit handler
    return *counts;
}

void printOutcomes()
{
    std::fprintf(stderr, "store outcomes (count, result):\n");
    for (const auto& [what, count] : outcomes())
        std::fprintf(stderr, "%8zu  %s\n", count, what.c_str());
}

std::string withoutPath(std::string message, const std::string& path)
{
    for (std::size_t at; (at = message.find(path)) != std::string::npos;)
        message.replace(at, path.size(), "FILE");
    // One line for every unknown version byte.
    if (const std::size_t at = message.find("unknown database version ("); at != std::string::npos) {
        const std::size_t from = at + 26;
        message.replace(from, message.find(')', from) - from, "N");
    }
    return message;
}

// With FUZZ_STORE_KEEP naming a folder, the first few files (FUZZ_STORE_KEEP_MAX, 5 unless
// set) that crashed or hung the reader in its child, of each kind, are copied there, to see
// what libmdb did on them.
void keep(const std::string& bytes, const std::string& what, std::size_t seen)
{
    const char* folder = std::getenv("FUZZ_STORE_KEEP");
    const char* most = std::getenv("FUZZ_STORE_KEEP_MAX");
    if (!folder || !*folder || seen > (most ? std::strtoul(most, nullptr, 10) : 5)
        || (what.find("reading it failed") == std::string::npos && what.find("did not end") == std::string::npos))
        return;
    const std::string kind = what.find("did not end") != std::string::npos ? "hang" : "crash";
    const std::string name = std::string(folder) + "/" + kind + "-" + std::to_string(std::hash<std::string> {}(bytes)) + ".dat";
    if (std::FILE* out = std::fopen(name.c_str(), "wb")) {
        std::fwrite(bytes.data(), 1, bytes.size(), out);
        std::fclose(out);
    }
}

void query(const std::string& path, const std::string& bytes)
{
    platform::MdbLessonSourceOptions options;
    options.timeout = std::chrono::milliseconds(2000); // a sound file this small reads in milliseconds
    platform::MdbLessonSource source(path, options);
    const auto rows = source.query("study", "dext1基本课文");
    if (rows) {
        ++outcomes()["rows: " + std::to_string(rows.value().size())];
        return;
    }
    if (rows.error().message.find(path) == std::string::npos) {
        std::fprintf(stderr, "store: the error does not name the file: %s\n", rows.error().message.c_str());
        std::abort();
    }
    const std::string what = withoutPath(rows.error().message, path);
    keep(bytes, what, ++outcomes()[what]);
}

// In each child, before the read: a sanitizer report there is libmdb's (the lesson store
// turns the child's end into an Error), not a crash of this target, so the fuzzer must not
// take it for one and save the input as a crash. The report goes to a file of its own in
// FUZZ_CHILD_REPORTS when that names a folder, for the survey of what libmdb does.
void inChild()
{
    __sanitizer_set_death_callback(nullptr);
    if (const char* folder = std::getenv("FUZZ_CHILD_REPORTS"); folder && *folder)
        __sanitizer_set_report_path((std::string(folder) + "/libmdb").c_str());
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    std::atexit(printOutcomes);
    ::pthread_atfork(nullptr, nullptr, inChild);
    return 0;
}

extern "C" std::size_t LLVMFuzzerMutate(std::uint8_t* data, std::size_t size, std::size_t maxSize);

extern "C" std::size_t LLVMFuzzerCustomMutator(std::uint8_t* data, std::size_t size, std::size_t maxSize, unsigned int seed)
{
    std::minstd_rand random(seed);
    const std::size_t pages = size / kPageSize;
    if (pages < 2 || size % kPageSize != 0 || random() % 8 == 0)
        return LLVMFuzzerMutate(data, size, maxSize);
    const std::size_t page = random() % pages;
    std::uint8_t* const at = data + page * kPageSize;
    switch (random() % 8) {
    case 0: // a page lost: the pages after it move up
        std::memmove(at, at + kPageSize, size - (page + 1) * kPageSize);
        return size - kPageSize;
    case 1: // a page written twice
        if (size + kPageSize > maxSize)
            break;
        std::memmove(at + kPageSize, at, size - page * kPageSize);
        return size + kPageSize;
    case 2: { // two pages swapped
        std::uint8_t* const other = data + random() % pages * kPageSize;
        std::swap_ranges(at, at + kPageSize, other);
        return size;
    }
    default:
        break;
    }
    // The bytes of one page changed; it keeps its length (zeros fill what a mutation removed).
    const std::size_t kept = LLVMFuzzerMutate(at, kPageSize, kPageSize);
    std::memset(at + kept, 0, kPageSize - kept);
    return size;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string bytes(reinterpret_cast<const char*>(data), size);
    query(fuzz::writeTempFile("lesson.dat", bytes), bytes);
    if (bytes.size() % kPageSize != 0) {
        bytes.resize((bytes.size() / kPageSize + 1) * kPageSize, '\0');
        query(fuzz::writeTempFile("lesson.dat", bytes), bytes);
    }
    return 0;
}
