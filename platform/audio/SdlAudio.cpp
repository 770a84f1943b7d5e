#include "platform/audio/SdlAudio.h"

#include "platform/audio/SdlEffectPlayer.h"
#include "platform/audio/SdlItemPlayer.h"
#include "platform/audio/SdlMixer.h"
#include "platform/record/SdlRecordingDevice.h"

namespace platform {

SdlAudio::SdlAudio()
    : SdlAudio(Options {})
{
}

SdlAudio::SdlAudio(const Options& options)
    : m_options(options)
    , m_mixer(SdlMixer::acquire(SdlMixer::Options { options.mixerChunkFrames }))
{
}

SdlAudio::~SdlAudio()
{
    m_mixer->setOutputTap({});
}

bool SdlAudio::hasSound() const
{
    return m_mixer->hasSound();
}

int SdlAudio::outputFrequency() const
{
    return m_mixer->frequency();
}

int SdlAudio::outputChannels() const
{
    return m_mixer->channels();
}

std::unique_ptr<SdlItemPlayer> SdlAudio::createItemPlayer()
{
    return std::make_unique<SdlItemPlayer>(m_mixer);
}

std::unique_ptr<SdlEffectPlayer> SdlAudio::createEffectPlayer()
{
    return std::make_unique<SdlEffectPlayer>(m_mixer);
}

std::unique_ptr<SdlRecordingDevice> SdlAudio::createRecordingDevice()
{
    return std::make_unique<SdlRecordingDevice>(m_mixer, m_options.maxTakeMilliseconds);
}

AudioBackends SdlAudio::createBackends()
{
    return AudioBackends { createItemPlayer(), createEffectPlayer(), createRecordingDevice() };
}

void SdlAudio::setOutputTap(std::function<void(const std::int16_t*, std::size_t)> tap)
{
    m_mixer->setOutputTap(std::move(tap));
}

} // namespace platform
