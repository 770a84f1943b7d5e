#include <algorithm>
#include <functional>

#include <gtest/gtest.h>

#include "tests/shell/WindowHarness.h"

using harness::Window;
using platform::keys::kDown;
using platform::keys::kUp;

namespace {

struct Shown {
    int selected;
    std::string index;
    std::string pane;
    bool operator==(const Shown&) const = default;
};

Shown shown(Window& w) { return {w.c().ListView1->selectedRow(), w.c().indexlabel->text(), w.pane(0)}; }

std::ostream& operator<<(std::ostream& o, const Shown& s) { return o << "{" << s.selected << ", '" << s.index << "', '" << s.pane << "'}"; }

} // namespace

TEST(Navigation, NextAndPreviousCountFromTheRecordedRow)
{
    Window w;
    w.store.setRows("dext1基本课文", harness::items("b", 6));
    w.start();
    auto next = [&] { w.click(w.c().jibenbtn[2]); };
    auto previous = [&] { w.click(w.c().jibenbtn[1]); };
    // Right after start-up row 1 is shown but not recorded: the first next stays on row 1.
    next();
    EXPECT_EQ(shown(w), (Shown{1, "1", "b1 jp"}));
    next();
    EXPECT_EQ(shown(w), (Shown{2, "2", "b2 jp"}));
    previous();
    previous();
    EXPECT_EQ(shown(w), (Shown{1, "1", "b1 jp"}));
    w.clickRow(5);
    next();
    EXPECT_EQ(shown(w), (Shown{6, "6", "b6 jp"}));
    next();
    EXPECT_EQ(shown(w), (Shown{6, "6", "b6 jp"}));
    // Previous/next never touch the player.
    EXPECT_EQ(w.playerCalls(), (std::vector<std::string>{"Halt", "PlayCount=1", "PlayCount=1", "PlayCount=1", "PlayCount=1", "PlayCount=1", "PlayCount=1", "PlayCount=1"}));
}

TEST(Navigation, ArrowKeysRefreshThePanesOnlyInTheListeningModes)
{
    for (int mode : {1, 2, 3}) {
        SCOPED_TRACE(mode);
        Window w;
        w.store.setRows("dext1基本课文", harness::items("b", 6));
        w.start();
        w.s().studyMode = mode;
        w.clickRow(5);
        w.keyUp(kDown, 6);
        if (mode == 1)
            EXPECT_EQ(shown(w), (Shown{6, "5", "b5 jp"}));
        else
            EXPECT_EQ(shown(w), (Shown{6, "6", "b6 jp"}));
        w.keyUp(kUp, 5);
        w.keyUp(platform::keys::kRight, 4); // other keys do nothing
        // Next counts from the row recorded, whatever the selection.
        w.click(w.c().nextbtn);
        EXPECT_EQ(shown(w), mode == 1 ? (Shown{6, "6", "b6 jp"}) : (Shown{6, "6", "b6 jp"}));
    }
}

TEST(Navigation, DoubleClickPlaysFromTheStartInTheListeningModes)
{
    for (int mode : {1, 2, 3}) {
        SCOPED_TRACE(mode);
        Window w;
        w.start();
        w.s().studyMode = mode;
        w.playerCalls();
        w.doubleClickRow(2);
        w.doubleClickRow(2); // again while it sounds: from the start once more
        EXPECT_EQ(shown(w), (Shown{2, "2", "b2 jp"}));
        const std::vector<std::string> plays{"FileName=/course/music/b2.mp3", "Play", "Hold", "Play"};
        std::vector<std::string> expected;
        if (mode != 1) {
            expected = plays;
            expected.insert(expected.end(), plays.begin(), plays.end());
        }
        EXPECT_EQ(w.playerCalls(), expected);
    }
}

