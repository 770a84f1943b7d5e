#include "platform/audio/SdlEffectPlayer.h"

#include <SDL2/SDL_mixer.h>

#include "platform/audio/SdlMixer.h"
#include "platform/log/ActionLog.h"

namespace platform {

SdlEffectPlayer::SdlEffectPlayer(std::shared_ptr<SdlMixer> mixer)
    : m_mixer(std::move(mixer))
{
}

SdlEffectPlayer::~SdlEffectPlayer()
{
    if (m_mixer->isOpen())
        Mix_HaltChannel(SdlMixer::kEffectChannel);
    for (auto& [path, chunk] : m_chunks)
        Mix_FreeChunk(chunk);
}

void SdlEffectPlayer::play(const std::string& path)
{
    std::string problem;
    if (!m_mixer->isOpen()) {
        problem = "no audio output";
    } else {
        Mix_HaltChannel(SdlMixer::kEffectChannel);
        if (Mix_Chunk* chunk = chunkFor(path, problem)) {
            if (Mix_PlayChannel(SdlMixer::kEffectChannel, chunk, 0) < 0)
                problem = Mix_GetError();
        }
    }
    actionlog::write("effect.play", problem.empty() ? path : path + " (cannot be played: " + problem + ")");
}

Mix_Chunk* SdlEffectPlayer::chunkFor(const std::string& path, std::string& problem)
{
    if (auto it = m_chunks.find(path); it != m_chunks.end())
        return it->second;
    Mix_Chunk* chunk = Mix_LoadWAV(path.c_str());
    if (!chunk) {
        problem = Mix_GetError(); // not kept: the file may be there next time
        return nullptr;
    }
    m_chunks.emplace(path, chunk);
    return chunk;
}

} // namespace platform
