#include "tests/fakes/ScriptedPlayer.h"

namespace fakes {

void ScriptedPlayer::finishClip()
{
    finishClipLater();
    deliverPending();
}

void ScriptedPlayer::finishClipLater()
{
    if (m_state != kStopped && !m_path.empty())
        m_pendingEnd = true;
}

void ScriptedPlayer::deliverPending()
{
    if (!m_pendingEnd)
        return;
    m_pendingEnd = false;
    const int oldState = m_state;
    m_state = kStopped;
    m_position = 0;
    notifyPlayStateChange(oldState, kStopped);
}

void ScriptedPlayer::setFileName(const std::string& path)
{
    m_calls.push_back("FileName=" + path);
    m_path = path;
    m_state = kStopped;
    m_position = 0;
    m_pendingEnd = false;
}

void ScriptedPlayer::play()
{
    m_calls.push_back("Play");
    if (m_state == kStopped) {
        m_position = 0;
        if (isMissing())
            m_pendingEnd = true;
    }
    m_state = kPlaying;
}

void ScriptedPlayer::hold()
{
    m_calls.push_back("Hold");
    if (m_state == kPlaying)
        m_state = kHeld;
}

void ScriptedPlayer::halt()
{
    m_calls.push_back("Halt");
    m_state = kStopped;
    m_position = 0;
    m_pendingEnd = false;
}

void ScriptedPlayer::setPlayCount(int count)
{
    m_calls.push_back("PlayCount=" + std::to_string(count));
    m_playCount = count < 0 ? 0 : count;
}

double ScriptedPlayer::duration() const
{
    if (m_path.empty() || isMissing())
        return 0.0;
    auto it = m_durations.find(m_path);
    return it == m_durations.end() ? kDefaultDuration : it->second;
}

} // namespace fakes
