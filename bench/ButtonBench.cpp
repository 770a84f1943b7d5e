// button_bench: ButtonEx redraw times, and the CPU one hovered button costs.
//
//   button_bench [benchmark flags]     time per Redraw of a skinned menu button (98 × 31 skin,
//                                      no caption, as the lesson window's) and of a bordered
//                                      3-D button with picture and caption
//   button_bench --hover-seconds=N     runs the real event loop for N seconds with the
//                                      pointer resting over one button (Timer1 asks for every
//                                      millisecond; the Qt timers tick at most every 16 ms)
//                                      and prints the CPU time the process used

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <memory>
#include <string>
#include <vector>

#include "controls/button/ButtonEx.h"
#include "platform/Runtime.h"
#include "platform/time/QtTimerFactory.h"
#include "platform/window/ControlSite.h"
#include "platform/window/PropertyBag.h"

namespace {

using controls::ButtonEx;
using controls::ButtonState;
using platform::Argb;
using platform::Picture;
using platform::Surface;
using platform::rgb;

constexpr Argb kKey = rgb(0, 0, 255);

class IdleTimer : public platform::Timer {
public:
    void setInterval(int milliseconds) override { m_interval = milliseconds > 0 ? milliseconds : 0; }
    int interval() const override { return m_interval; }

private:
    int m_interval = 0;
};

// A container that keeps the pointer over the button; timers come from FACTORY when given,
// else they never tick.
class BenchSite : public platform::ControlSite {
public:
    explicit BenchSite(platform::TimerFactory* factory = nullptr) : m_factory(factory) {}
    void host(platform::HostedControl& control, int widthPx, int heightPx)
    {
        m_control = &control;
        control.setSite(this);
        m_width = widthPx;
        m_height = heightPx;
        control.resized(widthPx, heightPx);
    }
    void invalidate() override { ++invalidations; }
    void setSizeTwips(int width, int height) override
    {
        const int w = (width + 7) / 15, h = (height + 7) / 15;
        if (w == m_width && h == m_height)
            return;
        m_width = w;
        m_height = h;
        m_control->resized(w, h);
    }
    void setShape(const Surface*, Argb) override {}
    bool isRunMode() const override { return true; }
    bool displayAsDefault() const override { return false; }
    platform::FontInfo ambientFont() const override { return {}; }
    platform::Point pointerPosition() const override { return {5, 5}; }
    bool isUnderPointer() const override
    {
        ++hoverChecks;
        return true;
    }
    std::unique_ptr<platform::Timer> createTimer() override
    {
        return m_factory ? m_factory->createTimer() : std::make_unique<IdleTimer>();
    }
    void showAlert(const std::string&, const std::string&) override {}
    void propertyChanged(const std::string&) override {}
    void setWindowEnabled(bool) override {}
    void setPointer(int, const Picture&) override {}
    void setToolTip(const std::string&) override {}
    void setAccessKey(const std::string&) override {}
    void setFocus() override {}
    const void* containerId() const override { return this; }
    std::vector<platform::HostedControl*> windowControls() const override { return {m_control}; }

    long invalidations = 0;
    mutable long hoverChecks = 0;

private:
    platform::TimerFactory* m_factory;
    platform::HostedControl* m_control = nullptr;
    int m_width = 0;
    int m_height = 0;
};

// A 98 × 31 skin: a plate of FILL with a word on it and key-coloured rounded corners.
Picture menuSkin(Argb fill)
{
    Surface s(98, 31, fill);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 3 - y; ++x)
            for (const auto& [px, py] : {std::pair{x, y}, {97 - x, y}, {x, 30 - y}, {97 - x, 30 - y}})
                s.setPixel(px, py, kKey);
    s.drawText("日语跟读", {25, 8}, {"宋体", 10.5, 700, 134}, rgb(255, 255, 255));
    return Picture::fromSurface(s);
}

platform::PropertyBag skinnedMenuButton()
{
    platform::PropertyBag bag;
    bag.set("Appearance", 2);
    bag.set("Caption", std::string());
    bag.set("MousePointer", 99);
    bag.set("MouseIcon", Picture::cursor(Surface(32, 32), {6, 0}));
    bag.set("SkinUp", menuSkin(rgb(120, 160, 210)));
    bag.set("SkinOver", menuSkin(rgb(240, 170, 70)));
    return bag;
}

