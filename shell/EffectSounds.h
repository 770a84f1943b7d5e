#pragma once

#include "shell/WindowContext.h"

namespace shell {

// The short effect sounds that accompany the buttons, by code: 61 "Clique.wav", 62
// "wrong.wav", 63 "click.wav", from the program folder's music folder. They play only while
// effectSoundOn; a new one cuts off the one still sounding; an unknown code plays nothing.
class EffectSounds {
public:
    explicit EffectSounds(WindowContext& context) : m_x(context) {}
    void playEffectSound(int code);
    static const char* fileFor(int code);

private:
    WindowContext& m_x;
};

} // namespace shell
