#pragma once

#include "platform/core/Result.h"

#include <string>

namespace platform {

// The voice recorder, driven like a wave-audio device: a few settings, then command strings.
// The take lives in memory only; the file named by setFileName is opened for its sample
// format (rate, channels, bits) and is never written.
//
// Commands (matched without regard to case) and their effects:
//   "open"   open the device on the file: its format becomes the recording format; the take
//            is empty. Fails, with a message for people, when there is no audio device or
//            microphone, when the device type is not "WaveAudio", or when the file is missing,
//            unreadable or not a WAV file. An open device is closed first.
//   "close"  close the device, discarding the take; closing a closed device is harmless.
//   "Prev"   stop recording or playing; the position goes back to the start of the take.
//   "Record" record from the microphone at the current position until "Stop" (the new
//            samples replace the take from that position on). A take is bounded in length
//            (ten minutes unless the back end says otherwise); reaching the bound stops it as
//            "Stop" would, by itself.
//   "Stop"   stop recording or playing; the length then includes the take, and the position
//            stays where recording or playing stopped.
//   "Play"   play the take from the current position to its end; at the end the position is
//            the length and the mode reads Stopped again.
// Commands on a closed device, and unknown commands, fail and change nothing. A failed
// command never leaves the device half-changed.
//
// While recording, length() and position() both read the take recorded so far; while
// playing, position() follows the play-back. Both are whole milliseconds, 0 when closed.
class RecordingDevice {
public:
    enum class Mode { NotOpen, Stopped, Recording, Playing };

    virtual ~RecordingDevice() = default;

    virtual void setNotify(bool notify) = 0;
    virtual void setWait(bool wait) = 0;
    virtual void setShareable(bool shareable) = 0;
    virtual void setDeviceType(const std::string& type) = 0;
    virtual void setFileName(const std::string& path) = 0;

    virtual Status command(const std::string& command) = 0;

    virtual int length() const = 0;   // milliseconds of take
    virtual int position() const = 0; // milliseconds from the start of the take
    virtual Mode mode() const = 0;
};

} // namespace platform
