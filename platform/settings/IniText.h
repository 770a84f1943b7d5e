#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace platform::ini {

// The text rules of a Windows initialisation file, on its raw bytes (no decoding here).
//
// Lines end with "\n" or "\r\n". After leading blanks (space, tab, CR, VT, FF, Ctrl-Z), a
// line starting with '[' and holding a ']' names a section: the name is what lies between
// the '[' and the last ']', trimmed. A line starting with ';' is a comment. Any other line
// with an '=' is a key line: the key is the text before the first '=' and the value the text
// after it, both trimmed. Every other line (blank, no '=', before the first section) counts
// for nothing. Names match without regard to ASCII case. Only the first section of a name
// counts: a key is looked for in that section alone, and the first line of the key wins.

// Whether C is one of the blanks the line rules trim (space, tab, CR, VT, FF, Ctrl-Z).
bool isBlank(char c);

// Whether two section or key names are the same (ASCII letters compared without case).
bool sameName(std::string_view a, std::string_view b);

// The raw value of KEY in SECTION as the Windows reader returns it: trimmed, with one pair
// of matching surrounding quotes ("..." or '...') taken off, cut at the first NUL byte.
// Nothing when the section or the key is missing.
std::optional<std::string_view> findValue(std::string_view text, std::string_view section, std::string_view key);

// TEXT with KEY in SECTION set to VALUE (all raw bytes), every other byte unchanged:
// - the key present: its value is replaced in place (what stands before the value on its
//   line, the key's own spelling and the blanks around '=', stays);
// - the key missing: "KEY=VALUE" is added after the last non-blank line of the section;
// - the section missing: "[SECTION]" and the key line are added at the end of the file.
// New lines use the line break of the file's first line ("\r\n" for a file without any).
// A file that did not end with a line break still does not.
std::string withValue(std::string_view text, std::string_view section, std::string_view key, std::string_view value);

} // namespace platform::ini
