#pragma once

#include <functional>
#include <string>

namespace platform {

// The player of the items' clips: one clip loaded at a time, never shown.
//
// States (the numbers the lesson window reads): 0 stopped, 1 held (paused), 2 playing.
// - setFileName loads a clip in place of any earlier one (halting it silently); no sound.
//   Its duration is known as soon as it returns (0 for a clip that cannot be played).
//   Setting the path that is already loaded loads it again: the next play starts at the
//   beginning, whatever was held.
// - play sounds from the current position: a new clip's start, a held position, or the
//   beginning after a natural end or a halt. Play while playing changes nothing. With play
//   count 1 the clip sounds once; N sounds it N times in a row; 0 repeats it without end (the
//   design value, so callers set 1). The count is read when a play starts from the stopped
//   state.
// - hold stops the sound at the current position; the state reads 1, never stopped. Hold
//   while stopped changes nothing.
// - halt stops the sound; the state reads 0. A halt is not the end of a clip: it raises no
//   notification and cancels any end notification not yet delivered.
// - The play-state notification (old, new state) is delivered on the user-interface thread
//   after the call that caused it has returned. It is raised only when a play ends: when the
//   clip ends by itself, and when play is asked of a clip that cannot be played (missing or
//   undecodable file), which counts as an immediate end. The new state is then 0 and the old
//   one what the state read just before (2, or 1 after a hold that came too late). Until the
//   notification is delivered the state keeps reading what it read before, so a handler that
//   reads playState() sees 0 exactly when it handles the end.
// - currentPosition is 0 while stopped.
class ItemPlayer {
public:
    enum State { kStopped = 0, kHeld = 1, kPlaying = 2 };

    virtual ~ItemPlayer() = default;

    virtual void setFileName(const std::string& path) = 0;
    virtual std::string fileName() const = 0;
    virtual void play() = 0;
    virtual void hold() = 0;
    virtual void halt() = 0;
    virtual void setPlayCount(int count) = 0; // below 0 reads as 0 (endless)
    virtual int playCount() const = 0;
    virtual double currentPosition() const = 0; // seconds into the clip
    virtual double duration() const = 0;        // seconds; 0 when no playable clip is loaded
    virtual int playState() const = 0;
    // Why the clip last given to setFileName cannot be played (missing, empty, undecodable);
    // empty when it can, or when the player cannot tell.
    virtual std::string problem() const { return {}; }

    void setOnPlayStateChange(std::function<void(int oldState, int newState)> handler) { m_onChange = std::move(handler); }

protected:
    void notifyPlayStateChange(int oldState, int newState)
    {
        if (m_onChange)
            m_onChange(oldState, newState);
    }

private:
    std::function<void(int, int)> m_onChange;
};

} // namespace platform
