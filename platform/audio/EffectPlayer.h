#pragma once

#include <string>

namespace platform {

// Short effect sounds (WAV files), played asynchronously: play returns at once, a new
// effect cuts off the one still sounding, and a file that cannot be played sounds nothing.
class EffectPlayer {
public:
    virtual ~EffectPlayer() = default;
    virtual void play(const std::string& path) = 0;
};

} // namespace platform
