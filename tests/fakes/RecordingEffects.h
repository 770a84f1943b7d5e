#pragma once

#include "platform/audio/EffectPlayer.h"

#include <string>
#include <vector>

namespace fakes {

// An effect player that sounds nothing and keeps the path of every effect asked for, in order.
class RecordingEffects : public platform::EffectPlayer {
public:
    void play(const std::string& path) override { m_paths.push_back(path); }
    const std::vector<std::string>& paths() const { return m_paths; }
    void clear() { m_paths.clear(); }

private:
    std::vector<std::string> m_paths;
};

} // namespace fakes
