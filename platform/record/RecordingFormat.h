#pragma once

#include "platform/core/Result.h"

#include <cstdint>
#include <string>

namespace platform {

// The sample format a take is recorded in, as the recording file's header gives it.
struct RecordingFormat {
    int frequency = 0; // frames per second
    int channels = 0;
    int bits = 0; // per sample: 8 (unsigned), 16 or 32 (signed), 32 float
    bool isFloat = false;
    std::uint16_t sdlFormat = 0; // the same as an SDL audio format

    int bytesPerFrame() const { return channels * bits / 8; }
    int bytesPerSecond() const { return frequency * bytesPerFrame(); }
};

// Reads the format of the WAV file at PATH (its samples, if any, are not kept).
// Errors name the file: NotFound (missing), Unreadable (a folder, no permission), BadFormat
// (not a WAV file, damaged header), Unsupported (a rate or channel count no device takes).
Result<RecordingFormat> readRecordingFormat(const std::string& path);

} // namespace platform
