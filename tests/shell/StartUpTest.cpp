#include <gtest/gtest.h>

#include "tests/shell/WindowHarness.h"

using harness::Window;

TEST(StartUp, RestsOnRowOneOfThePartChosenLast)
{
    Window w;
    w.start();
    auto& c = w.c();
    EXPECT_EQ(w.store.queries, (std::vector<fakes::InMemoryLessonSource::Query>{{"study", "dext1基本课文"}}));
    EXPECT_EQ(w.storePaths, (std::vector<std::string>{"/course/data/shuju.dat"}));
    EXPECT_EQ(w.profilePaths.front(), "/course/setting/system.ini");
    EXPECT_EQ(w.s().lessonQuery, "SELECT * FROM study WHERE id = 'dext1基本课文'");
    EXPECT_EQ(c.ListView1->rowCount(), 3);
    EXPECT_EQ(c.ListView1->selectedRow(), 1);
    EXPECT_EQ(w.pane(0), "b1 jp");
    EXPECT_EQ(w.pane(1), "b1 cn");
    EXPECT_EQ(c.soundlabel->text(), "b1");
    EXPECT_EQ(c.indexlabel->text(), "");
    // The follow-read screen keeps its design texts until the panes are first refreshed.
    EXPECT_EQ(c.jptext->text(), "Text1\r\n");
    EXPECT_EQ(c.kechengminglabel[0]->text(), "Lesson1  家庭问候");
    EXPECT_EQ(c.kechengminglabel[1]->text(), "Lesson1  家庭问候");
    EXPECT_EQ(w.s().studyMode, 2);
    EXPECT_EQ(w.s().autoPlayState, 1);
    EXPECT_EQ(w.s().repeatTimes, 1);
    EXPECT_EQ(w.s().pauseSeconds, 1);
    EXPECT_EQ(w.s().repeatDone, 1);
    EXPECT_EQ(w.s().autoItemIndex, 1);
    EXPECT_TRUE(w.s().effectSoundOn);
    EXPECT_EQ(c.Timer1->interval(), 0);
    EXPECT_EQ(c.recordcount->interval(), 0);
    EXPECT_EQ(w.playerCalls(), (std::vector<std::string>{"Halt", "PlayCount=1"}));
    EXPECT_FALSE(c.jibenbtn[10].visible());
    EXPECT_TRUE(c.jibenbtn[0].visible());
    EXPECT_FALSE(c.jibenbtn[3].visible());
    for (int i = 1; i <= 5; ++i) {
        EXPECT_TRUE(c.xuanxiang[static_cast<size_t>(i)].visible());
        EXPECT_FALSE(c.xuanxiang1[static_cast<size_t>(i)]->visible());
    }
    EXPECT_FALSE(c.genduframe->visible());
    EXPECT_FALSE(c.recordframe->visible());
    EXPECT_FALSE(c.fayinframe->visible());
    EXPECT_TRUE(c.ddanxuan[2].visible());
    // The list's columns: Japanese and Chinese share its width, then sound and reading.
    ASSERT_EQ(c.ListView1->columns().size(), 4u);
    EXPECT_EQ(c.ListView1->columns()[0].header, "日文");
    EXPECT_EQ(c.ListView1->columns()[1].width, 9045 / 2);
    EXPECT_EQ(c.ListView1->columns()[3].header, "fy");
    // The window is shown, as an 800 × 600 rounded rectangle.
    EXPECT_TRUE(w.main->visible());
    EXPECT_TRUE(w.mirror->visible());
    EXPECT_TRUE(w.main->shape().contains({400, 300}));
    EXPECT_FALSE(w.main->shape().contains({0, 0}));
    EXPECT_FALSE(w.main->shape().contains({799, 599}));
    EXPECT_EQ(w.main->shape().bounds(), (platform::Rect{0, 0, 800, 600}));
    EXPECT_TRUE(w.alerts.notices.empty());
}

