#include <gtest/gtest.h>

#include "tests/shell/WindowHarness.h"

using harness::clip;
using harness::Window;

namespace {

// A listen-read window on the main view with repeat count TIMES and pause setting PAUSE.
void listenRead(Window& w, int times, int pause)
{
    w.start();
    w.click(w.c().xuanxiang[2]);
    // A typed setting takes effect at the next spinner click: step away and back.
    auto set = [&](platform::Control* box, const std::array<shell::Button, 3>& spinner, int value) {
        box->setText(std::to_string(value));
        w.click(spinner[value == 16 ? 2 : 1]);
        w.click(spinner[value == 16 ? 1 : 2]);
    };
    set(w.c().cishutext, w.c().cishubtn, times);
    set(w.c().miaotext, w.c().miaoshubtn, pause);
    w.playerCalls();
}

// Milliseconds until the pause timer stops by itself (a pause ends with Play).
std::int64_t pauseLength(Window& w)
{
    const std::int64_t start = w.clock.now();
    while (w.c().Timer1->interval() > 0 && w.clock.now() - start < 60000)
        w.advance(1);
    return w.clock.now() - start;
}

} // namespace

TEST(StudyModes, ListenReadRepeatsWithPausesThenStops)
{
    Window w;
    listenRead(w, 3, 1);
    EXPECT_EQ(w.s().repeatTimes, 3);
    EXPECT_EQ(w.s().pauseSeconds, 1);
    w.click(w.c().jibenbtn[10]);
    EXPECT_EQ(w.playerCalls(), (std::vector<std::string>{"PlayCount=1", "FileName=" + clip("b1"), "Play", "Hold", "Play"}));
    EXPECT_EQ(w.c().indexlabel->text(), "1");
    for (int repetition = 1; repetition <= 2; ++repetition) {
        SCOPED_TRACE(repetition);
        w.endClip();
        EXPECT_EQ(pauseLength(w), 1000); // a setting of 1 pauses two ticks of 500 ms
        EXPECT_EQ(w.playerCalls(), (std::vector<std::string>{"Play"}));
    }
    w.endClip();
    EXPECT_EQ(w.s().repeatDone, 1);
    w.advance(10000);
    EXPECT_TRUE(w.playerCalls().empty());
}

TEST(StudyModes, PauseLastsOneTickMoreThanTheSetting)
{
    for (int setting : {1, 5, 16}) {
        SCOPED_TRACE(setting);
        Window w;
        listenRead(w, 2, setting);
        w.click(w.c().jibenbtn[10]);
        w.endClip();
        EXPECT_EQ(pauseLength(w), (setting + 1) * 500);
    }
}

TEST(StudyModes, RepeatCountOneStopsAfterOnePlay)
{
    Window w;
    listenRead(w, 1, 1);
    w.click(w.c().jibenbtn[10]);
    w.playerCalls();
    w.endClip();
    w.advance(5000);
    EXPECT_TRUE(w.playerCalls().empty());
}

TEST(StudyModes, AHaltInsideACycleIsNotTheEndOfTheClip)
{
    Window w;
    listenRead(w, 3, 1);
    w.click(w.c().jibenbtn[10]);
    w.endClip();          // first play done: a pause starts
    w.advance(1000);      // the second play sounds
    w.playerCalls();
    w.player.finishClipLater(); // it ends, but the notification is still on its way
    w.click(w.c().xuanxiang[3]); // the menu halts everything
    w.player.deliverPending();
    w.advance(20000);
    EXPECT_EQ(w.playerCalls(), (std::vector<std::string>{"Halt"}));
    EXPECT_EQ(w.c().Timer1->interval(), 0);
}

