#pragma once

#include "shell/WindowContext.h"

namespace study {

// Between an item row and the loudspeaker: the three routines that bring the selected item
// into the main panes and the player, and the reference-audio button of the recording panel
// with its bar and status line. Clip paths come from soundlabel at the moment of loading.
class ItemAudio {
public:
    explicit ItemAudio(shell::WindowContext& context) : m_x(context) {}

    void wmpnoplay();
    void wmpplay();
    void wmpdiao();

    // Click of jibenbtn(4) after the common first steps of every jibenbtn click.
    void referenceAudio();
    // A progress-monitor tick while it follows the reference audio.
    void referenceTick();

    static const char* const kPlayingText; // "正在播放原音........."
    static const char* const kStoppedText; // "已经停止播放原音"

private:
    // Copies the selected row into soundlabel and the two main panes; false with no row.
    bool showSelected(bool soundFirst);
    void load();
    // Sets the bar's value, kept inside its range so that the bar never refuses it.
    void setBarValue(double seconds);

    shell::WindowContext& m_x;
};

// Rounds to the nearest whole number, halves to the even neighbour.
long roundHalfEven(double value);

} // namespace study
