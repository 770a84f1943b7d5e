#pragma once

#include <string>

namespace shell {

// The lesson window's own variables and the program-wide ones it shares with the effect
// sounds, under the names every handler uses. Values at start are those of a fresh program
// (0, false, empty); the start-up gives them their working values. Integers the window keeps
// as 16-bit numbers are int here; every place that computes them keeps them in range.
struct WindowState {
    // Program-wide.
    std::string profileBuffer;  // buffer of the last settings read or write
    int autoPlayState = 0;      // 2 while the automatic run goes on, 1 when stopped
    std::string lessonQuery;    // the query text last given to the lesson store
    std::string lessonId;       // course code followed by the part name
    std::string lessonTable;    // "study"
    int studyMode = 0;          // 1 follow-read, 2 listen-read, 3 repeat-read
    bool effectSoundOn = false; // effect sounds play only while true

    // The window's own, in the order it declares them. The outline is handed to the window
    // and not kept, so the three region handles stay 0 outside the start-up.
    long outlineRegion = 0;
    long holeRegion = 0;
    long shapeRegion = 0;
    int loopIndex = 0;
    int newItem = 0;          // number of the list row most recently added
    int repeatTimes = 0;      // plays of an item in one cycle, 1..16
    int repeatDone = 0;       // plays completed in the running cycle
    int pauseSeconds = 0;     // the pause setting, 1..16 (a pause lasts setting + 1 ticks)
    int autoItemIndex = 0;    // row the automatic run plays next
    int progressMode = 0;     // what the progress monitor follows: 1 recording, 2 play-back, 3 reference audio
    std::string recordFolder; // program folder with one trailing separator

    // Kept by the pause timer between its ticks.
    int pauseTicks = 0;
};

} // namespace shell
