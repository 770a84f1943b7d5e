#pragma once

#include "platform/audio/ItemPlayer.h"

#include <map>
#include <set>
#include <string>
#include <vector>

namespace fakes {

// An item player that sounds nothing: it records every call in order and ends clips when
// the test says so. It keeps the contract of the real player:
// - play from stopped starts at 0 s, play after hold resumes, play while playing changes
//   nothing; hold only holds a playing clip; halt stops and cancels an undelivered end;
//   setFileName halts silently (also on the path already loaded) and the clip starts again.
// - An end reaches the handler as (old state, 0), never from inside play/hold/halt. A clip
//   ends when the test calls finishClip() (delivered at once) or finishClipLater() (held back
//   until deliverPending(), as a notification that arrives after further calls would be).
//   Until its end is delivered, the state reads as before.
// - A clip set missing has duration 0; play on it counts as an immediate end, held back
//   until deliverPending() like the real player's asynchronous report.
// The play count is recorded but the test decides when a play ends, whatever the count.
//
// Calls are recorded as "FileName=<path>", "Play", "Hold", "Halt", "PlayCount=<n>".
class ScriptedPlayer : public platform::ItemPlayer {
public:
    static constexpr double kDefaultDuration = 2.0; // seconds, for clips the test did not script

    // Scripting.
    void setDuration(const std::string& path, double seconds) { m_durations[path] = seconds; }
    void setMissing(const std::string& path) { m_missing.insert(path); }
    void setPosition(double seconds) { m_position = seconds; } // read while not stopped
    void finishClip(); // the playing or held clip ends by itself; the end is delivered now
    void finishClipLater(); // it ends, but the notification waits for deliverPending()
    void deliverPending(); // delivers an end that waits (dropped if halted meanwhile)
    bool hasPendingEnd() const { return m_pendingEnd; }

    const std::vector<std::string>& calls() const { return m_calls; }
    void clearCalls() { m_calls.clear(); }

    // ItemPlayer.
    void setFileName(const std::string& path) override;
    std::string fileName() const override { return m_path; }
    void play() override;
    void hold() override;
    void halt() override;
    void setPlayCount(int count) override;
    int playCount() const override { return m_playCount; }
    double currentPosition() const override { return m_state == kStopped ? 0.0 : m_position; }
    double duration() const override;
    int playState() const override { return m_state; }
    std::string problem() const override { return isMissing() ? "the clip is missing" : ""; }

private:
    bool isMissing() const { return m_missing.count(m_path) > 0; }

    std::map<std::string, double> m_durations;
    std::set<std::string> m_missing;
    std::vector<std::string> m_calls;
    std::string m_path;
    int m_state = kStopped;
    int m_playCount = 0;
    double m_position = 0;
    bool m_pendingEnd = false;
};

} // namespace fakes
