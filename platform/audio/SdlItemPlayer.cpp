#include "platform/audio/SdlItemPlayer.h"

#include <SDL2/SDL_mixer.h>

#include "platform/audio/SdlMixer.h"
#include "platform/log/ActionLog.h"

namespace platform {

struct SdlItemPlayer::Clip {
    explicit Clip(Mix_Music* m)
        : music(m)
    {
    }
    ~Clip() { Mix_FreeMusic(music); }
    Clip(const Clip&) = delete;
    Clip& operator=(const Clip&) = delete;
    Mix_Music* music;
};

SdlItemPlayer::SdlItemPlayer(std::shared_ptr<SdlMixer> mixer)
    : m_mixer(std::move(mixer))
{
    // Runs on the audio thread at a natural end, or inside Mix_HaltMusic: only posts.
    m_mixer->setMusicFinished(this, [this] { postEnd(); });
}

SdlItemPlayer::~SdlItemPlayer()
{
    m_mixer->clearMusicFinished(this);
    stopMusic();
    m_clip.reset();
}

void SdlItemPlayer::setFileName(const std::string& path)
{
    stopMusic();
    m_clip.reset();
    m_state = kStopped;
    m_path = path;
    m_duration = 0;
    m_problem.clear();
    if (!m_mixer->isOpen()) {
        m_problem = "no audio output";
    } else if (Mix_Music* music = Mix_LoadMUS(path.c_str())) {
        m_clip = std::make_unique<Clip>(music);
        const double seconds = Mix_MusicDuration(music);
        m_duration = seconds > 0 ? seconds : 0;
    } else {
        m_problem = Mix_GetError();
    }
    actionlog::write("player.load", pathForLog());
}

void SdlItemPlayer::play()
{
    actionlog::write("player.play", pathForLog());
    if (m_state == kPlaying)
        return;
    if (m_state == kHeld) {
        // A clip that cannot be played is only held while its end is on its way.
        if (m_clip)
            Mix_ResumeMusic();
        m_state = kPlaying;
        return;
    }
    m_state = kPlaying;
    const int loops = m_playCount > 0 ? m_playCount : -1;
    if (!m_clip || Mix_PlayMusic(m_clip->music, loops) != 0)
        postEnd(); // an immediate end, reported like a natural one
}

void SdlItemPlayer::hold()
{
    actionlog::write("player.hold", m_path);
    if (m_state != kPlaying)
        return;
    if (m_clip)
        Mix_PauseMusic();
    m_state = kHeld;
}

void SdlItemPlayer::halt()
{
    actionlog::write("player.halt", m_path);
    stopMusic();
    m_state = kStopped;
}

double SdlItemPlayer::currentPosition() const
{
    if (m_state == kStopped || !m_clip)
        return 0;
    double seconds = Mix_GetMusicPosition(m_clip->music);
    if (seconds < 0)
        return 0;
    if (m_duration > 0 && seconds > m_duration)
        seconds = m_duration;
    return seconds;
}

void SdlItemPlayer::stopMusic()
{
    if (m_clip && m_mixer->isOpen())
        Mix_HaltMusic(); // fires the finished hook here, under the old generation
    ++m_generation;
}

void SdlItemPlayer::postEnd()
{
    const std::uint64_t generation = m_generation.load();
    m_queue.post([this, generation] { deliverEnd(generation); });
}

void SdlItemPlayer::deliverEnd(std::uint64_t generation)
{
    if (generation != m_generation.load() || m_state == kStopped)
        return; // halted (or loaded anew) since this end was posted
    const int oldState = m_state;
    m_state = kStopped;
    actionlog::write("player.end", m_path);
    notifyPlayStateChange(oldState, kStopped);
}

std::string SdlItemPlayer::pathForLog() const
{
    return m_problem.empty() ? m_path : m_path + " (cannot be played: " + m_problem + ")";
}

} // namespace platform
