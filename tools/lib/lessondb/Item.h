#pragma once

#include <string>

namespace lessondb {

// One row of the lesson table `study`, every text in UTF-8.
struct Item {
    std::string id;    // lesson-part id: course code followed by the part name
    std::string jp;    // Japanese text
    std::string cn;    // Chinese translation
    std::string sound; // sound name: the clip is music/<sound>.mp3
    std::string fy;    // pronunciation line
    bool operator==(const Item&) const = default;
};

// The most UTF-16 units a text column of the lesson table holds.
inline constexpr std::size_t kMaxTextUnits = 255;

} // namespace lessondb
