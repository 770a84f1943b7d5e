#include "shell/EffectSounds.h"

namespace shell {

const char* EffectSounds::fileFor(int code)
{
    switch (code) {
    case 61: return "Clique.wav";
    case 62: return "wrong.wav";
    case 63: return "click.wav";
    default: return nullptr;
    }
}

void EffectSounds::playEffectSound(int code)
{
    if (!m_x.s.effectSoundOn || !m_x.io.effects)
        return;
    if (const char* file = fileFor(code))
        m_x.io.effects->play(m_x.io.programFolder + "/music/" + file);
}

} // namespace shell
