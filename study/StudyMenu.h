#pragma once

#include "shell/WindowContext.h"

namespace study {

class VoiceRecording;

// The five menu buttons of the main view: follow-read, listen-read and repeat-read switch the
// screen and the study mode; course choice writes "xuanze" = "main" into the settings file,
// starts the course chooser and ends the program; the dictionary starts beside the window.
// Every click first ends whatever was going on (run, pause, clip, recording).
class StudyMenu {
public:
    StudyMenu(shell::WindowContext& context, VoiceRecording& recording) : m_x(context), m_recording(recording) {}

    void xuanxiangClick(int index);

private:
    void reset();
    void followRead();
    void listenRead();
    void repeatRead();
    void courseChoice();

    shell::WindowContext& m_x;
    VoiceRecording& m_recording;
};

} // namespace study
