#include "platform/audio/SdlMixer.h"

#include <cstdio>

#include <SDL2/SDL.h>
#include <SDL2/SDL_mixer.h>

#include "platform/log/ActionLog.h"

namespace platform {
namespace {

// Written on the UI thread while no hook is installed; read by the hooks.
SdlMixer* s_live = nullptr;

std::weak_ptr<SdlMixer>& openMixer()
{
    static std::weak_ptr<SdlMixer> mixer;
    return mixer;
}

constexpr int kWantedFrequency = 44100;
constexpr int kWantedChannels = 2;
constexpr int kMixChannels = 8;

} // namespace

std::shared_ptr<SdlMixer> SdlMixer::acquire(const Options& options)
{
    if (auto mixer = openMixer().lock())
        return mixer;
    std::shared_ptr<SdlMixer> mixer(new SdlMixer(options));
    openMixer() = mixer;
    return mixer;
}

SdlMixer::SdlMixer(const Options& options)
{
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    Mix_Init(MIX_INIT_MP3); // a missing decoder shows later as a clip that cannot be played
    if (openDevice(options.chunkFrames)) {
        m_hasSound = true;
        actionlog::write("audio.open", m_driver + ", " + std::to_string(m_frequency) + " Hz, " + std::to_string(m_channels) + " channels");
    } else {
        const std::string reason = SDL_GetError();
        SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, "dummy", SDL_HINT_OVERRIDE);
        openDevice(options.chunkFrames);
        SDL_ResetHint(SDL_HINT_AUDIODRIVER);
        const std::string text = "no audio device (" + reason + "): running without sound";
        actionlog::write("audio.silent", text);
        std::fprintf(stderr, "main: %s\n", text.c_str());
    }
    if (m_open)
        s_live = this;
}

SdlMixer::~SdlMixer()
{
    if (m_open) {
        Mix_HookMusicFinished(nullptr);
        Mix_SetPostMix(nullptr, nullptr);
        s_live = nullptr;
        Mix_HaltChannel(-1);
        Mix_HaltMusic();
        Mix_CloseAudio();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
    Mix_Quit();
    if (SDL_WasInit(SDL_INIT_EVERYTHING) == 0)
        SDL_Quit();
}

bool SdlMixer::openDevice(int chunkFrames)
{
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
        return false;
    if (Mix_OpenAudioDevice(kWantedFrequency, AUDIO_S16SYS, kWantedChannels, chunkFrames, nullptr,
            SDL_AUDIO_ALLOW_FREQUENCY_CHANGE | SDL_AUDIO_ALLOW_CHANNELS_CHANGE)
        != 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    Uint16 format = 0;
    Mix_QuerySpec(&m_frequency, &format, &m_channels);
    Mix_AllocateChannels(kMixChannels);
    Mix_ReserveChannels(2); // kEffectChannel and kTakeChannel
    const char* name = SDL_GetCurrentAudioDriver();
    m_driver = name ? name : "";
    m_open = true;
    return true;
}

void SdlMixer::setMusicFinished(const void* owner, std::function<void()> hook)
{
    if (m_open)
        Mix_HookMusicFinished(nullptr); // takes the mixer's lock: no hook runs past this line
    m_musicOwner = owner;
    m_musicFinished = std::move(hook);
    if (m_open && m_musicFinished)
        Mix_HookMusicFinished(&SdlMixer::musicFinishedThunk);
}

void SdlMixer::clearMusicFinished(const void* owner)
{
    if (owner == m_musicOwner)
        setMusicFinished(nullptr, {});
}

void SdlMixer::setOutputTap(std::function<void(const std::int16_t*, std::size_t)> tap)
{
    if (!m_open) {
        m_tap = std::move(tap);
        return;
    }
    Mix_SetPostMix(nullptr, nullptr);
    m_tap = std::move(tap);
    if (m_tap)
        Mix_SetPostMix(&SdlMixer::postMixThunk, this);
}

void SdlMixer::musicFinishedThunk()
{
    SdlMixer* self = s_live;
    if (!self || !self->m_musicFinished)
        return;
    try {
        self->m_musicFinished();
    } catch (...) {
        // nothing may cross SDL's audio thread
    }
}

void SdlMixer::postMixThunk(void* self, std::uint8_t* stream, int length)
{
    auto* mixer = static_cast<SdlMixer*>(self);
    if (!mixer->m_tap || length <= 0)
        return;
    try {
        mixer->m_tap(reinterpret_cast<const std::int16_t*>(stream), static_cast<std::size_t>(length) / 2);
    } catch (...) {
        // nothing may cross SDL's audio thread
    }
}

} // namespace platform
