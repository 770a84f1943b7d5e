#include "tests/fakes/FakeRecorder.h"

#include <algorithm>
#include <cctype>

namespace fakes {
namespace {

// Commands match without regard to case, as on the real device.
std::string canonical(const std::string& command)
{
    static const char* const kCommands[] = { "open", "close", "Prev", "Record", "Stop", "Play" };
    for (const char* known : kCommands) {
        const std::string k(known);
        if (k.size() == command.size() && std::equal(k.begin(), k.end(), command.begin(), [](char a, char b) {
                return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
            }))
            return k;
    }
    return command;
}

} // namespace

using platform::Error;

void FakeRecorder::finishTake()
{
    if (m_mode == Mode::Recording)
        m_mode = Mode::Stopped;
}

void FakeRecorder::finishPlayback()
{
    if (m_mode != Mode::Playing)
        return;
    m_mode = Mode::Stopped;
    m_position = m_length;
}

platform::Status FakeRecorder::command(const std::string& sent)
{
    m_calls.push_back(sent);
    const std::string command = canonical(sent);
    if (command == "open") {
        if (m_openError) {
            m_mode = Mode::NotOpen;
            return *m_openError;
        }
        m_mode = Mode::Stopped;
        m_length = m_position = 0;
        return platform::success();
    }
    if (command == "close") {
        m_mode = Mode::NotOpen;
        m_length = m_position = 0;
        return platform::success();
    }
    if (command != "Prev" && command != "Record" && command != "Stop" && command != "Play")
        return Error { Error::Code::Unsupported, "unknown recording command \"" + command + "\"" };
    if (m_mode == Mode::NotOpen)
        return Error { Error::Code::DeviceUnavailable, "the recording device is not open" };
    if (command == "Prev") {
        m_mode = Mode::Stopped;
        m_position = 0;
    } else if (command == "Record") {
        m_mode = Mode::Recording;
    } else if (command == "Stop") {
        m_mode = Mode::Stopped;
    } else {
        m_mode = Mode::Playing;
    }
    return platform::success();
}

} // namespace fakes
