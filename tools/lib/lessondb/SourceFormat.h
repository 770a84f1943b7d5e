#pragma once

#include "platform/core/Result.h"
#include "tools/lib/lessondb/Item.h"

#include <string>
#include <string_view>
#include <vector>

namespace lessondb {

// The lesson source: the UTF-8 tab-separated text teachers write.
//
// - An optional UTF-8 byte-order mark, then a header line naming the five columns "id",
//   "jp", "cn", "sound" and "fy" once each, in any order (ASCII case does not matter).
// - Then one item per line, its fields in the header's order, separated by single tabs.
//   Lines end in LF or CR LF; the last line may lack its end. Empty lines are skipped.
// - Inside a field a backslash starts an escape: \t tab, \n line feed, \r carriage return,
//   \\ backslash. Any other backslash sequence, and any other control character, is refused.
// - "id" must not be empty; every other field may be. A field holds at most 255 UTF-16
//   units after unescaping, and only characters of the Basic Multilingual Plane.
//
// Items come back in source order. Any fault fails the whole source with the message
// "FILE:LINE: what is wrong" (code BadFormat), LINE counting from 1 at the header.
platform::Result<std::vector<Item>> parseSource(std::string_view text, const std::string& fileName);

// Reads and parses the source file at PATH; a file that cannot be read fails with a
// message naming it.
platform::Result<std::vector<Item>> readSource(const std::string& path);

} // namespace lessondb