TEST(Navigation, AClipThatCannotBePlayedIsNamedToTheLearner)
{
    struct Case {
        const char* name;
        int menu;                          // the study screen: 2 listen-read, 3 repeat-read
        std::function<void(Window&)> play; // plays row 2 there
    } cases[] = {
        {"double-click", 2, [](Window& w) { w.doubleClickRow(2); }},
        {"listen button", 2, [](Window& w) { w.clickRow(2); w.click(w.c().jibenbtn[10]); }},
        {"reference audio", 3, [](Window& w) { w.clickRow(2); w.click(w.c().jibenbtn[4]); }},
    };
    for (const Case& t : cases) {
        SCOPED_TRACE(t.name);
        Window w;
        w.player.setMissing(harness::clip("b2"));
        w.start();
        w.click(w.c().xuanxiang[t.menu]);
        w.doubleClickRow(1); // a clip that plays: nothing to say
        EXPECT_TRUE(w.alerts.notices.empty());
        w.playerCalls();
        t.play(w);
        ASSERT_EQ(w.alerts.notices.size(), 1u);
        EXPECT_EQ(w.alerts.notices[0].title, "无法播放原音");
        EXPECT_EQ(w.alerts.notices[0].message, "原音文件无法播放：/course/music/b2.mp3\nthe clip is missing");
        // The clip is handed over all the same: playing it ends at once.
        const auto calls = w.playerCalls();
        EXPECT_NE(std::find(calls.begin(), calls.end(), "FileName=/course/music/b2.mp3"), calls.end());
        EXPECT_NE(std::find(calls.begin(), calls.end(), "Play"), calls.end());
    }
}

TEST(Navigation, EmptyPartMovesAndPlaysNothing)
{
    Window w;
    w.store.setRows("dext1基本课文", {});
    w.start();
    w.s().studyMode = 2;
    w.click(w.c().jibenbtn[2]);
    w.click(w.c().jibenbtn[1]);
    w.clickRow(1);
    w.keyUp(kDown, 1);
    w.doubleClickRow(1);
    w.click(w.c().jibenbtn[10]);
    w.click(w.c().jibenbtn[4]);
    EXPECT_EQ(shown(w), (Shown{0, "", ""}));
    EXPECT_EQ(w.c().listlabel->text(), "0");
    EXPECT_EQ(w.c().listclabel->text(), "0");
    EXPECT_EQ(w.c().fayinlabel->text(), "");
    for (const auto& call : w.playerCalls())
        EXPECT_TRUE(call == "Halt" || call == "PlayCount=1") << call;
}

TEST(TextPanes, XiantextFillsEveryPaneOfBothScreens)
{
    Window w;
    w.store.setRows("dext1基本课文", {{"日本語", "日语", "s 一", ""}, {"家族", "家人", "s2", "かぞく"}});
    w.start();
    w.clickRow(2);
    const auto& c = w.c();
    const std::vector<std::string> texts{c.zhengwentext[0]->text(), c.zhengwentext[1]->text(), c.jptext->text(), c.cntext->text(),
                                         c.jplabel->text(), c.cnlabel->text(), c.fayintext[0]->text(), c.fayintext[1]->text(),
                                         c.fayintext[2]->text(), c.fayintext[3]->text(), c.fayintext[4]->text(), c.fayintext[5]->text(),
                                         c.fayinlabel->text(), c.listlabel->text(), c.listclabel->text(), c.soundlabel->text()};
    EXPECT_EQ(texts, (std::vector<std::string>{"家族", "家人", "家族", "家人", "家族", "家人", "家族", "[かぞく]", "家人", "家族", "[かぞく]",
                                               "家人", "[かぞく]", "2", "2", "s2"}));
    w.clickRow(1);
    EXPECT_EQ(c.fayintext[1]->text(), "[]");
    EXPECT_EQ(c.soundlabel->text(), "s 一");
}

TEST(TextPanes, SwitchesHideAndShowTheirTextsOnTheirOwnScreen)
{
    Window w;
    w.start();
    auto& c = w.c();
    w.clickRow(2);
    w.click(c.richeck); // was 1: the Japanese texts of the main view go
    EXPECT_EQ(c.richeck->Value(), 0);
    EXPECT_FALSE(c.zhengwentext[0]->visible());
    EXPECT_FALSE(c.fayintext[0]->visible());
    EXPECT_TRUE(c.jptext->visible()); // the other screen has its own switch
    w.click(c.richeck);
    EXPECT_TRUE(c.zhengwentext[0]->visible());
    EXPECT_EQ(w.pane(0), "b2 jp"); // hiding did not clear it

    struct Case {
        shell::CheckBox box;
        std::vector<platform::Control*> governed;
    } cases[] = {
        {c.hancheck, {c.zhengwentext[1], c.fayintext[2]}},
        {c.fycheck, {c.fayintext[1]}},
        {c.riyucheck, {c.jptext, c.jplabel, c.fayintext[3]}},
        {c.cncheck, {c.cntext, c.cnlabel, c.fayintext[5]}},
    };
    for (const auto& t : cases) {
        SCOPED_TRACE(t.box.host->name());
        w.click(t.box);
        for (auto* control : t.governed)
            EXPECT_FALSE(control->visible()) << control->displayName();
        w.click(t.box);
        for (auto* control : t.governed)
            EXPECT_TRUE(control->visible()) << control->displayName();
    }
    // The follow-read screen's switches refresh its texts.
    w.click(c.riyucheck);
    EXPECT_EQ(c.jptext->text(), "b2 jp");
    // The pronunciation switch of the follow-read screen starts disabled: nothing changes.
    w.click(c.fycheck1);
    EXPECT_EQ(c.fycheck1->Value(), 0);
    EXPECT_FALSE(c.fayinlabel->visible());
}

