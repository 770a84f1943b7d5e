#include <gtest/gtest.h>

#include "study/ItemAudio.h"
#include "study/VoiceRecording.h"
#include "tests/shell/WindowHarness.h"
#include "tests/support/LogCapture.h"

using harness::clip;
using harness::Window;

namespace {

struct Panel {
    bool startShown;
    bool stopShown;
    bool playEnabled;
    std::string status;
    int monitor;
    bool operator==(const Panel&) const = default;
};

std::ostream& operator<<(std::ostream& o, const Panel& p)
{
    return o << "{" << p.startShown << p.stopShown << p.playEnabled << " '" << p.status << "' " << p.monitor << "}";
}

Panel panel(Window& w)
{
    auto& c = w.c();
    return {c.startrec.visible(), c.stoprec.visible(), c.playrec->Enabled(), c.recordlabel->text(), c.recordcount->interval()};
}

void repeatRead(Window& w)
{
    w.start();
    w.click(w.c().xuanxiang[3]);
}

} // namespace

TEST(VoiceRecording, RecordStopPlayBackFollowTheStateTable)
{
    Window w;
    repeatRead(w);
    auto& c = w.c();
    EXPECT_EQ(w.s().studyMode, 3);
    EXPECT_TRUE(c.recordframe->visible());
    EXPECT_TRUE(c.controlframe[1]->visible());
    EXPECT_EQ(panel(w), (Panel{true, false, false, "", 0}));
    EXPECT_EQ(w.recorder.calls(), (std::vector<std::string>{"close", "Notify=0", "Wait=1", "Shareable=0", "DeviceType=WaveAudio", "close",
                                                            "FileName=/course/Recorder.wav", "open"}));
    EXPECT_EQ(c.lenlabel->text(), "声音长度：      当前位置：    ");
    w.recorder.clearCalls();

    w.click(c.startrec);
    EXPECT_EQ(panel(w), (Panel{false, true, false, "正在进行录音.......", 40}));
    EXPECT_EQ(c.recordbar->Style(), 1);
    w.recorder.setLength(300);
    w.recorder.setPosition(300);
    w.advance(40 * 150); // more than a hundred ticks: the marquee wraps
    EXPECT_EQ(c.recordbar->Value(), 51);
    EXPECT_EQ(c.lenlabel->text(), "声音长度:300 当前位置:300");

    w.click(c.stoprec);
    EXPECT_EQ(panel(w), (Panel{true, false, true, "已经停止录音.......", 0}));
    w.recorder.setLength(1800);
    w.click(c.playrec);
    EXPECT_EQ(panel(w), (Panel{true, false, true, "正在播放录音.......", 250}));
    EXPECT_EQ(c.recordbar->Style(), 0);
    EXPECT_EQ(c.recordbar->Max(), 1800);
    w.recorder.setPosition(900);
    w.advance(250);
    EXPECT_EQ(c.recordbar->Value(), 900);
    w.recorder.finishPlayback();
    w.advance(250);
    EXPECT_EQ(c.recordbar->Value(), 1800);
    EXPECT_EQ(c.recordcount->interval(), 250);
    w.advance(250); // one tick after reaching the end the monitor stops
    EXPECT_EQ(c.recordcount->interval(), 0);
    EXPECT_EQ(c.recordlabel->text(), "正在播放录音.......");
    EXPECT_EQ(w.recorder.calls(), (std::vector<std::string>{"Prev", "Record", "Stop", "Prev", "Play"}));

    // A short take's play-back leaves a small range; recording again never asks too much of it.
    w.recorder.setLength(40);
    w.click(c.playrec);
    w.click(c.startrec);
    w.advance(40 * 120);
    EXPECT_TRUE(w.alerts.alerts.empty());
}

TEST(VoiceRecording, WithoutADeviceTheLearnerIsToldAndNothingPretends)
{
    Window w;
    testpaths::LogCapture log;
    w.recorder.failOpen(platform::Error{platform::Error::Code::DeviceUnavailable, "no capture device"});
    repeatRead(w);
    auto& c = w.c();
    EXPECT_EQ(c.recordlabel->text(), "无法录音：no capture device");
    w.click(c.startrec);
    EXPECT_EQ(panel(w), (Panel{true, false, false, "无法录音：no capture device", 0}));
    w.click(c.playrec); // disabled: nothing
    EXPECT_TRUE(w.alerts.alerts.empty());
    // What the panel says is logged each time it says it: on opening and on the press.
    EXPECT_EQ(log.lines, (std::vector<std::string>{"record.status 无法录音：no capture device", "record.status 无法录音：no capture device"}));
}

TEST(VoiceRecording, ATakeThatReachesItsBoundStopsAsStopWould)
{
    Window w;
    repeatRead(w);
    w.click(w.c().startrec);
    w.recorder.finishTake();
    w.advance(40);
    EXPECT_EQ(panel(w), (Panel{true, false, true, "已经停止录音.......", 0}));
}

