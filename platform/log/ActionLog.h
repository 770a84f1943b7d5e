#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace platform {

// The program's log of outward actions: one line per settings value read, store query,
// clip loaded/started/held/halted, effect sound, recording command, settings write and
// sibling start. Off unless a file is opened or a sink installed; logging never changes
// behaviour and never fails loudly.
//
// Line format: "<milliseconds since start, 6 wide> <kind> <detail>\n", e.g.
//   "    12 settings.read study/kecheng = dext1"
// Kinds are dotted lower-case words; details are UTF-8 on one line (newlines shown as \n).
namespace actionlog {

// Opens (truncates) FILE for the log; returns false if it cannot be opened.
bool openFile(const std::string& path);
// Routes every line to SINK instead of a file (tests); an empty function turns the log off.
void setSink(std::function<void(std::string_view kind, std::string_view detail)> sink);
bool enabled();
void write(std::string_view kind, std::string_view detail);

} // namespace actionlog
} // namespace platform
