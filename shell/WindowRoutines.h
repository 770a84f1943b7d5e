#pragma once

namespace shell {

// The window's routines that several of its parts call, without arguments and without a
// result the callers use; the lesson window implements them by handing each to its part.
class WindowRoutines {
public:
    virtual ~WindowRoutines() = default;
    virtual void xiantext() = 0;       // show the current row in every text pane
    virtual void nexti() = 0;          // select the next row, counting from indexlabel
    virtual void prei() = 0;           // select the previous row, counting from indexlabel
    // Selects and records row 1 when no row was reached since the list was filled; returns
    // true exactly then.
    virtual bool reachFirstRow() = 0;
    virtual void wmpnoplay() = 0;      // show the selected item without sound
    virtual void wmpplay() = 0;        // show the selected item and play its clip from the start
    virtual void wmpdiao() = 0;        // load row autoItemIndex held silent and start the pause
    virtual void playEffectSound(int code) = 0; // 61 Clique.wav, 62 wrong.wav, 63 click.wav
    virtual void halt() = 0;           // halt the item player
    virtual void loadPart() = 0;       // rebuild the list from the store for lessonId
    virtual void startSibling(const char* fileName) = 0; // a sibling program from the program folder
    virtual void unloadWindow() = 0;   // unload the lesson window: the program ends
};

} // namespace shell
