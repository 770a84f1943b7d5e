#include "platform/record/SdlRecordingDevice.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <new>

#include <SDL2/SDL.h>
#include <SDL2/SDL_mixer.h>

#include "platform/audio/SdlMixer.h"
#include "platform/log/ActionLog.h"

namespace platform {
namespace {

bool sameWord(const std::string& a, const char* b)
{
    const std::size_t n = std::strlen(b);
    if (a.size() != n)
        return false;
    for (std::size_t i = 0; i < n; ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

Error notOpen()
{
    return Error { Error::Code::DeviceUnavailable, "the recording device is not open" };
}

std::string describe(const RecordingFormat& f)
{
    return std::to_string(f.frequency) + " Hz, " + std::to_string(f.channels) + (f.channels == 1 ? " channel, " : " channels, ")
        + std::to_string(f.bits) + (f.isFloat ? " bits float" : " bits");
}

// Capture buffers of about 20 ms, a power of two as SDL prefers.
Uint16 captureFrames(int frequency)
{
    Uint16 frames = 256;
    while (frames < 4096 && frames * 50 < frequency)
        frames = static_cast<Uint16>(frames * 2);
    return frames;
}

} // namespace

SdlRecordingDevice::SdlRecordingDevice(std::shared_ptr<SdlMixer> mixer, int maxTakeMilliseconds)
    : m_mixer(std::move(mixer))
    , m_maxTakeMilliseconds(std::max(1, maxTakeMilliseconds))
{
}

SdlRecordingDevice::~SdlRecordingDevice()
{
    close();
}

Status SdlRecordingDevice::command(const std::string& command)
{
    settle();
    Status result = run(command);
    std::string detail = sameWord(command, "open") ? "open " + m_fileName : command;
    if (result.ok())
        detail += sameWord(command, "open") ? ": ok (" + describe(m_format) + ")" : ": ok";
    else
        detail += ": failed: " + result.error().message;
    actionlog::write("record.command", detail);
    return result;
}

Status SdlRecordingDevice::run(const std::string& command)
{
    if (sameWord(command, "open"))
        return open();
    if (sameWord(command, "close")) {
        close();
        return success();
    }
    const bool known = sameWord(command, "Prev") || sameWord(command, "Record") || sameWord(command, "Stop") || sameWord(command, "Play");
    if (!known)
        return Error { Error::Code::Unsupported, "unknown recording command \"" + command + "\"" };
    if (m_mode == Mode::NotOpen)
        return notOpen();
    if (sameWord(command, "Prev")) {
        rewind();
        return success();
    }
    if (sameWord(command, "Record"))
        return record();
    if (sameWord(command, "Stop")) {
        stop();
        return success();
    }
    return play();
}

Status SdlRecordingDevice::open()
{
    close();
    if (!m_deviceType.empty() && !sameWord(m_deviceType, "WaveAudio"))
        return Error { Error::Code::Unsupported, "the device type \"" + m_deviceType + "\" is not a wave-audio device" };
    if (!m_mixer->hasSound())
        return Error { Error::Code::DeviceUnavailable, "no audio device: recording is not available" };
    auto format = readRecordingFormat(m_fileName);
    if (!format)
        return format.error();

    SDL_AudioSpec want {};
    want.freq = format.value().frequency;
    want.format = format.value().sdlFormat;
    want.channels = static_cast<Uint8>(format.value().channels);
    want.samples = captureFrames(want.freq);
    want.callback = &SdlRecordingDevice::captureThunk;
    want.userdata = this;
    SDL_AudioSpec have {};
    const SDL_AudioDeviceID device = SDL_OpenAudioDevice(nullptr, 1, &want, &have, 0); // opens paused
    if (device == 0)
        return Error { Error::Code::DeviceUnavailable, std::string("no microphone can be opened: ") + SDL_GetError() };

    m_device = device;
    m_format = format.value();
    const std::int64_t frame = m_format.bytesPerFrame();
    m_maxBytes = std::int64_t { m_maxTakeMilliseconds } * m_format.bytesPerSecond() / 1000 / frame * frame;
    m_positionBytes = 0;
    m_full = false;
    m_mode = Mode::Stopped;
    return success();
}

void SdlRecordingDevice::close()
{
    stopPlayback();
    if (m_device != 0) {
        SDL_CloseAudioDevice(m_device); // waits for the capture thread to end
        m_device = 0;
    }
    {
        std::lock_guard lock(m_takeMutex);
        m_capturing = false;
        std::vector<std::uint8_t>().swap(m_take);
    }
    m_full = false;
    m_positionBytes = 0;
    m_format = {};
    m_mode = Mode::NotOpen;
}

void SdlRecordingDevice::rewind()
{
    stop();
    m_positionBytes = 0;
}

Status SdlRecordingDevice::record()
{
    if (m_mode == Mode::Recording)
        return success();
    stop();
    {
        std::lock_guard lock(m_takeMutex);
        m_take.resize(static_cast<std::size_t>(m_positionBytes)); // what follows the position is replaced
        if (static_cast<std::int64_t>(m_take.size()) >= m_maxBytes)
            return success(); // already at the bound: nothing more fits
        try {
            m_take.reserve(static_cast<std::size_t>(m_maxBytes)); // the capture thread never reallocates
        } catch (const std::bad_alloc&) {
            // then the take grows as it goes
        }
        m_capturing = true;
    }
    m_full = false;
    m_mode = Mode::Recording;
    SDL_PauseAudioDevice(m_device, 0);
    return success();
}

void SdlRecordingDevice::stop()
{
    if (m_mode == Mode::Recording)
        stopRecording();
    else if (m_mode == Mode::Playing)
        stopPlayback();
}

Status SdlRecordingDevice::play()
{
    stop();
    const std::int64_t size = takeBytes();
    if (m_positionBytes >= size)
        return success(); // at the end: nothing to play
    if (!m_mixer->isOpen())
        return Error { Error::Code::DeviceUnavailable, "no audio output for playing the take" };

    SDL_AudioStream* stream = SDL_NewAudioStream(m_format.sdlFormat, static_cast<Uint8>(m_format.channels), m_format.frequency,
        AUDIO_S16SYS, static_cast<Uint8>(m_mixer->channels()), m_mixer->frequency());
    if (!stream)
        return Error { Error::Code::Other, std::string("the take cannot be converted for play-back: ") + SDL_GetError() };
    {
        std::lock_guard lock(m_takeMutex);
        SDL_AudioStreamPut(stream, m_take.data() + m_positionBytes, static_cast<int>(size - m_positionBytes));
    }
    SDL_AudioStreamFlush(stream);
    m_playSamples.resize(static_cast<std::size_t>(SDL_AudioStreamAvailable(stream)));
    const int got = SDL_AudioStreamGet(stream, m_playSamples.data(), static_cast<int>(m_playSamples.size()));
    SDL_FreeAudioStream(stream);
    m_playSamples.resize(static_cast<std::size_t>(std::max(got, 0)));
    if (m_playSamples.empty())
        return success();

    m_playChunk = Mix_QuickLoad_RAW(m_playSamples.data(), static_cast<Uint32>(m_playSamples.size()));
    if (!m_playChunk)
        return Error { Error::Code::Other, std::string("the take cannot be played: ") + Mix_GetError() };
    m_playStartBytes = m_positionBytes;
    m_playedBytes = 0;
    Mix_HaltChannel(SdlMixer::kTakeChannel); // drops the counter of an earlier play-back
    Mix_RegisterEffect(SdlMixer::kTakeChannel, &SdlRecordingDevice::countPlayedThunk, nullptr, this);
    if (Mix_PlayChannel(SdlMixer::kTakeChannel, m_playChunk, 0) < 0) {
        const std::string problem = Mix_GetError();
        stopPlayback();
        return Error { Error::Code::Other, "the take cannot be played: " + problem };
    }
    m_mode = Mode::Playing;
    return success();
}

// Brings the mode up to date with what happened on the audio threads.
void SdlRecordingDevice::settle()
{
    if (m_mode == Mode::Recording && m_full)
        stopRecording();
    if (m_mode == Mode::Playing && !Mix_Playing(SdlMixer::kTakeChannel))
        stopPlayback();
}

void SdlRecordingDevice::stopRecording()
{
    SDL_PauseAudioDevice(m_device, 1); // waits for a running capture callback
    {
        std::lock_guard lock(m_takeMutex);
        m_capturing = false;
        m_positionBytes = static_cast<std::int64_t>(m_take.size());
        m_mode = Mode::Stopped;
    }
    // Whoever stops a take that reached its bound first (a command, a state query, the posted
    // notice) logs it, once.
    if (m_full.exchange(false))
        actionlog::write("record.bound", "the take reached " + std::to_string(m_maxTakeMilliseconds) + " ms and stopped");
}

void SdlRecordingDevice::stopPlayback()
{
    if (m_mode == Mode::Playing) {
        m_positionBytes = playbackPositionBytes(); // where play-back stopped, or the end
        m_mode = Mode::Stopped;
    }
    if (m_playChunk) {
        Mix_HaltChannel(SdlMixer::kTakeChannel);
        Mix_FreeChunk(m_playChunk);
        m_playChunk = nullptr;
    }
    std::vector<std::uint8_t>().swap(m_playSamples);
}

std::int64_t SdlRecordingDevice::playbackPositionBytes() const
{
    const std::int64_t size = takeBytes();
    if (!Mix_Playing(SdlMixer::kTakeChannel))
        return size;
    const std::int64_t frame = std::max(1, m_format.bytesPerFrame());
    const std::int64_t played = m_playedBytes.load() * m_format.bytesPerSecond() / std::max(1, m_mixer->bytesPerSecond()) / frame * frame;
    return std::min(size, m_playStartBytes + played);
}

void SdlRecordingDevice::onCaptured(const std::uint8_t* data, int length)
{
    std::lock_guard lock(m_takeMutex);
    if (!m_capturing || length <= 0)
        return;
    const std::int64_t room = m_maxBytes - static_cast<std::int64_t>(m_take.size());
    const std::int64_t taken = std::min<std::int64_t>(room, length);
    m_take.insert(m_take.end(), data, data + taken);
    if (static_cast<std::int64_t>(m_take.size()) >= m_maxBytes) {
        m_capturing = false;
        m_full = true;
        m_queue.post([this] { onBoundReached(); });
    }
}

void SdlRecordingDevice::onBoundReached()
{
    if (m_mode == Mode::Recording && m_full)
        stopRecording();
}

std::int64_t SdlRecordingDevice::takeBytes() const
{
    std::lock_guard lock(m_takeMutex);
    return static_cast<std::int64_t>(m_take.size());
}

int SdlRecordingDevice::millisecondsOf(std::int64_t bytes) const
{
    const int rate = m_format.bytesPerSecond();
    return rate > 0 ? static_cast<int>(bytes * 1000 / rate) : 0;
}

int SdlRecordingDevice::length() const
{
    return millisecondsOf(takeBytes());
}

int SdlRecordingDevice::position() const
{
    switch (m_mode) {
    case Mode::NotOpen:
        return 0;
    case Mode::Recording:
        return length();
    case Mode::Playing:
        return millisecondsOf(playbackPositionBytes());
    case Mode::Stopped:
        break;
    }
    return millisecondsOf(m_positionBytes);
}

RecordingDevice::Mode SdlRecordingDevice::mode() const
{
    if (m_mode == Mode::Recording && m_full)
        return Mode::Stopped;
    if (m_mode == Mode::Playing && !Mix_Playing(SdlMixer::kTakeChannel))
        return Mode::Stopped;
    return m_mode;
}

std::vector<std::uint8_t> SdlRecordingDevice::takeSamples() const
{
    std::lock_guard lock(m_takeMutex);
    return m_take;
}

void SdlRecordingDevice::captureThunk(void* self, std::uint8_t* stream, int length)
{
    try {
        static_cast<SdlRecordingDevice*>(self)->onCaptured(stream, length);
    } catch (...) {
        // nothing may cross SDL's capture thread (a full memory drops the samples)
    }
}

void SdlRecordingDevice::countPlayedThunk(int, void*, int length, void* self)
{
    static_cast<SdlRecordingDevice*>(self)->m_playedBytes += length;
}

} // namespace platform
