#pragma once

#include "shell/WindowContext.h"

namespace study {

// The recording panel: record, stop and play back the learner's voice on the recording
// device, with the marquee while recording, the bar following the play-back, the status
// line and the length line. Every button runs all its steps; when the device could not be
// opened (no microphone, no audio device, no usable recording file), the status line says
// so instead of pretending to record.
class VoiceRecording {
public:
    explicit VoiceRecording(shell::WindowContext& context) : m_x(context) {}

    // Run by the study menu on entering the repeat-read screen.
    void openDevice();
    // Run by every click on the study menu.
    void closeDevice();

    void startrecClick();
    void stoprecClick();
    void playrecClick();
    // A progress-monitor tick in mode 1 (recording) or 2 (play-back).
    void monitorTick();

    static const char* const kRecordingText; // "正在进行录音......."
    static const char* const kStoppedText;   // "已经停止录音......."
    static const char* const kPlayingText;   // "正在播放录音......."

private:
    void send(const char* command);
    void writeLengthLine();
    // The status shown instead when the device is not usable.
    bool reportUnusable();
    // Shows "无法录音：" and WHY in the panel's status label.
    void cannotRecord(const std::string& why);

    shell::WindowContext& m_x;
    std::string m_openError; // why the device could not be opened; empty when it is open
};

} // namespace study
