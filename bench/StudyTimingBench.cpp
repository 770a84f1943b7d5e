// study_timing_bench [COURSE_FOLDER]: the lesson window on the real clock and real audio
// (SDL's disk driver, output to /dev/null, offscreen Qt), measuring
//  - the pause between two plays of a repeat cycle for the pause settings 1 and 16, from the
//    end of the clip to the next start, against (N + 1) × 500 ms;
//  - click-to-sound latency: from the listen button's click to the first non-silent sample
//    leaving the mixer (target under 30 ms).

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "controls/button/ButtonEx.h"
#include "platform/Backends.h"
#include "platform/Runtime.h"
#include "platform/audio/SdlAudio.h"
#include "platform/draw/Artwork.h"
#include "platform/window/FormLoader.h"
#include "platform/window/Notices.h"
#include "platform/window/QtFormView.h"
#include "shell/ControlFactory.h"
#include "shell/LessonWindow.h"
#include "shell/MirrorForm.h"

namespace {

using Clock = std::chrono::steady_clock;

// The real player, with the moments of its starts and of the ends it reports.
class TimedPlayer : public platform::ItemPlayer {
public:
    explicit TimedPlayer(platform::ItemPlayer& real) : m_real(real)
    {
        m_real.setOnPlayStateChange([this](int oldState, int newState) {
            lastEnd = Clock::now();
            ++ends;
            notifyPlayStateChange(oldState, newState);
        });
    }
    void setFileName(const std::string& path) override { m_real.setFileName(path); }
    std::string fileName() const override { return m_real.fileName(); }
    void play() override
    {
        lastPlay = Clock::now();
        ++plays;
        m_real.play();
    }
    void hold() override { m_real.hold(); }
    void halt() override { m_real.halt(); }
    void setPlayCount(int count) override { m_real.setPlayCount(count); }
    int playCount() const override { return m_real.playCount(); }
    double currentPosition() const override { return m_real.currentPosition(); }
    double duration() const override { return m_real.duration(); }
    int playState() const override { return m_real.playState(); }

    Clock::time_point lastPlay, lastEnd;
    int plays = 0;
    int ends = 0;

private:
    platform::ItemPlayer& m_real;
};

double msBetween(Clock::time_point a, Clock::time_point b) { return std::chrono::duration<double, std::milli>(b - a).count(); }

struct Bench {
    platform::SdlAudio& audio;
    std::string folder;
    platform::AudioBackends sound = audio.createBackends();
    TimedPlayer player{*sound.player};
    std::unique_ptr<platform::ProgramLauncher> launcher = platform::makeProgramLauncher();
    std::unique_ptr<platform::Form> main;
    std::unique_ptr<platform::Form> mirror;
    std::unique_ptr<platform::QtFormView> view;
    std::unique_ptr<shell::LessonWindow> window;

    Bench(platform::SdlAudio& a, std::string f) : audio(a), folder(std::move(f))
    {
        const auto services = platform::QtFormView::services();
        main = std::move(platform::loadForm(shell::lessonWindowDescription(), services, shell::makeHostedControl,
                                            [](const std::string& n) { return platform::loadArtwork(n); })
                             .value());
        mirror = shell::makeMirrorForm(services, main->icon());
        view = std::make_unique<platform::QtFormView>(*main);
        shell::WindowServices io;
        io.programFolder = folder;
        io.wmp = &player;
        io.effects = sound.effects.get();
        io.mmc = sound.recorder.get();
        io.launcher = launcher.get();
        io.messages = &platform::qtNotices();
        io.openProfile = [](const std::string& p) { return platform::makeProfileFile(p); };
        io.openStore = [](const std::string& p) { return platform::makeLessonSource(p); };
        io.endProgram = [] {};
        window = std::make_unique<shell::LessonWindow>(*main, *mirror, io);
        (void)window->bind();
        window->formLoad();
    }

