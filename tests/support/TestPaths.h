#pragma once

#include <cstdlib>
#include <string>

namespace testpaths {

// Folders the test environment names (set by CTest; fall back to those the build knows).
inline std::string fromEnv(const char* name, const char* fallback)
{
    const char* v = std::getenv(name);
    return v && *v ? v : fallback;
}
#ifndef TEST_PROJECT_SOURCE_DIR
#define TEST_PROJECT_SOURCE_DIR "."
#endif
#ifndef TEST_PROJECT_BINARY_DIR
#define TEST_PROJECT_BINARY_DIR "."
#endif
#ifndef TEST_FIXTURES_DIR
#define TEST_FIXTURES_DIR "tests/fixtures/access"
#endif
inline std::string sourceDir() { return fromEnv("PROJECT_SOURCE_DIR", TEST_PROJECT_SOURCE_DIR); }
inline std::string binaryDir() { return fromEnv("PROJECT_BINARY_DIR", TEST_PROJECT_BINARY_DIR); }
// The real Access files made by other software.
inline std::string fixturesDir() { return fromEnv("FIXTURES_DIR", TEST_FIXTURES_DIR); }

} // namespace testpaths
