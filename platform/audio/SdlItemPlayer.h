#pragma once

#include "platform/audio/ItemPlayer.h"
#include "platform/audio/UiThreadQueue.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <string>

namespace platform {

class SdlMixer;

// The item player on SDL_mixer's music stream (MP3 and whatever else SDL_mixer decodes).
// Made and used on the UI thread; one at a time, since the mixer has one music stream.
//
// A natural end is told from a halt by a generation count: every halt (and every load, which
// halts) raises the generation after Mix_HaltMusic has returned, and an end posted from the
// finished hook under an older generation is dropped when it reaches the UI thread. So the
// hook that Mix_HaltMusic itself fires, and a natural end that raced a halt, are never
// reported.
//
// Without a sound device the mixer runs on SDL's silent driver: clips still decode, keep
// their durations and positions, and end after their real length, so the study modes step
// through as they would with sound.
//
// Action log: "player.load", "player.play", "player.hold", "player.halt" for each call and
// "player.end" for each end reported, each with the clip's full path; a clip that cannot be
// played adds "(cannot be played: reason)" to its load and play lines.
class SdlItemPlayer : public ItemPlayer {
public:
    explicit SdlItemPlayer(std::shared_ptr<SdlMixer> mixer);
    ~SdlItemPlayer() override;
    SdlItemPlayer(const SdlItemPlayer&) = delete;
    SdlItemPlayer& operator=(const SdlItemPlayer&) = delete;

    void setFileName(const std::string& path) override;
    std::string fileName() const override { return m_path; }
    std::string problem() const override { return m_problem; }
    void play() override;
    void hold() override;
    void halt() override;
    void setPlayCount(int count) override { m_playCount = count < 0 ? 0 : count; }
    int playCount() const override { return m_playCount; }
    double currentPosition() const override;
    double duration() const override { return m_duration; }
    int playState() const override { return m_state; }

private:
    struct Clip;
    void stopMusic();
    void postEnd();
    void deliverEnd(std::uint64_t generation);
    std::string pathForLog() const;

    std::shared_ptr<SdlMixer> m_mixer;
    std::unique_ptr<Clip> m_clip; // null when the loaded path cannot be played
    std::string m_path;
    std::string m_problem; // why the loaded path cannot be played
    double m_duration = 0;
    int m_state = kStopped;
    int m_playCount = 0;
    std::atomic<std::uint64_t> m_generation { 0 };
    UiThreadQueue m_queue; // last: destroyed first, dropping ends not yet delivered
};

} // namespace platform
