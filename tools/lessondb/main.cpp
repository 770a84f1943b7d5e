// lessondb write SOURCE.tsv OUT.dat: turns a lesson source (UTF-8, tab-separated) into the
// lesson file, an Access 2000 database with the table `study`.
//
// Exit status 0 on success, 1 when the source or the output fails (the message names the
// file and, for the source, the line), 2 for a wrong command line. Nothing is written
// unless the whole source is good.

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>

#include "tools/lib/lessondb/LessonFile.h"

namespace {

int usage()
{
    std::fputs("usage: lessondb write SOURCE.tsv OUT.dat\n", stderr);
    return 2;
}

// The creation time recorded in the file: SOURCE_DATE_EPOCH when set (reproducible builds),
// otherwise now.
double creationTime()
{
    if (const char* epoch = std::getenv("SOURCE_DATE_EPOCH"); epoch && *epoch)
        return lessondb::accessDate(std::strtoll(epoch, nullptr, 10));
    return lessondb::accessDate(static_cast<long long>(std::time(nullptr)));
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 4 || std::string(argv[1]) != "write")
        return usage();
    const auto written = lessondb::convertSource(argv[2], argv[3], {creationTime()});
    if (!written) {
        std::fprintf(stderr, "lessondb: %s\n", written.error().message.c_str());
        return 1;
    }
    return 0;
}
