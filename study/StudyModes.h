#pragma once

#include "shell/WindowContext.h"

namespace study {

class ItemAudio;

// The study-mode controller: what happens when a clip ends (repeat it after a pause, go on to
// the next item in the automatic run, or stop), the pause timer, the automatic run's start
// and stop buttons, listen, previous/next, the sound button, the repeat-count and pause
// spinners and the browse selector.
//
// A setting N pauses N + 1 ticks of 500 ms. Settings are kept within 1..16, and a cycle or a
// pause ends once its counter reaches the setting, so that lowering a setting while it runs,
// or typing a number outside the range, never makes a cycle or a pause endless.
class StudyModes {
public:
    StudyModes(shell::WindowContext& context, ItemAudio& audio) : m_x(context), m_audio(audio) {}

    // Click of jibenbtn(INDEX): effect sound 61 and play count 1, then by index.
    void jibenbtnClick(int index);
    void soundbtnClick();
    void nextbtnClick();
    void previewbtnClick();
    // The player's play-state notification.
    void playStateChange();
    // A tick of the pause timer.
    void pauseTick();
    // Clicks of the spinners (index 1 plus, 2 minus).
    void cishubtnClick(int index);
    void miaoshubtnClick(int index);
    // Click of selmag(INDEX) (1 manual browsing, 3 automatic browsing).
    void selmagClick(int index);

    static constexpr int kMinSetting = 1;
    static constexpr int kMaxSetting = 16;
    static constexpr int kPauseTick = 500; // ms

private:
    void startRun();
    void stopRun();
    void endOfRun();
    void listen();
    void startPause();
    // One spinner: steps the number in BOX within 1..16, shows it in LABEL, returns it.
    int spin(platform::Control& box, platform::Control& label, int index, int current);

    shell::WindowContext& m_x;
    ItemAudio& m_audio;
};

// A typed setting kept within 1..16; text that is not a whole number gives FALLBACK.
int settingFrom(const std::string& text, int fallback);

} // namespace study
