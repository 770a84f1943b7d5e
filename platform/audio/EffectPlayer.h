#pragma once

#include <string>

namespace platform {

// Short effect sounds (WAV files), played asynchronously: play returns at once, a new
// effect cuts off the one still sounding (also when the new one cannot be played), and a
// file that cannot be played sounds nothing. Effects sound beside the item clips, on a
// channel of their own.
class EffectPlayer {
public:
    virtual ~EffectPlayer() = default;
    virtual void play(const std::string& path) = 0;
};

} // namespace platform
