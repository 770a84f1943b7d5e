#pragma once

#include "platform/audio/EffectPlayer.h"

#include <map>
#include <memory>
#include <string>

struct Mix_Chunk;

namespace platform {

class SdlMixer;

// Effect sounds on the mixer's effect channel. Each file is decoded once, on its first play,
// and kept for the player's life (the program has three effects). UI thread only.
// Action log: "effect.play" with the full path, plus "(cannot be played: reason)".
class SdlEffectPlayer : public EffectPlayer {
public:
    explicit SdlEffectPlayer(std::shared_ptr<SdlMixer> mixer);
    ~SdlEffectPlayer() override;
    SdlEffectPlayer(const SdlEffectPlayer&) = delete;
    SdlEffectPlayer& operator=(const SdlEffectPlayer&) = delete;

    void play(const std::string& path) override;

private:
    Mix_Chunk* chunkFor(const std::string& path, std::string& problem);

    std::shared_ptr<SdlMixer> m_mixer;
    std::map<std::string, Mix_Chunk*> m_chunks;
};

} // namespace platform
