// store_damage_survey: how libmdb behaves on damaged lesson files, and what our guards catch.
//
// Makes damaged copies of real Access files (cut short anywhere or at a page, bytes changed in
// the signature, the header page, the catalog, table definitions, data pages, random places,
// whole random pages) with a fixed seed, and
// reads each one three ways:
//   raw      libmdb alone (our reader in a child process, no header check): does it return,
//            fail, crash or hang? (Run the survey under valgrind to see leaks: every child
//            reports its own.)
//   checked  the header check first: which damage never reaches libmdb at all;
//   source   the lesson source as the program uses it (check + child process): must always
//            end in rows or an Error, never take the program down.
// Prints one line per kind of damage. Usage:
//   store_damage_survey FIXTURES_DIR [CASES_PER_KIND=40] [SEED=1] [KEEP_DIR]
// KEEP_DIR, when given, receives a copy of every file that crashed or hung libmdb.

#include <unistd.h>

#include <array>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "platform/store/ChildProcess.h"
#include "platform/store/JetFile.h"
#include "platform/store/MdbLessonSource.h"
#include "platform/store/MdbReader.h"

namespace {

using platform::ChildOutcome;
using platform::LessonColumns;

struct Source {
    const char* file;
    const char* table;
    LessonColumns columns;
    const char* id;
};

const Source kSources[] = {
    { "jackcess_testUnicodeCompV2003.mdb", "Table", { "ID", "Unicode", "Unicode", "ID", "Unicode" }, "5" },
    { "jackcess_compIndexTestV2000.mdb", "Table1", { "RS_AGENTE", "DC_AGENTE", "RS_AGENTE", "CD_AGENTE", "DC_AGENTE" }, "abc" },
    { "jackcess_overflowTestV2000.mdb", "Table1", { "data1", "data3", "data4", "data5", "data6" }, "row1col1" },
    { "tika_testAccess2_2000.mdb", "Table1", { "ID", "ShortTextField", "PlainTextMemo", "NumberField", "YesNoField" }, "2" },
    { "linq2db_TestData.mdb", "Person", { "Gender", "FirstName", "LastName", "MiddleName", "PersonID" }, "M" },
};

constexpr std::size_t kPage = 4096;

std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return { std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>() };
}

