// ButtonEx pointer tracking, keys, focus and events.

#include "controls/button/ButtonEx.h"

#include <gtest/gtest.h>

#include <functional>

#include "tests/controls/button/ButtonHarness.h"

using namespace buttontest;
using controls::ButtonState;
using platform::ControlEvent;
using Names = std::vector<std::string>;

namespace {

// A skinned button 20 × 10 whose skin tells its look: Up, Over and Down skins.
void loadSkinned(ButtonHarness& h, int style = 0)
{
    platform::PropertyBag bag;
    bag.set("Appearance", 2);
    bag.set("Caption", std::string());
    bag.set("SkinUp", skin(20, 10, kUpSkin));
    bag.set("SkinOver", skin(20, 10, kOverSkin));
    bag.set("SkinDown", skin(20, 10, kDownSkin));
    bag.set("SkinDisabled", skin(20, 10, kDisabledSkin));
    bag.set("SkinFocus", skin(20, 10, kFocusSkin));
    bag.set("Style", style);
    h.load(bag);
}

bool tracking(const ButtonHarness& h) { return h.button.Timer1() && h.button.Timer1()->isRunning(); }

class ButtonExInputTest : public testing::Test, protected ButtonHarness {};

} // namespace

TEST_F(ButtonExInputTest, LooksAndEventsFollowTheStateTable)
{
    loadSkinned(*this);
    using Act = std::function<void(ButtonHarness&)>;
    const Act move = [](ButtonHarness& h) { h.moveOver(0); };
    const Act pressLeft = [](ButtonHarness& h) { h.button.mouseDown(1, 0, 5, 5); };
    const Act leaveAndTick = [](ButtonHarness& h) {
        h.leave();
        h.tick();
    };
    const struct {
        const char* input;
        Act act;
        Argb look;
        Names events;
        bool tracking;
    } steps[] = {
        {"first move over the button", move, kUpSkin, {"MouseEnter", "MouseMove"}, true},
        {"next move, no button held", move, kOverSkin, {"MouseMove"}, true},
        {"a tick with the pointer still over it", [](ButtonHarness& h) { h.tick(); }, kOverSkin, {}, true},
        {"left press", pressLeft, kDownSkin, {"MouseDown"}, true},
        {"move inside with left held", [](ButtonHarness& h) { h.moveOver(1); }, kDownSkin, {"MouseMove"}, true},
        {"left release inside",
            [](ButtonHarness& h) {
                h.button.mouseUp(1, 0, 5, 5);
                h.button.click();
            },
            kUpSkin, {"MouseUp", "Click"}, true},
        {"next move", move, kOverSkin, {"MouseMove"}, true},
        {"pointer leaves, next tick", leaveAndTick, kUpSkin, {"MouseExit"}, false},
        {"first move back over it", move, kUpSkin, {"MouseEnter", "MouseMove"}, true},
        {"left press from Up", pressLeft, kDownSkin, {"MouseDown"}, true},
        {"pointer leaves with left held, next tick", leaveAndTick, kUpSkin, {"MouseExit"}, false},
        {"left held outside, next move", [](ButtonHarness& h) { h.button.mouseMove(1, 0, -5, -5); }, kUpSkin, {}, true},
        {"left held outside, following move", [](ButtonHarness& h) { h.button.mouseMove(1, 0, -6, -5); }, kDownSkin, {}, true},
        {"outside, next tick", [](ButtonHarness& h) { h.tick(); }, kUpSkin, {}, false},
        {"release outside", [](ButtonHarness& h) { h.button.mouseUp(1, 0, -6, -5); }, kUpSkin, {"MouseUp"}, false},
        {"move back over it, twice", [](ButtonHarness& h) {
                h.moveOver(0);
                h.moveOver(0);
            }, kOverSkin,
            {"MouseEnter", "MouseMove", "MouseMove"}, true},
        {"size change", [](ButtonHarness& h) { h.site.resize(20, 10); }, kUpSkin, {"Resize"}, true},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.input);
        step.act(*this);
        EXPECT_EQ(centre(), step.look);
        EXPECT_EQ(takeEvents(), step.events);
        EXPECT_EQ(tracking(*this), step.tracking);
    }
}

