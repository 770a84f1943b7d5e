#pragma once

#include <memory>
#include <string>

namespace platform {

// The process-wide platform: the Qt application object, font substitutions and the audio
// subsystem's signal handling. Exactly one exists, created first in main() or a test main.
class Runtime {
public:
    Runtime(int& argc, char** argv);
    ~Runtime();
    Runtime(const Runtime&) = delete;
    Runtime& operator=(const Runtime&) = delete;

    // Runs the event loop until the program ends; returns the exit code.
    int exec();
    // Loads the fonts the window's texts use (the Chinese and Japanese faces), which takes a
    // while the first time; the start-up does it while the artwork decodes.
    static void prepareFonts();
    // The folder of the running program, without a trailing separator.
    static std::string programFolder();
    // Runs the event loop for MILLISECONDS (benchmarks and tools that drive the window).
    static void processEvents(int milliseconds);
    // Ends the event loop with CODE (every window closes, no further handler runs).
    static void quit(int code = 0);

    // For headless runs (tests, tools): offscreen Qt, SDL's dummy audio driver and a
    // fixed UTF-8 locale, unless the environment already chose otherwise. Call before
    // constructing the Runtime.
    static void preferHeadless();

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};

} // namespace platform