platform::PropertyBag borderedButton()
{
    Surface play(16, 16, kKey);
    for (int y = 2; y < 14; ++y)
        play.fillRect({4, y, 1 + 2 * (y <= 7 ? y - 2 : 13 - y), 1}, rgb(30, 150, 60));
    platform::PropertyBag bag;
    bag.set("Caption", std::string("&Play"));
    bag.set("Font", platform::FontInfo{"DejaVu Sans", 9.0, 400, 0});
    bag.set("Picture", Picture::fromSurface(play));
    return bag;
}

void redrawLoop(benchmark::State& state, const platform::PropertyBag& bag, bool alternate)
{
    BenchSite site;
    ButtonEx button;
    site.host(button, 98, 31);
    button.readProperties(bag);
    int i = 0;
    for (auto _ : state) {
        button.Redraw(alternate && (++i & 1) ? ButtonState::Over : ButtonState::Up);
        benchmark::DoNotOptimize(button.surface().pixel(40, 15));
    }
    state.SetItemsProcessed(state.iterations());
}

void BM_RedrawSkinnedMenuButtonUp(benchmark::State& state) { redrawLoop(state, skinnedMenuButton(), false); }
void BM_RedrawSkinnedMenuButtonUpOver(benchmark::State& state) { redrawLoop(state, skinnedMenuButton(), true); }
void BM_RedrawBordered3DWithPictureAndCaptionUp(benchmark::State& state) { redrawLoop(state, borderedButton(), false); }
void BM_RedrawBordered3DWithPictureAndCaptionUpOver(benchmark::State& state) { redrawLoop(state, borderedButton(), true); }

BENCHMARK(BM_RedrawSkinnedMenuButtonUp);
BENCHMARK(BM_RedrawSkinnedMenuButtonUpOver);
BENCHMARK(BM_RedrawBordered3DWithPictureAndCaptionUp);
BENCHMARK(BM_RedrawBordered3DWithPictureAndCaptionUpOver);

// CPU seconds the process used while the event loop ran for SECONDS.
struct LoopRun {
    double wall = 0;
    double cpu = 0;
};

LoopRun runLoop(platform::Runtime& runtime, platform::TimerFactory& timers, int seconds)
{
    auto stop = timers.createTimer();
    stop->setOnTick([] { platform::Runtime::quit(0); });
    stop->setInterval(seconds * 1000);
    timespec wallStart{}, wallEnd{};
    const std::clock_t cpuStart = std::clock();
    clock_gettime(CLOCK_MONOTONIC, &wallStart);
    runtime.exec();
    clock_gettime(CLOCK_MONOTONIC, &wallEnd);
    LoopRun run;
    run.cpu = static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;
    run.wall = static_cast<double>(wallEnd.tv_sec - wallStart.tv_sec) + static_cast<double>(wallEnd.tv_nsec - wallStart.tv_nsec) / 1e9;
    return run;
}

// The event loop idle for SECONDS, then with the pointer resting over one skinned button for
// as long: Timer1 runs the hover check as often as the timers tick (every 16 ms).
int measureHover(platform::Runtime& runtime, int seconds)
{
    platform::QtTimerFactory timers;
    const LoopRun idle = runLoop(runtime, timers, seconds);

    BenchSite site(&timers);
    ButtonEx button;
    site.host(button, 98, 31);
    button.readProperties(skinnedMenuButton());
    button.mouseMove(0, 0, 5, 5); // starts tracking
    button.mouseMove(0, 0, 6, 5); // shows Over
    const long redrawsBefore = site.invalidations;
    const LoopRun hovered = runLoop(runtime, timers, seconds);

    std::printf("idle loop:      %.2f s wall, %.3f s CPU (%.2f %% of one core)\n", idle.wall, idle.cpu, 100.0 * idle.cpu / idle.wall);
    std::printf("hovered button: %.2f s wall, %.3f s CPU (%.2f %% of one core), %ld hover checks (%.0f per second), %ld redraws, "
                "tracking %s\n",
        hovered.wall, hovered.cpu, 100.0 * hovered.cpu / hovered.wall, site.hoverChecks, static_cast<double>(site.hoverChecks) / hovered.wall,
        site.invalidations - redrawsBefore, button.Timer1() && button.Timer1()->isRunning() ? "on" : "off");
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    platform::Runtime::preferHeadless();
    platform::Runtime runtime(argc, argv);
    for (int i = 1; i < argc; ++i)
        if (std::strncmp(argv[i], "--hover-seconds=", 16) == 0)
            return measureHover(runtime, std::max(1, std::atoi(argv[i] + 16)));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
