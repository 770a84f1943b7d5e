#pragma once

#include "shell/WindowContext.h"

namespace content {

// Moving between the items: the previous/next routines, which count from the row recorded in
// indexlabel (not from the selection), and the list's own click, arrow keys and double-click.
// On an empty list nothing moves and nothing plays.
class Navigation {
public:
    explicit Navigation(shell::WindowContext& context) : m_x(context) {}

    void nexti() { step(1); }
    void prei() { step(-1); }
    // When no row was reached since the list was filled, selects row 1 and records it;
    // returns true exactly then (an empty list reaches nothing).
    bool reachFirstRow();

    void listClick();
    void listKeyUp(int keyCode);
    void listDblClick();

private:
    // Selects row N and records it in indexlabel.
    void reach(int n);
    // Moves DELTA rows from the row recorded in indexlabel (not from the selection).
    void step(int delta);

    shell::WindowContext& m_x;
};

// The item's clip: the program folder, "music", the sound name and ".mp3", joined verbatim.
std::string clipPath(const std::string& programFolder, const std::string& soundName);

// Gives the player the clip of SOUNDNAME; a clip that cannot be played is handed over all the
// same (playing it ends at once), and the learner is told which file and why.
void loadClip(shell::WindowContext& x, const std::string& soundName);

} // namespace content
