#pragma once

#include <string>

namespace platform {

// A font as controls store it: face name (as written in the form data, e.g. "宋体"),
// size in points, weight (400 regular, 700 bold), character set (134 GB2312, 128 Japanese)
// and style flags. The platform maps legacy face names to installed fonts.
struct FontInfo {
    std::string name = "宋体";
    double size = 9.0;
    int weight = 400;
    int charset = 134;
    bool italic = false;
    bool underline = false;
    bool strikethrough = false;

    bool operator==(const FontInfo&) const = default;
};

} // namespace platform
