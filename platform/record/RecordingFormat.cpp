#include "platform/record/RecordingFormat.h"

#include <filesystem>
#include <fstream>

#include <SDL2/SDL.h>

namespace platform {

Result<RecordingFormat> readRecordingFormat(const std::string& path)
{
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::path file(path); // the bytes as they are: UTF-8 names on Linux
    if (!fs::exists(file, ec))
        return Error { Error::Code::NotFound, "the recording file " + path + " does not exist" };
    if (fs::is_directory(file, ec) || !std::ifstream(file, std::ios::binary).good())
        return Error { Error::Code::Unreadable, "the recording file " + path + " cannot be read" };

    SDL_AudioSpec spec {};
    Uint8* samples = nullptr;
    Uint32 length = 0;
    if (!SDL_LoadWAV(path.c_str(), &spec, &samples, &length))
        return Error { Error::Code::BadFormat, "the recording file " + path + " is not a usable WAV file: " + SDL_GetError() };
    SDL_FreeWAV(samples);

    RecordingFormat format;
    format.frequency = spec.freq;
    format.channels = spec.channels;
    format.bits = SDL_AUDIO_BITSIZE(spec.format);
    format.isFloat = SDL_AUDIO_ISFLOAT(spec.format);
    format.sdlFormat = spec.format;
    if (format.frequency < 4000 || format.frequency > 192000 || format.channels < 1 || format.channels > 8)
        return Error { Error::Code::Unsupported,
            "the recording file " + path + " has a format no recording device takes (" + std::to_string(format.frequency) + " Hz, "
                + std::to_string(format.channels) + " channels)" };
    return format;
}

} // namespace platform
