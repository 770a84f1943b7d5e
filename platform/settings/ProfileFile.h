#pragma once

#include "platform/core/Result.h"

#include <string>
#include <string_view>

namespace platform {

// The shared settings file: a Windows initialisation file ("[section]" lines, then
// "key=value" lines) in code page 936, shared with sibling programs. Section and key names
// match without regard to ASCII case. Texts cross this interface as UTF-8.
class ProfileFile {
public:
    virtual ~ProfileFile() = default;

    // The value of KEY in SECTION, or FALLBACK when the file, the section or the key is
    // missing. As the Windows reader does: only the first section of that name is searched,
    // the first line of the key wins, surrounding blanks and one pair of matching quotes are
    // taken off, and the value is cut to its first 255 bytes (in the file's code page, never
    // inside a character) before it is decoded. Never fails: a damaged file reads as far as
    // it can be read, and bytes that are no character show as U+FFFD.
    virtual std::string read(std::string_view section, std::string_view key, std::string_view fallback) const = 0;

    // Sets KEY in SECTION to VALUE: the key is replaced where it stands or added at the end of
    // its section (the section is added at the end of the file when missing; the file is
    // created when missing). Every other byte of the file stays as it was. The file is
    // replaced atomically, so readers never see a half-written file.
    virtual Status write(std::string_view section, std::string_view key, std::string_view value) = 0;
};

} // namespace platform
