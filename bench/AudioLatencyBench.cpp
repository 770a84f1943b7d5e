// Latency of the item player: from play() to the first sample of the clip leaving the mixer
// (seen by the mixer's output tap). Target: under 30 ms. The lesson window's click-to-sound
// latency adds its own handling on top of this.
//
// Runs on SDL's disk driver in real time (output to /dev/null), unless SDL_AUDIODRIVER names
// another driver: on a machine with sound, SDL_AUDIODRIVER=pulseaudio (or alsa) measures the
// real device's mixer. Arguments: the mixer's buffer in frames.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "platform/Runtime.h"
#include "platform/audio/SdlAudio.h"
#include "platform/audio/SdlItemPlayer.h"

namespace {

using Clock = std::chrono::steady_clock;

const std::string kClip = std::string(AUDIO_FIXTURES_DIR) + "/tone-2s.mp3";

// Notes when the first buffer with sound leaves the mixer after arm().
class FirstSound {
public:
    void attach(platform::SdlAudio& audio)
    {
        audio.setOutputTap([this](const std::int16_t* samples, std::size_t count) {
            if (!m_armed.load() || m_heard.load())
                return;
            for (std::size_t i = 0; i < count; ++i)
                if (samples[i] > 64 || samples[i] < -64) {
                    m_at = Clock::now();
                    m_heard = true;
                    return;
                }
        });
    }
    void arm()
    {
        m_heard = false;
        m_armed = true;
    }
    Clock::time_point wait()
    {
        while (!m_heard.load())
            std::this_thread::yield();
        m_armed = false;
        return m_at;
    }

private:
    std::atomic<bool> m_armed { false };
    std::atomic<bool> m_heard { false };
    Clock::time_point m_at;
};

// Each play comes at a random moment of the mixer's period, as a click does; right after the
// previous sound was noticed it would always come just after a buffer had left.
void waitRandomly(std::mt19937& random)
{
    std::this_thread::sleep_for(std::chrono::microseconds(std::uniform_int_distribution<int>(0, 30000)(random)));
}

void report(benchmark::State& state, std::vector<double>& ms)
{
    std::sort(ms.begin(), ms.end());
    if (ms.empty())
        return;
    double sum = 0;
    for (double v : ms)
        sum += v;
    state.counters["mean_ms"] = sum / static_cast<double>(ms.size());
    state.counters["p95_ms"] = ms[ms.size() * 95 / 100];
    state.counters["max_ms"] = ms.back();
}

// Times START (run on the player at a random moment) to the first sound leaving the mixer,
// once an iteration, with a mixer buffer of state.range(0) frames. PREPARE runs once first.
template <typename Prepare, typename Start>
void measureToFirstSound(benchmark::State& state, Prepare prepare, Start start)
{
    platform::SdlAudio audio(platform::SdlAudio::Options { static_cast<int>(state.range(0)), 1000 });
    FirstSound first;
    first.attach(audio);
    auto player = audio.createItemPlayer();
    player->setPlayCount(1);
    prepare(*player);
    std::vector<double> ms;
    std::mt19937 random(7);
    for (auto _ : state) {
        waitRandomly(random); // not measured: the time is set by hand below
        first.arm();
        const auto begun = Clock::now();
        start(*player);
        const auto heard = first.wait();
        const double seconds = std::chrono::duration<double>(heard - begun).count();
        state.SetIterationTime(seconds);
        ms.push_back(seconds * 1000);
        player->halt();
    }
    report(state, ms);
    state.SetLabel(audio.hasSound() ? std::getenv("SDL_AUDIODRIVER") : "no device: silent stand-in");
}

// The clip is loaded; play() alone, as after a hold at its start.
void BM_PlayToFirstSound(benchmark::State& state)
{
    measureToFirstSound(
        state, [](platform::ItemPlayer& player) { player.setFileName(kClip); }, [](platform::ItemPlayer& player) { player.play(); });
}

// Load, start, hold, start: the sequence the window runs for a click on a play button.
void BM_LoadAndPlayToFirstSound(benchmark::State& state)
{
    measureToFirstSound(
        state, [](platform::ItemPlayer&) {},
        [](platform::ItemPlayer& player) {
            player.setFileName(kClip);
            player.play();
            player.hold();
            player.play();
        });
}

BENCHMARK(BM_PlayToFirstSound)->Arg(512)->Arg(1024)->Iterations(60)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadAndPlayToFirstSound)->Arg(512)->Arg(1024)->Iterations(60)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    ::setenv("SDL_AUDIODRIVER", "disk", 0);
    ::setenv("SDL_DISKAUDIOFILE", "/dev/null", 0);
    platform::Runtime::preferHeadless();
    platform::Runtime runtime(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
