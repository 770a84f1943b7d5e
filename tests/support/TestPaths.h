#pragma once

#include <cstdlib>
#include <string>

namespace testpaths {

// Folders the test environment names, falling back to those the build was configured with
// (tests discovered by CTest get only the first variable of their environment list).
#ifndef TEST_PROJECT_SOURCE_DIR
#define TEST_PROJECT_SOURCE_DIR "."
#endif
#ifndef TEST_PROJECT_BINARY_DIR
#define TEST_PROJECT_BINARY_DIR "."
#endif
#ifndef TEST_FIXTURES_DIR
#define TEST_FIXTURES_DIR "../shared/fixtures/access"
#endif

inline std::string fromEnv(const char* name, const char* fallback)
{
    const char* v = std::getenv(name);
    return v && *v ? v : fallback;
}
inline std::string sourceDir() { return fromEnv("PROJECT_SOURCE_DIR", TEST_PROJECT_SOURCE_DIR); }
inline std::string binaryDir() { return fromEnv("PROJECT_BINARY_DIR", TEST_PROJECT_BINARY_DIR); }
// The real Access files made by other software.
inline std::string fixturesDir() { return fromEnv("FIXTURES_DIR", TEST_FIXTURES_DIR); }

} // namespace testpaths
