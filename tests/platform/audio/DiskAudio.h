#pragma once

// Support for tests of the SDL audio back ends: SDL's disk driver set up in the environment
// before the audio system starts, a meter on what leaves the mixer, WAV and sine builders,
// and pumping the Qt event loop until a condition holds (bounded by a deadline, never a
// measure of time).

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include <QCoreApplication>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>

#include "platform/audio/SdlAudio.h"
#include "platform/log/ActionLog.h"
#include "tests/support/TestPaths.h"

namespace audiotest {

// Environment variables set for one test and put back afterwards.
class ScopedEnv {
public:
    ScopedEnv() = default;
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;
    ~ScopedEnv()
    {
        for (const auto& [name, old] : m_saved) {
            if (old)
                ::setenv(name.c_str(), old->c_str(), 1);
            else
                ::unsetenv(name.c_str());
        }
    }
    void set(const std::string& name, const std::string& value)
    {
        if (!m_saved.count(name)) {
            const char* old = std::getenv(name.c_str());
            m_saved[name] = old ? std::optional<std::string>(old) : std::nullopt;
        }
        ::setenv(name.c_str(), value.c_str(), 1);
    }

private:
    std::map<std::string, std::optional<std::string>> m_saved;
};

// What leaves the mixer, counted on the audio thread.
class OutputMeter {
public:
    void attach(platform::SdlAudio& audio)
    {
        const int channels = std::max(1, audio.outputChannels());
        audio.setOutputTap([this, channels](const std::int16_t* samples, std::size_t count) {
            std::int64_t sounding = 0;
            int peak = m_peak.load();
            for (std::size_t frame = 0; frame + channels <= count; frame += channels) {
                bool any = false;
                for (int c = 0; c < channels; ++c) {
                    const int s = std::abs(int { samples[frame + c] });
                    any = any || s != 0;
                    peak = std::max(peak, s);
                }
                sounding += any;
            }
            m_peak = peak;
            m_soundingFrames += sounding;
            ++m_buffers;
        });
    }
    std::int64_t buffers() const { return m_buffers; }
    std::int64_t soundingFrames() const { return m_soundingFrames; } // frames with a non-zero sample
    int peak() const { return m_peak; }
    void resetPeak() { m_peak = 0; }

private:
    std::atomic<std::int64_t> m_buffers { 0 };
    std::atomic<std::int64_t> m_soundingFrames { 0 };
    std::atomic<int> m_peak { 0 };
};

// Runs the Qt event loop until DONE holds; false if it still does not after LIMIT.
inline bool pumpUntil(const std::function<bool()>& done, std::chrono::milliseconds limit = std::chrono::seconds(20))
{
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        QEventLoop loop;
        QTimer::singleShot(1, &loop, &QEventLoop::quit); // wakes the loop for the next look
        loop.exec();
    }
    QCoreApplication::processEvents();
    return true;
}

// Runs the event loop while the mixer hands out N more buffers.
inline bool pumpBuffers(const OutputMeter& meter, int n)
{
    const std::int64_t until = meter.buffers() + n;
    return pumpUntil([&] { return meter.buffers() >= until; });
}

// Waits for DONE without running the event loop, so nothing posted to it is delivered.
inline bool waitWithoutEvents(const std::function<bool()>& done, std::chrono::milliseconds limit = std::chrono::seconds(20))
{
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::yield();
    }
    return true;
}

// FRAMES frames of a sine of HZ at AMPLITUDE, the same in each of CHANNELS.
inline std::vector<std::int16_t> sine(int frames, int rate, int channels, double hz, double amplitude)
{
    std::vector<std::int16_t> out;
    out.reserve(static_cast<std::size_t>(frames) * channels);
    for (int i = 0; i < frames; ++i) {
        const auto s = static_cast<std::int16_t>(std::lround(amplitude * std::sin(2 * M_PI * hz * (i + 0.5) / rate)));
        for (int c = 0; c < channels; ++c)
            out.push_back(s);
    }
    return out;
}

inline void putLe(std::string& out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

// A PCM WAV file: the 44-byte header, then DATA as it is.
inline std::string wavBytes(int rate, int channels, int bits, const std::string& data)
{
    std::string out = "RIFF";
    putLe(out, static_cast<std::uint32_t>(36 + data.size()), 4);
    out += "WAVEfmt ";
    putLe(out, 16, 4);
    putLe(out, 1, 2);
    putLe(out, static_cast<std::uint32_t>(channels), 2);
    putLe(out, static_cast<std::uint32_t>(rate), 4);
    putLe(out, static_cast<std::uint32_t>(rate * channels * bits / 8), 4);
    putLe(out, static_cast<std::uint32_t>(channels * bits / 8), 2);
    putLe(out, static_cast<std::uint32_t>(bits), 2);
    out += "data";
    putLe(out, static_cast<std::uint32_t>(data.size()), 4);
    return out + data;
}

inline std::string rawBytes(const std::vector<std::int16_t>& samples)
{
    std::string out;
    for (std::int16_t s : samples)
        putLe(out, static_cast<std::uint16_t>(s), 2);
    return out;
}

inline void writeFile(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

inline std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

inline std::string fixture(const std::string& name)
{
    return testpaths::sourceDir() + "/tests/fixtures/audio/" + name;
}

// Every action-log line written while it lives, as "kind detail".
class LogRecorder {
public:
    LogRecorder()
    {
        platform::actionlog::setSink(
            [this](std::string_view kind, std::string_view detail) { m_lines.push_back(std::string(kind) + " " + std::string(detail)); });
    }
    ~LogRecorder() { platform::actionlog::setSink({}); }
    LogRecorder(const LogRecorder&) = delete;
    LogRecorder& operator=(const LogRecorder&) = delete;
    const std::vector<std::string>& lines() const { return m_lines; }
    std::vector<std::string> linesOf(const std::string& kind) const
    {
        std::vector<std::string> out;
        for (const auto& line : m_lines)
            if (line.rfind(kind + " ", 0) == 0)
                out.push_back(line);
        return out;
    }
    void clear() { m_lines.clear(); }

private:
    std::vector<std::string> m_lines;
};

// A test on SDL's disk driver: output to a file in a fresh folder, running a few times faster
// than real time; capture read from INPUT (raw, in the capture format) when set.
class DiskAudioTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_env.set("SDL_AUDIODRIVER", "disk");
        m_env.set("SDL_DISKAUDIOFILE", path("output.raw"));
        m_env.set("SDL_DISKAUDIOFILEIN", path("input.raw"));
        m_env.set("SDL_DISKAUDIODELAY", "2");
    }

    std::string path(const std::string& name) const { return m_dir.filePath(QString::fromUtf8(name.c_str())).toStdString(); }

    // Starts the audio system (after the test has written its files).
    platform::SdlAudio& startAudio(const platform::SdlAudio::Options& options = {})
    {
        m_audio = std::make_unique<platform::SdlAudio>(options);
        m_meter.attach(*m_audio);
        return *m_audio;
    }

    ScopedEnv m_env; // first: put back after everything else is gone
    QTemporaryDir m_dir;
    OutputMeter m_meter;
    std::unique_ptr<platform::SdlAudio> m_audio;
};

// Frames of sound expected from SECONDS of a clip at the mixer's rate, give or take 3 %.
#define EXPECT_SOUNDED_SECONDS(frames, seconds, rate)                                                                                      \
    EXPECT_NEAR(static_cast<double>(frames), (seconds) * (rate), 0.03 * (seconds) * (rate))

} // namespace audiotest