void writeFile(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

class Damager {
public:
    explicit Damager(unsigned seed)
        : m_rng(seed)
    {
    }

    std::size_t below(std::size_t n) { return n ? std::uniform_int_distribution<std::size_t>(0, n - 1)(m_rng) : 0; }

    // Pages of BYTES whose type byte is TYPE.
    static std::vector<std::size_t> pagesOfType(const std::string& bytes, int type)
    {
        std::vector<std::size_t> pages;
        for (std::size_t p = 0; p * kPage < bytes.size(); ++p)
            if (static_cast<unsigned char>(bytes[p * kPage]) == type)
                pages.push_back(p);
        return pages;
    }

    unsigned char damagedByte(unsigned char old)
    {
        switch (below(5)) {
        case 0:
            return 0x00;
        case 1:
            return 0xFF;
        case 2:
            return static_cast<unsigned char>(old ^ (1u << below(8)));
        case 3:
            return static_cast<unsigned char>(old + 1);
        default:
            return static_cast<unsigned char>(below(256));
        }
    }

    // Changes 1 to 16 bytes within [FROM, FROM + SPAN) of page PAGE.
    void hit(std::string& bytes, std::size_t page, std::size_t from, std::size_t span)
    {
        const std::size_t count = 1 + below(16);
        for (std::size_t i = 0; i < count; ++i) {
            const std::size_t at = page * kPage + from + below(span);
            if (at < bytes.size())
                bytes[at] = static_cast<char>(damagedByte(static_cast<unsigned char>(bytes[at])));
        }
    }

    std::string make(const std::string& kind, const std::string& original)
    {
        std::string b = original;
        const std::size_t pages = b.size() / kPage;
        if (kind == "cut anywhere") {
            b.resize(below(b.size()));
        } else if (kind == "cut at a page") {
            b.resize(kPage * (3 + below(pages - 3)));
        } else if (kind == "signature") {
            hit(b, 0, 0, 0x18);
        } else if (kind == "header page") {
            hit(b, 0, 0x15, 0x400);
        } else if (kind == "catalog tdef") {
            hit(b, 2, 0, 0x200);
        } else if (kind == "tdef header") {
            const auto tdefs = pagesOfType(b, 2);
            hit(b, tdefs[below(tdefs.size())], 0, 0x80);
        } else if (kind == "tdef anywhere") {
            const auto tdefs = pagesOfType(b, 2);
            hit(b, tdefs[below(tdefs.size())], 0, kPage);
        } else if (kind == "data page header") {
            const auto data = pagesOfType(b, 1);
            hit(b, data[below(data.size())], 0, 0x40);
        } else if (kind == "data page rows") {
            const auto data = pagesOfType(b, 1);
            hit(b, data[below(data.size())], 0x40, kPage - 0x40);
        } else if (kind == "random place") {
            hit(b, 1 + below(pages - 1), 0, kPage);
        } else if (kind == "random pages") {
            for (std::size_t p = 1; p < pages; ++p)
                if (below(3) == 0)
                    for (std::size_t i = 0; i < kPage; ++i)
                        b[p * kPage + i] = static_cast<char>(below(256));
        }
        return b;
    }

private:
    std::mt19937 m_rng;
};

const std::array<const char*, 11> kKinds = { "cut anywhere", "cut at a page", "signature", "header page", "catalog tdef", "tdef header",
    "tdef anywhere", "data page header", "data page rows", "random place", "random pages" };

struct Tally {
    int rows = 0, errors = 0, crashes = 0, hangs = 0, refusedByCheck = 0;
    int sourceSurvived = 0, sourceCases = 0;
};

// The raw read in a child: "R" for rows, "E" for an error.
std::string rawRead(const std::string& path, const Source& s)
{
    return platform::readLessonRowsWithMdb(path, s.table, s.columns, s.id) ? "R" : "E";
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s FIXTURES_DIR [CASES_PER_KIND] [SEED] [KEEP_DIR]\n", argv[0]);
        return 2;
    }
    const std::string fixtures = argv[1];
    const int perKind = argc > 2 ? std::atoi(argv[2]) : 40;
    const unsigned seed = argc > 3 ? static_cast<unsigned>(std::atoi(argv[3])) : 1;
    const std::string keep = argc > 4 ? argv[4] : "";
    const auto work = std::filesystem::temp_directory_path() / ("store_damage_survey." + std::to_string(::getpid()));
    std::filesystem::create_directories(work);
    const std::string casePath = (work / "case.mdb").string();

    Damager damager(seed);
    std::map<std::string, Tally> tallies;
    const auto timeout = std::chrono::milliseconds(3000);
    int kept = 0;
    for (const char* kind : kKinds) {
        Tally& t = tallies[kind];
        for (int n = 0; n < perKind; ++n) {
            const Source& s = kSources[damager.below(std::size(kSources))];
            const std::string pristine = fixtures + "/" + s.file;
            writeFile(casePath, damager.make(kind, readFile(pristine)));

            const ChildOutcome raw = platform::runInChild([&] { return rawRead(casePath, s); }, timeout);
            bool bad = false;
            if (raw.kind == ChildOutcome::Kind::Finished) {
                (raw.bytes == "R" ? t.rows : t.errors)++;
            } else if (raw.kind == ChildOutcome::Kind::TimedOut) {
                ++t.hangs;
                bad = true;
            } else {
                ++t.crashes;
                bad = true;
            }
            const bool refused = !platform::checkJet4File(casePath).ok();
            if (refused)
                ++t.refusedByCheck;
            if (bad && !keep.empty()) {
                std::filesystem::create_directories(keep);
                std::filesystem::copy_file(
                    casePath, keep + "/" + std::to_string(++kept) + "-" + s.file, std::filesystem::copy_options::overwrite_existing);
            }

            platform::MdbLessonSourceOptions options;
            options.columns = s.columns;
            options.timeout = timeout;
            platform::MdbLessonSource source(casePath, options);
            (void)source.query(s.table, s.id); // returns rows or an Error: this process is still here
            ++t.sourceSurvived;
            ++t.sourceCases;
        }
    }
    std::filesystem::remove_all(work);

    std::printf("%-18s %5s %6s %6s %5s %8s %9s\n", "damage", "rows", "error", "crash", "hang", "refused", "survived");
    Tally sum;
    for (const char* kind : kKinds) {
        const Tally& t = tallies[kind];
        std::printf("%-18s %5d %6d %6d %5d %8d %5d/%d\n", kind, t.rows, t.errors, t.crashes, t.hangs, t.refusedByCheck, t.sourceSurvived,
            t.sourceCases);
        sum.rows += t.rows;
        sum.errors += t.errors;
        sum.crashes += t.crashes;
        sum.hangs += t.hangs;
        sum.refusedByCheck += t.refusedByCheck;
        sum.sourceSurvived += t.sourceSurvived;
        sum.sourceCases += t.sourceCases;
    }
    std::printf("%-18s %5d %6d %6d %5d %8d %5d/%d\n", "all", sum.rows, sum.errors, sum.crashes, sum.hangs, sum.refusedByCheck,
        sum.sourceSurvived, sum.sourceCases);
    std::printf("(rows/error/crash/hang: libmdb alone; refused: stopped by the header check before libmdb; "
                "survived: lesson source calls that returned)\n");
    return 0;
}