TEST(StartUp, WithoutSettingsFileUsesTheDefaults)
{
    for (bool emptyFile : {false, true}) {
        SCOPED_TRACE(emptyFile ? "empty settings file" : "no settings file");
        Window w;
        w.hasProfile = emptyFile;
        w.profile = fakes::InMemoryProfile{};
        w.store.setRows("dext1dext1", harness::items("d", 2));
        w.start();
        EXPECT_EQ(w.c().kechengminglabel[1]->text(), "Lesson1  家庭问候");
        EXPECT_EQ(w.store.queries.back().id, "dext1dext1");
        EXPECT_EQ(w.s().studyMode, 1);
        EXPECT_FALSE(w.c().ddanxuan[2].visible());
        EXPECT_FALSE(w.c().ddanxuan[5].visible());
        EXPECT_EQ(w.c().ListView1->rowCount(), 2);
    }
}

TEST(StartUp, SettingsDecideStudyModeAndWordButtons)
{
    struct Case {
        const char* tbkt;
        int mode;
        const char* yinfou;
        bool wordsShown;
    } cases[] = {
        {"1", 1, "0", false}, {"2", 2, "1", true},  {"3", 3, "yes", true}, {" 3 ", 3, "", true},
        {"4", 1, "00", true}, {"0", 1, "0 ", true}, {"x", 1, "0", false},  {"-2", 1, "0", false},
    };
    for (const auto& t : cases) {
        SCOPED_TRACE(std::string("tbkt=") + t.tbkt + " yinfou=" + t.yinfou);
        Window w;
        w.profile.set("study", "tbkt", t.tbkt);
        w.profile.set("setting", "yinfou", t.yinfou);
        w.start();
        EXPECT_EQ(w.s().studyMode, t.mode);
        EXPECT_EQ(w.c().ddanxuan[2].visible(), t.wordsShown);
        EXPECT_EQ(w.c().ddanxuan[5].visible(), t.wordsShown);
    }
}

TEST(StartUp, APartWithoutRowsIsNamedToTheLearner)
{
    struct Case {
        const char* name;
        const char* kewen;  // the part chosen last
        bool wordsClicked;  // then the word category, which has no rows
        std::string id;     // the part named in the one notice
    } cases[] = {
        {"the part chosen last", "dext9", false, "dext1dext9"},
        {"a category chosen later", "基本课文", true, "dext1单词"},
    };
    for (const Case& t : cases) {
        SCOPED_TRACE(t.name);
        Window w;
        w.profile.set("study", "kewen", t.kewen);
        w.store.setRows("dext1单词", {});
        w.start();
        if (t.wordsClicked)
            w.click(w.c().ddanxuan[2]);
        ASSERT_EQ(w.alerts.notices.size(), 1u);
        EXPECT_EQ(w.alerts.notices[0].title, "没有课程内容");
        EXPECT_EQ(w.alerts.notices[0].message, "课程数据文件中没有“" + t.id + "”的内容：/course/data/shuju.dat");
        EXPECT_EQ(w.c().ListView1->rowCount(), 0);
    }
}

TEST(StartUp, UnreadableDataFileOpensAnEmptyWindowAndSaysWhich)
{
    Window w;
    w.hasStore = false;
    w.start();
    ASSERT_EQ(w.alerts.notices.size(), 1u);
    EXPECT_NE(w.alerts.notices[0].message.find("/course/data/shuju.dat"), std::string::npos);
    EXPECT_EQ(w.c().ListView1->rowCount(), 0);
    EXPECT_EQ(w.c().ListView1->selectedRow(), 0);
    EXPECT_EQ(w.pane(0), "");
    EXPECT_TRUE(w.main->visible());
    // The menu and the chrome still work.
    w.click(w.c().xuanxiang[2]);
    EXPECT_EQ(w.s().studyMode, 2);
    w.click(w.c().jibenbtn[10]);
    w.click(w.c().jibenbtn[2]);
    w.doubleClickRow(1);
    EXPECT_EQ(w.playerCalls(), (std::vector<std::string>{"Halt", "PlayCount=1", "Halt", "PlayCount=1", "PlayCount=1"}));
    w.click(w.c().backbtn);
    EXPECT_EQ(w.launcher.started, (std::vector<std::string>{"/course/Tovanel.exe"}));
    EXPECT_EQ(w.ended, 1);
}