TEST(ButtonExInput, ToggleButtonLatchesDownUntilTheNextPress)
{
    ButtonHarness h;
    loadSkinned(h, 1);
    h.moveOver();
    h.moveOver();
    const struct {
        const char* input;
        std::function<void(ButtonHarness&)> act;
        Argb look;
        int value;
    } steps[] = {
        {"press", [](ButtonHarness& b) { b.button.mouseDown(1, 0, 5, 5); }, kDownSkin, 0},
        {"release", [](ButtonHarness& b) { b.button.mouseUp(1, 0, 5, 5); }, kDownSkin, 0},
        {"move", [](ButtonHarness& b) { b.moveOver(); }, kDownSkin, 0},
        {"size change", [](ButtonHarness& b) { b.site.resize(20, 10); }, kDownSkin, 0},
        {"press again", [](ButtonHarness& b) { b.button.mouseDown(1, 0, 5, 5); }, kUpSkin, 1},
        {"release again", [](ButtonHarness& b) { b.button.mouseUp(1, 0, 5, 5); }, kUpSkin, 1},
        {"move", [](ButtonHarness& b) { b.moveOver(); }, kOverSkin, 1},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.input);
        step.act(h);
        EXPECT_EQ(h.centre(), step.look);
        EXPECT_EQ(h.button.Value(), step.value);
    }
}

TEST(ButtonExInput, ValueAndRequestedStatesFollowTheToggleRule)
{
    const struct {
        const char* name;
        int style;
        int value;
        std::optional<ButtonState> asked; // a later Redraw request
        Argb look;
    } cases[] = {
        {"push, Value 0", 0, 0, {}, kDownSkin},
        {"push, Value 1", 0, 1, {}, kUpSkin},
        {"push, Value 2", 0, 2, {}, kOverSkin},
        {"push, Value 3: the disabled look", 0, 3, {}, kDisabledSkin},
        {"toggle, Value 0 latches", 1, 0, {}, kDownSkin},
        {"toggle, Value 2", 1, 2, {}, kOverSkin},
        {"toggle, Value 3", 1, 3, {}, kUpSkin},
        {"toggle, Value 0, Over asked", 1, 0, ButtonState::Over, kDownSkin},
        {"toggle, Value 1, Down asked", 1, 1, ButtonState::Down, kUpSkin},
        {"toggle, Value 1, Disabled asked", 1, 1, ButtonState::Disabled, kUpSkin},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ButtonHarness h;
        loadSkinned(h, c.style);
        h.button.setValue(c.value);
        if (c.asked)
            h.button.Redraw(*c.asked);
        EXPECT_EQ(h.centre(), c.look);
    }
}

