#pragma once

#include "platform/core/Result.h"

#include <string>
#include <vector>

namespace platform {

// One item of a lesson part as the lesson table stores it. A Null field reads as "".
struct LessonRow {
    std::string jp;    // Japanese text
    std::string cn;    // Chinese translation
    std::string sound; // sound name: the clip is music/<sound>.mp3
    std::string fy;    // pronunciation line
    bool operator==(const LessonRow&) const = default;
};

// The lesson data file, read only.
class LessonSource {
public:
    virtual ~LessonSource() = default;

    // Every row of TABLE whose "id" equals ID exactly (compared in code, byte for byte: no
    // character of ID can change what is selected), in stored order; an empty list when no
    // row matches. Fails with a message naming the file when it is missing, unreadable, not
    // an Access 2000 (Jet 4) file, damaged, or lacks the table or one of the columns "id",
    // "jp", "cn", "sound", "fy". Never crashes or hangs the program, whatever the file holds.
    virtual Result<std::vector<LessonRow>> query(const std::string& table, const std::string& id) = 0;
};

} // namespace platform
