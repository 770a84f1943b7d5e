#pragma once

#include "platform/settings/ProfileFile.h"

#include <string>

namespace platform {

// The shared settings file on disk, read and written with the rules of the Windows profile
// functions (see platform/settings/IniText.h for the line rules). Every call goes to the file
// itself: nothing is cached, so changes made by the sibling programs are always seen.
//
// Reading never fails: a missing, unreadable or non-regular file reads as empty, and a file
// larger than kMaxBytes is read up to that size. A value is cut to 255 bytes on a character
// boundary, then decoded from code page 936 (bytes that are no GBK character show as U+FFFD).
//
// Writing changes only the one value; the new file is written beside the old one, flushed to
// disk and renamed over it, so readers see the old file or the new one and never a part. A
// missing file is created (and its folder, when only that last folder is missing). It fails,
// leaving the file as it was, when the file or its folder is read-only, the file is larger
// than kMaxBytes, or the names or the value cannot be stored (no GBK form, a line break or a
// NUL in them, ']' in the section or '=' in the key, a blank at either end of a name, a key
// that starts with ';' or '[': the reader would not find such a key again).
//
// Each read and write is logged as "settings.read" / "settings.write".
class IniProfileFile : public ProfileFile {
public:
    static constexpr std::size_t kMaxBytes = 16u << 20;

    explicit IniProfileFile(std::string path);

    std::string read(std::string_view section, std::string_view key, std::string_view fallback) const override;
    Status write(std::string_view section, std::string_view key, std::string_view value) override;

    const std::string& path() const { return m_path; }

private:
    std::string m_path;
};

} // namespace platform