TEST(CategoryChange, WordsShowThePronunciationFramesOnBothScreens)
{
    Window w;
    w.start();
    auto& c = w.c();
    w.click(c.ddanxuan[2]); // 词组单词 on the main view
    EXPECT_EQ(w.store.queries.back().id, "dext1单词");
    EXPECT_EQ(w.s().lessonQuery, "SELECT * FROM study WHERE id = 'dext1单词'");
    EXPECT_TRUE(c.fayinframe->visible());
    EXPECT_TRUE(c.fayinframe1->visible());
    EXPECT_TRUE(c.fycheck1->Enabled());
    EXPECT_FALSE(c.fayinlabel->visible());
    EXPECT_EQ(c.ListView1->rowCount(), 2);
    EXPECT_EQ(c.ListView1->selectedRow(), 1);
    EXPECT_EQ(c.indexlabel->text(), "");
    EXPECT_EQ(c.fayintext[1]->text(), "[fy1]");
    // Both screens show the same category chosen.
    std::vector<bool> chosen;
    for (const auto& r : c.ddanxuan)
        chosen.push_back(r->Value());
    EXPECT_EQ(chosen, (std::vector<bool>{false, false, true, false, false, true}));
    EXPECT_EQ(w.effects.paths().back(), "/course/music/Clique.wav");

    // On the follow-read screen the label follows the checked switch.
    w.click(c.xuanxiang[1]);
    w.click(c.fycheck1);
    EXPECT_EQ(c.fycheck1->Value(), 1);
    w.click(c.ddanxuan[3]);
    EXPECT_FALSE(c.fayinframe->visible());
    EXPECT_FALSE(c.fycheck1->Enabled());
    w.click(c.ddanxuan[5]);
    EXPECT_TRUE(c.fayinlabel->visible());
    w.click(c.ddanxuan[0]);
    EXPECT_FALSE(c.fayinframe1->visible());
    EXPECT_FALSE(c.fayinlabel->visible());
}

TEST(CategoryChange, ReloadingEndsARunAndPlaybackAndReturnsToRowOne)
{
    Window w;
    w.store.setRows("dext1基本课文", harness::items("b", 2));
    w.start();
    auto& c = w.c();
    w.click(c.xuanxiang[1]);
    w.click(c.jibenbtn[0]); // start the automatic run
    EXPECT_EQ(w.s().autoPlayState, 2);
    EXPECT_FALSE(c.selmag[1]->enabled());
    w.endClip();
    EXPECT_GT(c.Timer1->interval(), 0); // the pause before item 2
    w.playerCalls();
    w.store.setRows("dext1基本课文", harness::items("b", 1));
    w.click(c.ddanxuan[3]); // the part already shown: loaded again, now a single row
    EXPECT_EQ(w.playerCalls(), (std::vector<std::string>{"Halt"}));
    EXPECT_EQ(w.s().autoPlayState, 1);
    EXPECT_EQ(c.Timer1->interval(), 0);
    EXPECT_TRUE(c.jibenbtn[0].visible());
    EXPECT_FALSE(c.jibenbtn[3].visible());
    EXPECT_TRUE(c.selmag[1]->enabled());
    EXPECT_TRUE(c.selmag[3]->enabled());
    EXPECT_EQ(w.s().autoItemIndex, 1);
    EXPECT_EQ(c.ListView1->rowCount(), 1);
    EXPECT_EQ(c.ListView1->selectedRow(), 1);
    EXPECT_EQ(w.store.queryCount(), 2);
    // Nothing plays on after the halt, however long we wait.
    w.advance(20000);
    EXPECT_TRUE(w.playerCalls().empty());
}