TEST(ItemAudio, ReferenceAudioFollowsTheClipAndStopsAtItsEnd)
{
    struct Case {
        const char* name;
        double duration;
        bool missing;
        int max;
    } cases[] = {{"three seconds", 3.2, false, 3}, {"two and a half", 2.5, false, 2}, {"short", 0.4, false, 0}, {"missing", 0, true, 0}};
    for (const auto& t : cases) {
        SCOPED_TRACE(t.name);
        Window w;
        if (t.missing)
            w.player.setMissing(clip("b1"));
        else
            w.player.setDuration(clip("b1"), t.duration);
        repeatRead(w);
        auto& c = w.c();
        w.playerCalls();
        w.click(c.jibenbtn[4]);
        EXPECT_EQ(c.indexlabel->text(), "1");
        EXPECT_EQ(w.playerCalls(), (std::vector<std::string>{"PlayCount=1", "FileName=" + clip("b1"), "Play", "Hold", "Play"}));
        EXPECT_EQ(c.playbar->Max(), t.max);
        EXPECT_EQ(c.playlabel->text(), study::ItemAudio::kPlayingText);
        EXPECT_EQ(w.s().progressMode, 3);
        // The position runs a little past the rounded length before the end.
        w.player.setPosition(t.duration + 0.3);
        for (int tick = 0; tick < 200 && c.recordcount->interval() > 0; ++tick)
            w.advance(50);
        EXPECT_EQ(c.recordcount->interval(), 0);
        EXPECT_EQ(c.playlabel->text(), study::ItemAudio::kStoppedText);
        EXPECT_EQ(c.playbar->Value(), t.max);
        EXPECT_TRUE(w.alerts.alerts.empty()) << w.alerts.alerts.front().message;
    }
}

TEST(StudyMenu, ScreensFollowTheMenuTable)
{
    struct Case {
        int button;
        int mode;
        bool followRead, repeatBar, recording, listenButtons, listenButton;
        int pressed; // the pressed picture shown, 0 for none
    } cases[] = {
        {1, 1, true, false, false, false, false, 0},
        {2, 2, false, false, false, true, true, 2},
        {3, 3, false, true, true, true, false, 3},
        {5, 2, false, false, false, true, false, 0},
    };
    for (const auto& t : cases) {
        SCOPED_TRACE(t.button);
        Window w;
        w.start();
        auto& c = w.c();
        w.playerCalls();
        w.click(c.xuanxiang[static_cast<size_t>(t.button)]);
        EXPECT_EQ(w.s().studyMode, t.mode);
        EXPECT_EQ(c.genduframe->visible(), t.followRead);
        EXPECT_EQ(c.controlframe[1]->visible(), t.repeatBar);
        EXPECT_EQ(c.recordframe->visible(), t.recording);
        EXPECT_EQ(c.jibenbtn[1].visible(), t.listenButtons);
        EXPECT_EQ(c.jibenbtn[10].visible(), t.listenButton);
        for (int i = 1; i <= 5; ++i) {
            EXPECT_EQ(c.xuanxiang1[static_cast<size_t>(i)]->visible(), i == t.pressed) << i;
            EXPECT_EQ(c.xuanxiang[static_cast<size_t>(i)].visible(), i != t.pressed) << i;
        }
        EXPECT_EQ(w.playerCalls(), (std::vector<std::string>{"Halt"}));
        EXPECT_EQ(w.effects.paths().back(), "/course/music/click.wav");
        EXPECT_EQ(w.s().autoPlayState, 1);
    }
}

TEST(StudyMenu, ListenReadHaltsTheRepeatReadScreen)
{
    Window w;
    w.start();
    auto& c = w.c();
    w.click(c.xuanxiang[3]);
    w.click(c.jibenbtn[4]);
    w.recorder.clearCalls();
    w.playerCalls();
    w.click(c.xuanxiang[2]);
    EXPECT_EQ(w.playerCalls(), (std::vector<std::string>{"Halt"}));
    EXPECT_EQ(w.recorder.calls(), (std::vector<std::string>{"close"}));
    EXPECT_FALSE(c.recordframe->visible());
    EXPECT_EQ(c.recordcount->interval(), 0);
    EXPECT_TRUE(c.xuanxiang1[2]->visible());
    EXPECT_TRUE(c.jibenbtn[10].visible());
}

TEST(StudyMenu, CourseChoiceWritesTheKeyThenStartsTheChooserAndEnds)
{
    for (bool writeFails : {false, true}) {
        SCOPED_TRACE(writeFails ? "write fails" : "write works");
        Window w;
        if (writeFails)
            w.profile.failWrites(platform::Error{platform::Error::Code::WriteFailed, "read-only"});
        w.start();
        w.click(w.c().xuanxiang[4]);
        EXPECT_EQ(w.profile.writes, (std::vector<fakes::InMemoryProfile::Write>{{"tongji", "xuanze", "main"}}));
        EXPECT_EQ(w.s().profileBuffer, "main");
        EXPECT_EQ(w.launcher.started, (std::vector<std::string>{"/course/Selvorn.exe"}));
        EXPECT_EQ(w.ended, 1);
    }
}