TEST(ButtonExInput, OtherMouseButtonsRaiseTheirEventsButLeaveLookAndValue)
{
    const struct {
        const char* input;
        std::function<void(controls::ButtonEx&)> act;
        Names events;
    } cases[] = {
        {"right press", [](controls::ButtonEx& b) { b.mouseDown(2, 0, 5, 5); }, {"MouseDown"}},
        {"middle release", [](controls::ButtonEx& b) { b.mouseUp(4, 0, 5, 5); }, {"MouseUp"}},
        {"left and right press", [](controls::ButtonEx& b) { b.mouseDown(3, 0, 5, 5); }, {"MouseDown"}},
        {"move with right held", [](controls::ButtonEx& b) { b.mouseMove(2, 0, 5, 5); }, {"MouseMove"}},
        {"move with left and right held", [](controls::ButtonEx& b) { b.mouseMove(3, 0, 5, 5); }, {"MouseMove"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.input);
        ButtonHarness h;
        loadSkinned(h);
        h.moveOver();
        h.moveOver();
        h.takeEvents();
        c.act(h.button);
        EXPECT_EQ(h.centre(), kOverSkin);
        EXPECT_EQ(h.button.Value(), 1);
        EXPECT_EQ(h.takeEvents(), c.events);
    }
}

TEST_F(ButtonExInputTest, AccessKeyAndKeysRaiseTheirEventsOnly)
{
    loadSkinned(*this);
    button.accessKeyPressed();
    button.keyDown(platform::keys::kSpace, 0);
    button.keyPress(platform::keys::kSpace);
    button.keyUp(platform::keys::kSpace, 0);
    button.keyDown(platform::keys::kReturn, 1);
    ControlEvent click{"Click"}, down{"KeyDown"}, press{"KeyPress"}, up{"KeyUp"}, enter{"KeyDown"};
    down.keyCode = up.keyCode = platform::keys::kSpace;
    press.keyAscii = platform::keys::kSpace;
    enter.keyCode = platform::keys::kReturn;
    enter.shift = 1;
    EXPECT_EQ(events, (std::vector<ControlEvent>{click, down, press, up, enter}));
    EXPECT_EQ(centre(), kUpSkin);
    EXPECT_EQ(button.Value(), 1);
}

TEST_F(ButtonExInputTest, MouseEventsCarryTwipsAndCountBothEdgesAsInside)
{
    site.runMode = false; // no tracking start, so every move is a plain move
    loadSkinned(*this);
    button.mouseDown(1, 2, 3, 4);
    button.mouseMove(1, 0, 20, 10); // the far edge is inside
    button.mouseMove(1, 0, 21, 10);
    button.mouseMove(1, 0, 0, -1);
    button.mouseUp(1, 0, 0, 0);
    const auto mouse = [](const char* name, int b, int shift, float x, float y) {
        ControlEvent e{name};
        e.button = b;
        e.shift = shift;
        e.x = x;
        e.y = y;
        return e;
    };
    EXPECT_EQ(events, (std::vector<ControlEvent>{mouse("MouseDown", 1, 2, 45, 60), ControlEvent{"MouseEnter"},
                          mouse("MouseMove", 1, 0, 300, 150), mouse("MouseUp", 1, 0, 0, 0)}));
}

TEST_F(ButtonExInputTest, DisablingUnderThePointerRaisesMouseExitAtTheNextTick)
{
    loadSkinned(*this);
    moveOver();
    moveOver();
    button.setEnabled(false);
    EXPECT_EQ(centre(), kDisabledSkin);
    takeEvents();
    tick();
    EXPECT_EQ(takeEvents(), Names{"MouseExit"});
    EXPECT_FALSE(tracking(*this));
    EXPECT_EQ(centre(), kDisabledSkin);
    button.setEnabled(true);
    EXPECT_EQ(button.CurrentState(), ButtonState::Up);
    EXPECT_EQ(centre(), kUpSkin);
}

TEST_F(ButtonExInputTest, MouseEnterAndMouseExitStrictlyAlternateStartingWithEitherOne)
{
    loadSkinned(*this);
    for (const char* name : {"MouseExit", "MouseExit", "MouseEnter", "MouseEnter", "MouseExit"})
        button.RaiseNamedEvent(name);
    button.RaiseNamedEvent("Paint");
    EXPECT_EQ(takeEvents(), (Names{"MouseExit", "MouseEnter", "MouseExit"}));
    EXPECT_EQ(button.LastHoverEvent(), "MouseExit");
}

TEST(ButtonExInput, InADesignerNeitherTrackingNorEmphasisHappens)
{
    ButtonHarness h;
    h.site.runMode = false;
    h.placeNew(40, 20);
    h.button.setCaption("");
    h.moveOver();
    EXPECT_EQ(h.button.CurrentState(), ButtonState::Over); // no tracking start swallows the move
    EXPECT_FALSE(tracking(h));
    h.button.gotFocus();
    h.button.Redraw(ButtonState::Up);
    EXPECT_EQ(h.face().pixel(0, 0), kLight);
    EXPECT_EQ(h.face().pixel(4, 4), kFace);
}

TEST_F(ButtonExInputTest, FocusAndDisplayAsDefaultGiveTheEmphasis)
{
    loadSkinned(*this);
    site.displayAsDefaultValue = true;
    button.ambientChanged("BackColor");
    EXPECT_EQ(centre(), kUpSkin);
    button.ambientChanged("DisplayAsDefault");
    EXPECT_TRUE(button.FocusEmphasis());
    EXPECT_EQ(centre(), kFocusSkin);
    site.displayAsDefaultValue = false;
    button.ambientChanged("DisplayAsDefault");
    EXPECT_EQ(centre(), kUpSkin);
    button.gotFocus();
    EXPECT_EQ(centre(), kFocusSkin);
    button.lostFocus();
    EXPECT_EQ(centre(), kUpSkin);
}

TEST_F(ButtonExInputTest, SizeChangeAlwaysRedrawsUpAndRaisesResize)
{
    placeNew(40, 20);
    button.setCaption("");
    button.Redraw(ButtonState::Over);
    takeEvents();
    site.resize(50, 22);
    EXPECT_EQ(button.CurrentState(), ButtonState::Up);
    EXPECT_EQ(face().size(), (platform::Size{50, 22}));
    EXPECT_EQ(face().pixel(49, 21), kDarkShadow);
    EXPECT_EQ(takeEvents(), Names{"Resize"});
}