TEST(StudyModes, TypedSettingsOutsideTheRangeNeverMakeACycleEndless)
{
    struct Case {
        const char* typed;
        int kept; // after one plus
    } cases[] = {{"0", 2}, {"-5", 2}, {"99", 16}, {"abc", 2}, {"", 2}, {"7", 8}};
    for (const auto& t : cases) {
        SCOPED_TRACE(t.typed);
        Window w;
        w.start();
        w.c().cishutext->setText(t.typed);
        w.click(w.c().cishubtn[1]); // plus, from the typed value kept within 1..16
        EXPECT_EQ(w.s().repeatTimes, t.kept);
        EXPECT_EQ(w.c().cishutext->text(), std::to_string(t.kept));
    }
    // A setting lowered below the running counter ends the cycle at once.
    Window w;
    listenRead(w, 4, 1);
    w.click(w.c().jibenbtn[10]);
    w.endClip();
    w.advance(1000);
    w.endClip();
    w.advance(1000); // two repetitions done, repeatDone is 3
    w.c().cishutext->setText("2");
    w.click(w.c().cishubtn[1]);
    w.click(w.c().cishubtn[2]);
    EXPECT_EQ(w.s().repeatTimes, 2);
    w.playerCalls();
    w.endClip();
    w.advance(10000);
    EXPECT_TRUE(w.playerCalls().empty());
    EXPECT_EQ(w.s().repeatDone, 1);
}

TEST(StudyModes, SpinnersStepWithinOneToSixteen)
{
    struct Case {
        const char* start;
        int button;
        const char* after;
    } cases[] = {{"16", 1, "16"}, {"15", 1, "16"}, {"1", 2, "1"}, {"2", 2, "1"}, {"8", 1, "9"}, {"8", 2, "7"}};
    for (const auto& t : cases) {
        SCOPED_TRACE(std::string(t.start) + (t.button == 1 ? " plus" : " minus"));
        Window w;
        w.start();
        w.c().miaotext->setText(t.start);
        w.click(w.c().miaoshubtn[static_cast<size_t>(t.button)]);
        EXPECT_EQ(w.c().miaotext->text(), t.after);
        EXPECT_EQ(w.c().miaoshulabel->text(), t.after);
        EXPECT_EQ(std::to_string(w.s().pauseSeconds), t.after);
    }
}

TEST(StudyModes, AutomaticRunOverTwoItemsEndsAndFreesTheSelector)
{
    Window w;
    w.store.setRows("dext1基本课文", harness::items("b", 2));
    w.start();
    auto& c = w.c();
    w.click(c.xuanxiang[1]);
    EXPECT_TRUE(c.genduframe->visible());
    EXPECT_EQ(w.s().studyMode, 1);
    EXPECT_EQ(c.cishulabel->text(), "1");
    w.playerCalls();
    w.click(c.jibenbtn[0]);
    EXPECT_EQ(w.playerCalls(), (std::vector<std::string>{"PlayCount=1", "Halt", "FileName=" + clip("b1"), "Play", "Hold", "Play"}));
    EXPECT_TRUE(c.jibenbtn[3].visible());
    EXPECT_FALSE(c.jibenbtn[0].visible());
    EXPECT_EQ(c.jptext->text(), "b1 jp");
    w.endClip();
    // The next item is selected and held silent during the pause.
    EXPECT_EQ(w.playerCalls(), (std::vector<std::string>{"FileName=" + clip("b2"), "Play", "Hold"}));
    EXPECT_EQ(c.ListView1->selectedRow(), 2);
    EXPECT_EQ(w.pane(0), "b2 jp");
    EXPECT_EQ(c.jptext->text(), "b1 jp"); // the follow-read screen catches up at the pause's end
    EXPECT_EQ(pauseLength(w), 1000);
    EXPECT_EQ(c.jptext->text(), "b2 jp");
    EXPECT_EQ(w.playerCalls(), (std::vector<std::string>{"Play"}));
    w.endClip();
    EXPECT_TRUE(c.jibenbtn[0].visible());
    EXPECT_FALSE(c.jibenbtn[3].visible());
    EXPECT_TRUE(c.selmag[1]->enabled());
    EXPECT_TRUE(c.selmag[3]->enabled());
    EXPECT_EQ(w.s().autoItemIndex, 3);
    EXPECT_EQ(w.s().autoPlayState, 2);
    w.advance(10000);
    EXPECT_TRUE(w.playerCalls().empty());
}

