#pragma once

#include "platform/audio/EffectPlayer.h"
#include "platform/audio/ItemPlayer.h"
#include "platform/record/RecordingDevice.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>

namespace platform {

class SdlMixer;
class SdlItemPlayer;
class SdlEffectPlayer;
class SdlRecordingDevice;

// The three audio back ends the lesson window needs, as interfaces.
struct AudioBackends {
    std::unique_ptr<ItemPlayer> player;
    std::unique_ptr<EffectPlayer> effects;
    std::unique_ptr<RecordingDevice> recorder;
};

// The program's audio system on SDL2 and SDL_mixer: opens SDL's audio and the mixer once
// (with SDL's signal handlers off) and builds the real back ends on it. Make it on the UI
// thread, after the Qt application object; the back ends report to that thread.
//
// The back ends keep the mixer open as long as any of them lives, so they may
// outlive this object. Only one item player should exist at a time (the mixer has one music
// stream and one finished hook; a newer player takes them over).
//
// SDL picks the output device as usual (SDL_AUDIODRIVER chooses the driver). Without any
// device the program runs silently: it says so once, on stderr and in the action log, the
// player still decodes clips and lets them end after their real length, effects sound
// nothing, and the recorder refuses to open.
class SdlAudio {
public:
    struct Options {
        int mixerChunkFrames = 512; // output buffer: 11.6 ms at 44.1 kHz
        int maxTakeMilliseconds = 10 * 60 * 1000; // a take stops by itself at this length
    };

    SdlAudio();
    explicit SdlAudio(const Options& options);
    ~SdlAudio();
    SdlAudio(const SdlAudio&) = delete;
    SdlAudio& operator=(const SdlAudio&) = delete;

    // False when no sound device could be opened and the program runs silently.
    bool hasSound() const;
    // The output format: signed 16-bit samples at this rate and channel count.
    int outputFrequency() const;
    int outputChannels() const;

    std::unique_ptr<SdlItemPlayer> createItemPlayer();
    std::unique_ptr<SdlEffectPlayer> createEffectPlayer();
    std::unique_ptr<SdlRecordingDevice> createRecordingDevice();
    AudioBackends createBackends();

    // TAP sees every buffer of interleaved samples leaving the mixer, on the audio thread
    // (for measuring and testing what sounds); an empty function removes it.
    void setOutputTap(std::function<void(const std::int16_t* samples, std::size_t count)> tap);

private:
    Options m_options;
    std::shared_ptr<SdlMixer> m_mixer;
};

} // namespace platform
