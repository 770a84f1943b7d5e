#pragma once

// The lesson window on fakes: the real form description and controls, a manual clock, a
// scripted player, an in-memory settings file and lesson store, recording effects, recorder
// and launcher. Input goes in as the view would deliver it.

#include <memory>
#include <string>
#include <vector>

#include "controls/button/ButtonEx.h"
#include "controls/xp/XpCheckBox.h"
#include "controls/xp/XpRadioButton.h"
#include "controls/xp/Xp_ProgressBar.h"
#include "platform/window/Form.h"
#include "shell/LessonWindow.h"
#include "tests/fakes/FakePointer.h"
#include "tests/fakes/FakeRecorder.h"
#include "tests/fakes/InMemoryLessonSource.h"
#include "tests/fakes/InMemoryProfile.h"
#include "tests/fakes/ManualClock.h"
#include "tests/fakes/RecordingEffects.h"
#include "tests/fakes/RecordingLauncher.h"
#include "tests/fakes/ScriptedPlayer.h"

namespace harness {

inline const std::string kFolder = "/course";

inline platform::LessonRow item(const std::string& name, const std::string& fy = "")
{
    return {name + " jp", name + " cn", name, fy};
}

// N items named PREFIX1 .. PREFIXN.
inline std::vector<platform::LessonRow> items(const std::string& prefix, int n)
{
    std::vector<platform::LessonRow> rows;
    for (int i = 1; i <= n; ++i)
        rows.push_back(item(prefix + std::to_string(i), "fy" + std::to_string(i)));
    return rows;
}

inline std::string clip(const std::string& sound) { return kFolder + "/music/" + sound + ".mp3"; }

struct Window {
    fakes::ManualClock clock;
    fakes::FakePointer pointer;
    fakes::RecordingAlerts alerts;
    fakes::ScriptedPlayer player;
    fakes::RecordingEffects effects;
    fakes::FakeRecorder recorder;
    fakes::RecordingLauncher launcher;
    fakes::InMemoryProfile profile{{"study", "kecheng", "dext1"}, {"study", "kewen", "基本课文"}, {"study", "tbkt", "2"},
                                   {"setting", "kechengming", "Lesson1  家庭问候"}, {"setting", "yinfou", "1"}};
    fakes::InMemoryLessonSource store{{{"dext1基本课文", items("b", 3)}, {"dext1应用课文", items("a", 1)}, {"dext1单词", items("w", 2)}}};
    bool hasProfile = true; // false: there is no settings file
    bool hasStore = true;   // false: the data file cannot be opened
    int ended = 0;          // times the program was ended
    std::vector<std::string> profilePaths;
    std::vector<std::string> storePaths;

    std::unique_ptr<platform::Form> main;
    std::unique_ptr<platform::Form> mirror;
    std::unique_ptr<shell::LessonWindow> window;

    Window();
    ~Window();
    // Binds the window and runs the start-up.
    void start();

    shell::WindowState& s() { return window->state(); }
    shell::WindowControls& c() { return window->controls(); }

    // Input, as the view delivers it.
    void click(const shell::Button& button);
    void click(const shell::CheckBox& box);
    // A mouse click on an option button: the focus moves to it first.
    void click(const shell::RadioButton& radio);
    void click(platform::Control* image);
    void clickRow(int row);
    void doubleClickRow(int row);
    // The list moved its selection to ROW by itself, then the key was released.
    void keyUp(int keyCode, int rowAfter);
    void mouseDown(platform::Control* image, int button);

    // The clip that is sounding ends by itself (the notification arrives now).
    void endClip() { player.finishClip(); }
    void advance(std::int64_t ms) { clock.advance(ms); }
    // What the player was asked since the last call, then forgets it.
    std::vector<std::string> playerCalls();
    std::string pane(int i) const;
};

} // namespace harness
