#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace platform {

// The process's one SDL mixer: SDL's audio subsystem and SDL_mixer's output, opened
// once and shared by the item player, the effect player and the recorder (each keeps the
// mixer open while it exists). It owns SDL_mixer's global hooks and hands them on.
//
// Opening: SDL may not install signal handlers (SIGINT and SIGTERM keep ending the program).
// The output is 16-bit signed samples, 44.1 kHz stereo asked for, whatever rate and channel
// count the device grants. When no device can be opened the mixer opens on SDL's dummy driver
// instead: everything runs in real time and nothing is heard; this is said once, on stderr and
// in the action log ("audio.silent"). Only if even that fails is the mixer closed (isOpen()
// false) and the back ends treat every clip as unplayable.
//
// Mixer channels: kEffectChannel carries the effect sounds, kTakeChannel the recorder's
// play-back; both are reserved, so nothing else plays on them.
class SdlMixer {
public:
    struct Options {
        int chunkFrames = 512; // output buffer in frames: 11.6 ms at 44.1 kHz
    };
    static constexpr int kEffectChannel = 0;
    static constexpr int kTakeChannel = 1;

    // The mixer that is open, or a new one opened with OPTIONS (ignored while one is alive).
    // UI thread only.
    static std::shared_ptr<SdlMixer> acquire(const Options& options);
    ~SdlMixer();
    SdlMixer(const SdlMixer&) = delete;
    SdlMixer& operator=(const SdlMixer&) = delete;

    bool isOpen() const { return m_open; }
    bool hasSound() const { return m_hasSound; } // a real output device, not the silent stand-in
    const std::string& driver() const { return m_driver; }
    int frequency() const { return m_frequency; }
    int channels() const { return m_channels; }
    int bytesPerSecond() const { return m_frequency * m_channels * 2; }

    // HOOK runs when the music ends by itself (on the audio thread) and inside every
    // Mix_HaltMusic of a sounding or held music (on the caller's thread). It must not call
    // Mix_* functions. The music has one hook: OWNER's replaces any other, and clearing
    // removes it only while OWNER still holds it. Both wait for a hook that is running.
    void setMusicFinished(const void* owner, std::function<void()> hook);
    void clearMusicFinished(const void* owner);
    // TAP sees every buffer leaving the mixer (interleaved samples, on the audio thread).
    void setOutputTap(std::function<void(const std::int16_t* samples, std::size_t count)> tap);

private:
    explicit SdlMixer(const Options& options);
    bool openDevice(int chunkFrames);
    static void musicFinishedThunk();
    static void postMixThunk(void* self, std::uint8_t* stream, int length);

    bool m_open = false;
    bool m_hasSound = false;
    std::string m_driver;
    int m_frequency = 0;
    int m_channels = 0;
    const void* m_musicOwner = nullptr;
    std::function<void()> m_musicFinished;
    std::function<void(const std::int16_t*, std::size_t)> m_tap;
};

} // namespace platform