    void click(const shell::Button& b)
    {
        b.host->deliverMouseDown(1, 0, 5, 5);
        b.host->deliverMouseUp(1, 0, 5, 5, true);
    }
    // Runs the event loop until DONE says so or SECONDS pass.
    bool runUntil(const std::function<bool()>& done, double seconds)
    {
        const auto deadline = Clock::now() + std::chrono::duration<double>(seconds);
        while (!done() && Clock::now() < deadline)
            platform::Runtime::processEvents(5);
        return done();
    }
    void setting(platform::Control* box, const std::array<shell::Button, 3>& spinner, int value)
    {
        box->setText(std::to_string(value));
        click(spinner[value == 16 ? 2 : 1]);
        click(spinner[value == 16 ? 1 : 2]);
    }
};

} // namespace

int main(int argc, char** argv)
{
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    ::setenv("SDL_AUDIODRIVER", "disk", 1);
    ::setenv("SDL_DISKAUDIOFILE", "/dev/null", 1);
    ::setenv("LANG", "C.UTF-8", 0);
    platform::Runtime runtime(argc, argv);
    const std::string folder = argc > 1 ? argv[1] : platform::Runtime::programFolder() + "/../course";
    platform::SdlAudio audio;

    Bench b(audio, folder);
    auto& c = b.window->controls();
    b.click(c.xuanxiang[2]); // listen-read

    std::printf("pause between the plays of a cycle (real clock), expected (N + 1) x 500 ms:\n");
    for (int setting : {1, 16}) {
        b.setting(c.cishutext, c.cishubtn, 2);
        b.setting(c.miaotext, c.miaoshubtn, setting);
        const int plays = b.player.plays;
        b.click(c.jibenbtn[10]);
        // The listen button starts, holds and starts; the cycle's second play follows the pause.
        if (!b.runUntil([&] { return b.player.ends >= 1 && b.player.plays >= plays + 3; }, 30)) {
            std::printf("  setting %2d: the second play never came\n", setting);
            continue;
        }
        const double measured = msBetween(b.player.lastEnd, b.player.lastPlay);
        const double expected = (setting + 1) * 500.0;
        std::printf("  setting %2d: %7.1f ms  (expected %6.0f, off by %+.1f ms)\n", setting, measured, expected, measured - expected);
        b.runUntil([&] { return b.player.ends >= 2; }, 30);
        b.player.ends = 0;
    }

    std::printf("click-to-sound latency (listen button click to the first non-silent sample mixed):\n");
    std::atomic<long long> firstSound{0};
    audio.setOutputTap([&](const std::int16_t* samples, std::size_t count) {
        if (firstSound.load() != 0)
            return;
        for (std::size_t i = 0; i < count; ++i)
            if (samples[i] > 64 || samples[i] < -64) {
                firstSound = Clock::now().time_since_epoch().count();
                return;
            }
    });
    b.setting(c.cishutext, c.cishubtn, 1);
    std::vector<double> latencies;
    for (int i = 0; i < 15; ++i) {
        b.window->halt();
        b.runUntil([] { return false; }, 0.15 + 0.013 * i); // start at varied moments of the mixer's period
        firstSound = 0;
        const auto t0 = Clock::now();
        b.click(c.jibenbtn[10]);
        if (b.runUntil([&] { return firstSound.load() != 0; }, 2))
            latencies.push_back(msBetween(t0, Clock::time_point(Clock::duration(firstSound.load()))));
    }
    audio.setOutputTap(nullptr);
    std::sort(latencies.begin(), latencies.end());
    if (latencies.empty()) {
        std::printf("  no sound reached the mixer\n");
        return 1;
    }
    std::printf("  %zu clicks: min %.1f  median %.1f  max %.1f ms   target < 30 ms%s\n", latencies.size(), latencies.front(),
                latencies[latencies.size() / 2], latencies.back(), latencies[latencies.size() / 2] < 30 ? "" : "  MISSED");
    return 0;
}
