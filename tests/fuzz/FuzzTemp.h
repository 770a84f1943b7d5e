#pragma once

#include <string>
#include <string_view>

namespace fuzz {

// A private folder for the files a fuzz target writes, made on first use and removed with
// everything in it when the process ends. It lies in memory (/dev/shm) where that exists, so
// that the many small writes cost no disk flushes; TMPDIR (or /tmp) otherwise.
const std::string& tempFolder();

// Replaces the file NAME in the temporary folder with BYTES and returns its path; aborts
// when it cannot be written (the machine, not the input, is at fault then).
std::string writeTempFile(const std::string& name, std::string_view bytes);

// The whole content of the file at PATH; empty when it is missing.
std::string readFile(const std::string& path);

} // namespace fuzz