TEST(StudyModes, RestartAfterAStopInsideACycleKeepsTheCountLeftOver)
{
    Window w;
    w.start();
    auto& c = w.c();
    c.cishutext->setText("3");
    w.click(c.cishubtn[1]);
    w.click(c.cishubtn[2]);
    w.click(c.xuanxiang[1]);
    w.click(c.jibenbtn[0]);
    w.endClip();
    w.advance(1000); // the second sounding of item 1
    w.click(c.jibenbtn[3]);
    EXPECT_EQ(w.s().autoPlayState, 1);
    EXPECT_EQ(w.s().repeatDone, 2);
    w.click(c.jibenbtn[0]);
    w.playerCalls();
    int soundingsOfItemOne = 1;
    for (;;) {
        w.endClip();
        if (w.c().ListView1->selectedRow() != 1)
            break;
        w.advance(1000);
        ++soundingsOfItemOne;
    }
    EXPECT_EQ(soundingsOfItemOne, 2);
}

TEST(StudyModes, PreviousAndNextDuringAPauseChangeTheTextsNotTheClip)
{
    Window w;
    listenRead(w, 2, 1);
    w.click(w.c().jibenbtn[10]);
    w.endClip();
    w.click(w.c().jibenbtn[2]);
    EXPECT_EQ(w.pane(0), "b2 jp");
    w.playerCalls();
    w.advance(1000);
    EXPECT_EQ(w.playerCalls(), (std::vector<std::string>{"Play"}));
    EXPECT_EQ(w.player.fileName(), clip("b1"));
}

TEST(StudyModes, BrowseSelectorSwitchesManualAndAutomatic)
{
    Window w;
    w.start();
    auto& c = w.c();
    w.click(c.xuanxiang[1]);
    EXPECT_FALSE(c.soundbtn->Enabled());
    w.click(c.selmag[1]);
    EXPECT_EQ(w.s().studyMode, 2);
    EXPECT_FALSE(c.jibenbtn[0]->Enabled());
    EXPECT_FALSE(c.jibenbtn[3]->Enabled());
    EXPECT_TRUE(c.soundbtn->Enabled());
    EXPECT_TRUE(c.nextbtn->Enabled());
    EXPECT_EQ((std::vector<bool>{c.selmag[0]->visible(), c.selmag[1]->visible(), c.selmag[2]->visible(), c.selmag[3]->visible()}),
              (std::vector<bool>{true, false, false, true}));
    w.click(c.selmag[0]); // the mark of the current choice: nothing
    EXPECT_EQ(w.s().studyMode, 2);
    w.playerCalls();
    w.click(c.soundbtn);
    EXPECT_EQ(w.playerCalls(), (std::vector<std::string>{"FileName=" + clip("b1"), "Play", "Hold", "Play"}));
    EXPECT_EQ(c.jptext->text(), "b1 jp");
    w.click(c.nextbtn);
    EXPECT_EQ(c.jptext->text(), "b2 jp");
    w.click(c.selmag[3]);
    EXPECT_EQ(w.s().studyMode, 1);
    EXPECT_TRUE(c.jibenbtn[0]->Enabled());
    EXPECT_FALSE(c.nextbtn->Enabled());
    EXPECT_EQ((std::vector<bool>{c.selmag[0]->visible(), c.selmag[1]->visible(), c.selmag[2]->visible(), c.selmag[3]->visible()}),
              (std::vector<bool>{false, true, true, false}));
}

TEST(StudyModes, AutomaticRunOverAThousandItemsEndsExactly)
{
    Window w;
    w.store.setRows("dext1基本课文", harness::items("b", 1000));
    w.start();
    auto& c = w.c();
    c.cishutext->setText("16");
    w.click(c.cishubtn[1]);
    w.click(c.xuanxiang[1]);
    w.click(c.jibenbtn[0]);
    const int timers = w.clock.liveTimers();
    int plays = 1;
    while (w.c().jibenbtn[3].visible()) {
        w.endClip();
        if (w.c().Timer1->interval() > 0) {
            w.advance(1000);
            ++plays;
        }
        ASSERT_LE(plays, 16000);
    }
    EXPECT_EQ(plays, 16000);
    EXPECT_EQ(w.s().autoItemIndex, 1001);
    EXPECT_EQ(w.clock.liveTimers(), timers);
    EXPECT_EQ(w.clock.runningTimers(), 0);
}
