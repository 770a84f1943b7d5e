#pragma once

#include "platform/store/LessonSource.h"

#include <chrono>
#include <cstddef>
#include <string>

namespace platform {

// The names of the five columns a lesson table is read by. The lesson file's own table uses
// the defaults; another table (a test file) can be read by naming its columns instead.
struct LessonColumns {
    std::string id = "id";
    std::string jp = "jp";
    std::string cn = "cn";
    std::string sound = "sound";
    std::string fy = "fy";
};

struct MdbLessonSourceOptions {
    // Run each read in a child process (see ChildProcess.h), so that a damaged file that makes
    // libmdb crash or hang ends in an Error instead of taking the program down. Reading in this
    // process is only for measuring what the isolation costs.
    bool isolated = true;
    // How long a read may take before it counts as hung. A 100,000-row file is read in well
    // under a second on a slow machine.
    std::chrono::milliseconds timeout { 5000 };
    // How much memory a read may allocate. Some damage sends libmdb into a loop that
    // allocates about 200 MiB a second; a sound read of a 100,000-row file needs a few MiB.
    std::size_t memoryLimit = 256u << 20;
    LessonColumns columns;
};

// The lesson data file read through mdbtools' libmdb, read-only.
//
// Every query checks the file first (a regular, non-empty Access 2000-2003 file whose length
// is a whole number of pages; Jet 3 and .accdb files are refused by name), then opens it,
// scans the whole table in stored order and closes it again: nothing is kept open between
// queries, so the file may be replaced while the program runs and every query sees the file
// as it is. Rows are selected by comparing the "id" text with the id asked for, byte for byte,
// in our code; no query text is built.
//
// Each query is logged as "store.query" with the table, the id and the row count or error.
class MdbLessonSource : public LessonSource {
public:
    explicit MdbLessonSource(std::string path, MdbLessonSourceOptions options = {});

    Result<std::vector<LessonRow>> query(const std::string& table, const std::string& id) override;

    const std::string& path() const { return m_path; }

private:
    Result<std::vector<LessonRow>> read(const std::string& table, const std::string& id) const;

    std::string m_path;
    MdbLessonSourceOptions m_options;
};

} // namespace platform
