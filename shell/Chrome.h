#pragma once

#include "shell/WindowContext.h"

namespace platform {
class Form;
}

namespace shell {

// What a window frame would offer, done by the window itself: dragging by the two background
// pictures, minimising and restoring through the taskbar proxy `mirror`, closing, going back
// to the launcher, help, and the follow-read screen's close and back buttons.
//
// The proxy follows its taskbar entry only from a press of a minimise button until the entry
// is restored: while it follows, minimising the entry hides the lesson window and restoring
// it shows the window again; at any other time the entry's state leaves the window alone.
class Chrome {
public:
    Chrome(WindowContext& context, platform::Form& main, platform::Form& mirror) : m_x(context), m_main(main), m_mirror(mirror) {}

    // Loading the proxy: out of sight, following once (which shows the lesson window).
    void loadMirror();
    // The proxy's follow step (run on each change of the entry's state while following).
    void mirrorTick();
    bool isFollowing() const { return m_following; }

    void backgroundMouseDown(int button);
    void minimizeClick();
    void backToLauncher(); // backbtn and exit(0)
    void exit1Click();     // close on the follow-read screen
    void backbtn1Click();  // back on the follow-read screen
    void helpbtnClick();

private:
    void restFollowReadScreen();

    WindowContext& m_x;
    platform::Form& m_main;
    platform::Form& m_mirror;
    bool m_following = false; // the proxy's timer is enabled
};

} // namespace shell
