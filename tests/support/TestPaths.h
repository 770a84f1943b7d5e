#pragma once

#include <cstdlib>
#include <string>

namespace testpaths {

// Folders the test environment names (set by CTest; fall back to the build layout).
inline std::string fromEnv(const char* name, const char* fallback)
{
    const char* v = std::getenv(name);
    return v && *v ? v : fallback;
}
inline std::string sourceDir() { return fromEnv("PROJECT_SOURCE_DIR", TESTS_SOURCE_DIR); }
inline std::string binaryDir() { return fromEnv("PROJECT_BINARY_DIR", TESTS_BINARY_DIR); }
// The real Access files made by other software.
inline std::string fixturesDir() { return fromEnv("FIXTURES_DIR", TESTS_SOURCE_DIR "/tests/fixtures/access"); }

} // namespace testpaths
