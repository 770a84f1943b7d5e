#pragma once

#include "platform/audio/UiThreadQueue.h"
#include "platform/record/RecordingDevice.h"
#include "platform/record/RecordingFormat.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

struct Mix_Chunk;

namespace platform {

class SdlMixer;

// The recorder on SDL audio capture, playing the take back on the mixer's take channel.
// "open" opens the default capture device (paused) in the recording file's format; SDL
// converts from whatever the microphone gives. The capture callback appends to the take in
// memory up to the bound; reaching it stops the take by itself (the capture device is paused
// from the UI thread right after). Play-back converts the rest of the take to the mixer's
// format and follows the samples the mixer has taken from it.
//
// Without a real sound device (the mixer runs silently) "open" fails: a recording of
// silence would only pretend to work. UI thread only, apart from the capture callback.
//
// Action log: "record.command" for every command with its outcome, e.g.
// "open /x/Recorder.wav: ok (22050 Hz, 1 channel, 16 bits)", "Record: ok",
// "Play: failed: the recording device is not open"; "record.bound" when a take reaches its bound.
class SdlRecordingDevice : public RecordingDevice {
public:
    static constexpr int kDefaultMaxTakeMilliseconds = 10 * 60 * 1000;

    SdlRecordingDevice(std::shared_ptr<SdlMixer> mixer, int maxTakeMilliseconds = kDefaultMaxTakeMilliseconds);
    ~SdlRecordingDevice() override;
    SdlRecordingDevice(const SdlRecordingDevice&) = delete;
    SdlRecordingDevice& operator=(const SdlRecordingDevice&) = delete;

    // Notify, Wait and Shareable are kept as set and change nothing: commands always complete
    // before they return (play-back and recording then go on by themselves), and the device
    // is never shared.
    void setNotify(bool notify) override { m_notify = notify; }
    void setWait(bool wait) override { m_wait = wait; }
    void setShareable(bool shareable) override { m_shareable = shareable; }
    void setDeviceType(const std::string& type) override { m_deviceType = type; }
    void setFileName(const std::string& path) override { m_fileName = path; }

    Status command(const std::string& command) override;

    int length() const override;
    int position() const override;
    Mode mode() const override;

    // The open device's format (zeros when closed) and a copy of the take's raw samples.
    const RecordingFormat& format() const { return m_format; }
    std::vector<std::uint8_t> takeSamples() const;

private:
    Status run(const std::string& command);
    Status open();
    void close();
    void rewind();
    Status record();
    void stop();
    Status play();
    void settle();
    void stopRecording();
    void stopPlayback();
    void onCaptured(const std::uint8_t* data, int length); // capture thread
    void onBoundReached();
    std::int64_t takeBytes() const;
    std::int64_t playbackPositionBytes() const;
    int millisecondsOf(std::int64_t bytes) const;
    static void captureThunk(void* self, std::uint8_t* stream, int length);
    static void countPlayedThunk(int channel, void* stream, int length, void* self);

    std::shared_ptr<SdlMixer> m_mixer;
    const int m_maxTakeMilliseconds;
    bool m_notify = false;
    bool m_wait = false;
    bool m_shareable = false;
    std::string m_deviceType;
    std::string m_fileName;

    Mode m_mode = Mode::NotOpen;
    RecordingFormat m_format;
    std::uint32_t m_device = 0; // the SDL capture device, 0 when closed
    std::int64_t m_positionBytes = 0; // in the take, when neither recording nor playing

    mutable std::mutex m_takeMutex; // guards the take and m_capturing
    std::vector<std::uint8_t> m_take;
    std::int64_t m_maxBytes = 0;
    bool m_capturing = false;
    std::atomic<bool> m_full { false }; // the take reached its bound while recording

    std::vector<std::uint8_t> m_playSamples; // the part being played, in the mixer's format
    Mix_Chunk* m_playChunk = nullptr;
    std::int64_t m_playStartBytes = 0;
    std::atomic<std::int64_t> m_playedBytes { 0 }; // mixer bytes taken from the chunk so far

    UiThreadQueue m_queue; // last: destroyed first, once the capture device is closed
};

} // namespace platform