TEST(StudyMenu, DictionaryStartsBesideTheWindowOrSaysWhyNot)
{
    Window w;
    w.start();
    w.click(w.c().xuanxiang[5]);
    EXPECT_EQ(w.launcher.started, (std::vector<std::string>{"/course/Lexaro.exe"}));
    EXPECT_EQ(w.ended, 0);
    EXPECT_TRUE(w.alerts.notices.empty());
    w.launcher.failAll();
    w.click(w.c().xuanxiang[5]);
    ASSERT_EQ(w.alerts.notices.size(), 1u);
    EXPECT_NE(w.alerts.notices[0].message.find("/course/Lexaro.exe"), std::string::npos);
}

TEST(Chrome, BackAndCloseStartTheLauncherAndEnd)
{
    for (int which : {0, 1}) {
        SCOPED_TRACE(which == 0 ? "back" : "close");
        Window w;
        w.start();
        w.launcher.failAll(); // a missing launcher still ends the program
        w.click(which == 0 ? w.c().backbtn : w.c().exit[0]);
        EXPECT_EQ(w.launcher.started, (std::vector<std::string>{"/course/Tovanel.exe"}));
        EXPECT_EQ(w.ended, 1);
        EXPECT_TRUE(w.alerts.notices.empty());
        EXPECT_EQ(w.effects.paths().back(), "/course/music/Clique.wav");
    }
}

TEST(Chrome, FollowReadCloseStopsTheClipAndBackLetsItPlayOn)
{
    for (bool close : {true, false}) {
        SCOPED_TRACE(close ? "close" : "back");
        Window w;
        w.start();
        auto& c = w.c();
        w.click(c.xuanxiang[1]);
        w.click(c.jibenbtn[0]);
        w.playerCalls();
        w.click(close ? c.exit[1] : c.backbtn1);
        EXPECT_FALSE(c.genduframe->visible());
        EXPECT_EQ(w.playerCalls(), close ? std::vector<std::string>{"Halt"} : std::vector<std::string>{});
        EXPECT_EQ(w.s().autoPlayState, close ? 1 : 2);
        EXPECT_TRUE(c.selmag[1]->visible());
        EXPECT_TRUE(c.selmag[1]->enabled());
        EXPECT_TRUE(c.jibenbtn[0]->Enabled());
        EXPECT_EQ(w.ended, 0);
    }
}

TEST(Chrome, MinimiseHidesTheWindowUntilTheEntryIsRestored)
{
    Window w;
    w.start();
    using State = platform::Form::WindowState;
    // Before any minimise press, the entry's state leaves the window alone.
    w.mirror->windowStateChangedByUser(State::Minimized);
    EXPECT_TRUE(w.main->visible());
    w.mirror->windowStateChangedByUser(State::Normal);

    w.click(w.c().Minimize[0]);
    EXPECT_EQ(w.mirror->windowState(), State::Minimized);
    EXPECT_FALSE(w.main->visible());
    EXPECT_EQ(w.main->windowState(), State::Minimized);
    w.mirror->windowStateChangedByUser(State::Normal);
    EXPECT_TRUE(w.main->visible());
    EXPECT_EQ(w.main->windowState(), State::Normal);
    EXPECT_FALSE(w.window->chrome().isFollowing());
}

TEST(Chrome, OnlyTheLeftButtonDragsTheWindow)
{
    struct MoveCounter : platform::Form::FormObserver {
        int moves = 0;
        void formChanged(platform::Form&) override {}
        void systemMoveRequested(platform::Form&) override { ++moves; }
    } counter;
    Window w;
    w.start();
    w.main->setFormObserver(&counter);
    w.mouseDown(w.c().mainmag, platform::buttons::kRight);
    w.mouseDown(w.c().gendumag, platform::buttons::kMiddle);
    EXPECT_EQ(counter.moves, 0);
    w.mouseDown(w.c().mainmag, platform::buttons::kLeft);
    w.mouseDown(w.c().gendumag, platform::buttons::kLeft);
    EXPECT_EQ(counter.moves, 2);
    w.main->setFormObserver(nullptr);
}

TEST(Chrome, HelpStartsTheViewerOrSaysWhyNot)
{
    Window w;
    w.start();
    w.launcher.failAll();
    w.click(w.c().helpbtn[0]);
    EXPECT_EQ(w.launcher.started, (std::vector<std::string>{"/course/Nuvessa.exe"}));
    ASSERT_EQ(w.alerts.notices.size(), 1u);
    EXPECT_EQ(w.effects.paths().back(), "/course/music/click.wav");
}
