#pragma once

#include "platform/record/RecordingDevice.h"

#include <optional>
#include <string>
#include <vector>

namespace fakes {

// A recording device without sound: it records every setting and command in order, moves
// between the modes as the real device does, and reports the Length and Position the test
// sets. Commands on a closed device and unknown commands fail; "open" fails with the error
// the test set (and the device stays closed).
//
// Recorded as "Notify=0", "Wait=1", "Shareable=0", "DeviceType=WaveAudio",
// "FileName=<path>" and the command strings themselves ("open", "Record", ...).
//
// Effects: "open" → Stopped, length and position 0; "close" → NotOpen, length and position 0;
// "Prev" → Stopped, position 0; "Record" → Recording; "Stop" → Stopped; "Play" → Playing.
// finishTake() and finishPlayback() stand for the device stopping by itself (the take's
// bound, the end of the take): Stopped, and at the end, the position is the length.
class FakeRecorder : public platform::RecordingDevice {
public:
    // Scripting.
    void failOpen(platform::Error error) { m_openError = std::move(error); }
    void openSucceeds() { m_openError.reset(); }
    void setLength(int milliseconds) { m_length = milliseconds; }
    void setPosition(int milliseconds) { m_position = milliseconds; }
    void finishTake();
    void finishPlayback();

    const std::vector<std::string>& calls() const { return m_calls; }
    void clearCalls() { m_calls.clear(); }

    // RecordingDevice.
    void setNotify(bool notify) override { m_calls.push_back(std::string("Notify=") + (notify ? "1" : "0")); }
    void setWait(bool wait) override { m_calls.push_back(std::string("Wait=") + (wait ? "1" : "0")); }
    void setShareable(bool shareable) override { m_calls.push_back(std::string("Shareable=") + (shareable ? "1" : "0")); }
    void setDeviceType(const std::string& type) override { m_calls.push_back("DeviceType=" + type); }
    void setFileName(const std::string& path) override { m_calls.push_back("FileName=" + path); }
    platform::Status command(const std::string& command) override;
    int length() const override { return m_mode == Mode::NotOpen ? 0 : m_length; }
    int position() const override { return m_mode == Mode::NotOpen ? 0 : m_position; }
    Mode mode() const override { return m_mode; }

private:
    std::optional<platform::Error> m_openError;
    std::vector<std::string> m_calls;
    Mode m_mode = Mode::NotOpen;
    int m_length = 0;
    int m_position = 0;
};

} // namespace fakes
