#include "controls/xp/XpCheckBox.h"

#include <gtest/gtest.h>

#include "controls/xp/XpCheckBoxLooks.h"
#include "platform/window/PropertyBag.h"
#include "tests/controls/xp/XpTestSupport.h"
#include "tests/fakes/FakeSite.h"

using controls::XpCheckBox;
using platform::ControlEvent;
using platform::Point;
using platform::PropertyBag;
using platform::Surface;
using xptest::key;
using xptest::mouse;
using xptest::named;

namespace {

const platform::FontInfo kLessonFont { "宋体", 10.5, 400, 134 };
constexpr platform::OleColour kFollowReadBack = 0x00D6D5D7;

// A check box hosted as the lesson window hosts one: site, stored properties (or a new
// instance's), then its size, 73 × 17 pixels (1095 × 255 twips). Events are recorded, with
// the value each Click handler would read.
struct Rig {
    fakes::ManualClock clock;
    fakes::FakeSite site { clock };
    XpCheckBox box;
    std::vector<ControlEvent> events;
    std::vector<int> valuesAtClick;

    explicit Rig(const PropertyBag* bag = nullptr)
    {
        site.font = kLessonFont;
        box.setSite(&site);
        box.setEventSink([this](const ControlEvent& e) {
            events.push_back(e);
            if (e.name == "Click")
                valuesAtClick.push_back(box.Value());
        });
        if (bag)
            box.readProperties(*bag);
        else
            box.initProperties();
        site.host(box, 73, 17);
        site.changedProperties.clear();
    }

    Point boxCentre() const { return { box.layout().box.x + 6, box.layout().box.y + 6 }; }
    void moveTo(Point p)
    {
        site.setPointer(p, true);
        box.mouseMove(0, 0, p.x, p.y);
    }
    // A left click as the host delivers it: the pointer arrives, press, release, click.
    void leftClick(Point p)
    {
        moveTo(p);
        box.mouseDown(1, 0, p.x, p.y);
        box.mouseUp(1, 0, p.x, p.y);
        box.click();
    }
    void leavePointerAt(Point p) { site.setPointer(p, false); }
    Surface faceShown() const { return xptest::crop(box.surface(), box.layout().box); }
};

Surface cell(int look, int c)
{
    return xptest::crop(controls::makeCheckBoxStrip(look), { c * 13, 0, 13, 13 });
}

PropertyBag lessonBag(bool checked, bool enabled, const char* caption, bool followRead)
{
    PropertyBag bag;
    if (checked)
        bag.set("Value", 1);
    if (!enabled)
        bag.set("Enabled", false);
    bag.set("Caption", std::string(caption));
    if (followRead)
        bag.set("BackColor", static_cast<std::int32_t>(kFollowReadBack));
    bag.set("Font", kLessonFont);
    return bag;
}

} // namespace

TEST(XpCheckBox, NewInstanceTakesTheDefaultsInOrderAndStoresNothing)
{
    fakes::ManualClock clock;
    fakes::FakeSite site(clock);
    site.font = kLessonFont;
    XpCheckBox box;
    box.setSite(&site);
    box.initProperties();
    EXPECT_EQ(site.changedProperties,
        (std::vector<std::string> { "Enabled", "BackColor", "CheckBoxLook", "Value", "Caption", "Font", "ForeColor" }));
    EXPECT_EQ(box.Caption(), "CheckBox1");
    EXPECT_EQ(box.Font(), kLessonFont);
    EXPECT_EQ(box.BackColor(), platform::kSysButtonFace);
    EXPECT_EQ(box.ForeColor(), 0u);
    EXPECT_EQ(box.CheckBoxLook(), 0);
    EXPECT_EQ(box.Value(), 0);
    EXPECT_EQ(box.face(), 0);
    EXPECT_EQ(box.hotFace(), 1);
    EXPECT_FALSE(box.isHoverTimerRunning());
    PropertyBag bag;
    box.writeProperties(bag);
    EXPECT_TRUE(bag.empty());
}

TEST(XpCheckBox, StoredPropertiesAreWrittenInOrderAndReadBackThroughTheSetters)
{
    Rig a;
    a.box.setEnabled(false);
    ASSERT_TRUE(a.box.setCheckBoxLook(3).ok());
    a.box.setValue(2);
    a.box.setCaption("CheckBox"); // also the caption a designer starts from: it must survive
    a.box.setBackColor(kFollowReadBack);
    a.box.setFont({ "宋体", 12, 700, 134 });
    a.box.setForeColor(0x000000FF);
    PropertyBag bag;
    a.box.writeProperties(bag);
    std::vector<std::string> names;
    for (const auto& e : bag.entries())
        names.push_back(e.name);
    EXPECT_EQ(names, (std::vector<std::string> { "Enabled", "CheckBoxLook", "Value", "Caption", "BackColor", "Font", "ForeColor" }));

    Rig b(&bag);
    EXPECT_FALSE(b.box.Enabled());
    EXPECT_EQ(b.box.CheckBoxLook(), 3);
    EXPECT_EQ(b.box.Value(), 2);
    EXPECT_EQ(b.box.Caption(), "CheckBox");
    EXPECT_EQ(b.box.BackColor(), kFollowReadBack);
    EXPECT_EQ(b.box.Font(), (platform::FontInfo { "宋体", 12, 700, 134 }));
    EXPECT_EQ(b.box.ForeColor(), 0x000000FFu);
    EXPECT_EQ(b.box.face(), 11);
    EXPECT_EQ(xptest::firstDifference(b.faceShown(), cell(3, 11)), "");

    fakes::ManualClock clock;
    fakes::FakeSite site(clock);
    XpCheckBox c;
    c.setSite(&site);
    c.readProperties(bag);
    EXPECT_EQ(site.changedProperties,
        (std::vector<std::string> { "Enabled", "CheckBoxLook", "Value", "Caption", "BackColor", "Font", "ForeColor" }));
    EXPECT_FALSE(site.windowEnabled);
}

TEST(XpCheckBox, MissingCaptionReadsAsCheckBox1)
{
    PropertyBag empty;
    Rig rig(&empty);
    EXPECT_EQ(rig.box.Caption(), "CheckBox1");
}

// The six display switches of the lesson window, as its form stores them.
TEST(XpCheckBox, LessonWindowInstancesShowTheirFaces)
{
    struct Case {
        const char* name;
        PropertyBag bag;
        int face;
        platform::Argb background;
        platform::Argb caption;
    };
    const platform::Argb buttonFace = platform::toArgb(platform::kSysButtonFace);
    const platform::Argb followRead = platform::rgb(215, 213, 214);
    const platform::Argb black = platform::rgb(0, 0, 0);
    const platform::Argb grey = platform::toArgb(platform::kSysGrayText);
    const Case cases[] = {
        { "richeck", lessonBag(true, true, "显示日语", false), 4, buttonFace, black },
        { "hancheck", lessonBag(true, true, "显示中文", false), 4, buttonFace, black },
        { "fycheck", lessonBag(true, true, "显示发音", false), 4, buttonFace, black },
        { "riyucheck", lessonBag(true, true, "显示日语", true), 4, followRead, black },
        { "cncheck", lessonBag(true, true, "显示中文", true), 4, followRead, black },
        { "fycheck1", lessonBag(false, false, "显示发音", true), 3, followRead, grey },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Rig rig(&c.bag);
        const Surface& s = rig.box.surface();
        EXPECT_EQ(rig.box.face(), c.face);
        EXPECT_EQ(rig.box.layout().box, (platform::Rect { 0, 2, 13, 13 }));
        EXPECT_EQ(xptest::firstDifference(rig.faceShown(), cell(0, c.face)), "");
        const platform::Rect label = rig.box.layout().label;
        EXPECT_EQ(label.x, 16);
        EXPECT_GT(label.width, 4 * 12);
        EXPECT_GT(xptest::countColour(s, label, c.caption), 10);
        EXPECT_EQ(xptest::strayPixels(s, { rig.box.layout().box, label }, c.background), 0);
    }
}

TEST(XpCheckBox, ClickRaisesClickBeforeTheValueToggles)
{
    struct Case {
        int before;
        int after;
        int faceAfter;
    };
    for (const Case c : { Case { 0, 1, 4 }, Case { 1, 0, 0 }, Case { 2, 0, 0 }, Case { 5, 5, 0 } }) {
        SCOPED_TRACE(c.before);
        Rig rig;
        rig.box.setValue(c.before);
        rig.leftClick(rig.boxCentre());
        // (6, 6) inside the image box is (90, 90) twips.
        EXPECT_EQ(rig.events,
            (std::vector<ControlEvent> {
                mouse("MouseMove", 0, 0, 90, 90), mouse("MouseDown", 1, 0, 90, 90), mouse("MouseUp", 1, 0, 90, 90), named("Click") }));
        EXPECT_EQ(rig.valuesAtClick, std::vector<int> { c.before });
        EXPECT_EQ(rig.box.Value(), c.after);
        EXPECT_EQ(rig.box.face(), c.faceAfter);
    }
}

TEST(XpCheckBox, AfterAClickTheNextMoveBringsTheHotFaceBack)
{
    Rig rig;
    rig.leftClick(rig.boxCentre());
    EXPECT_EQ(xptest::firstDifference(rig.faceShown(), cell(0, 4)), "");
    rig.events.clear();
    rig.moveTo({ 20, 8 });
    EXPECT_EQ(rig.box.face(), 5);
    ASSERT_EQ(rig.events.size(), 1u);
    EXPECT_EQ(rig.events[0].name, "MouseMove");
}

TEST(XpCheckBox, OneSpaceStrokeRaisesClickTwiceAndTogglesOnce)
{
    Rig rig;
    rig.box.keyDown(32, 0);
    rig.box.keyPress(32);
    EXPECT_EQ(rig.box.face(), 2);
    EXPECT_TRUE(rig.box.isPressed());
    rig.box.keyUp(32, 0);
    EXPECT_EQ(rig.events,
        (std::vector<ControlEvent> {
            key("KeyDown", 32), xptest::keyPress(32), named("Click"), mouse("MouseDown", 1, 0, 0, 0), key("KeyUp", 32), named("Click") }));
    EXPECT_EQ(rig.valuesAtClick, (std::vector<int> { 0, 0 }));
    EXPECT_EQ(rig.box.Value(), 1);
    EXPECT_EQ(rig.box.face(), 4);
    EXPECT_FALSE(rig.box.isPressed());
}

TEST(XpCheckBox, KeysOtherThanSpaceOnlyRaiseKeyDown)
{
    Rig rig;
    rig.box.keyDown(65, 1);
    rig.box.keyPress(65);
    rig.box.keyUp(65, 1);
    rig.box.keyPress(13);
    EXPECT_EQ(rig.events, (std::vector<ControlEvent> { ControlEvent { .name = "KeyDown", .shift = 1, .keyCode = 65 } }));
    EXPECT_EQ(rig.box.Value(), 0);
    EXPECT_EQ(rig.box.face(), 0);
}

// The hover timer runs every 10 ms; the pointer counts as inside up to and including the
// right and bottom edges.
TEST(XpCheckBox, HoverTimerRestoresTheNormalFaceOnceThePointerIsOut)
{
    struct Case {
        Point pointer;
        bool out;
    };
    for (const Case c : { Case { { 40, 8 }, false }, Case { { 73, 17 }, false }, Case { { 0, 0 }, false }, Case { { 74, 8 }, true },
             Case { { -1, 8 }, true }, Case { { 40, 18 }, true }, Case { { 40, -1 }, true } }) {
        SCOPED_TRACE(std::to_string(c.pointer.x) + ", " + std::to_string(c.pointer.y));
        Rig rig;
        rig.moveTo({ 14, 8 }); // between the box and the label
        rig.moveTo({ 15, 8 });
        EXPECT_EQ(rig.box.face(), 1);
        EXPECT_TRUE(rig.box.isHoverTimerRunning());
        rig.leavePointerAt(c.pointer);
        rig.clock.advance(9);
        EXPECT_EQ(rig.box.face(), 1);
        rig.clock.advance(1);
        std::vector<ControlEvent> expected { mouse("MouseMove", 0, 0, 14 * 15, 8 * 15) };
        if (c.out)
            expected.push_back(named("MouseOut"));
        EXPECT_EQ(rig.events, expected);
        EXPECT_EQ(rig.box.face(), c.out ? 0 : 1);
        EXPECT_EQ(rig.box.isHoverTimerRunning(), !c.out);
    }
}

TEST(XpCheckBox, HeldPressKeepsThePressedFaceWhileThePointerIsOutside)
{
    Rig rig;
    rig.moveTo(rig.boxCentre());
    rig.box.mouseDown(1, 0, 6, 8);
    rig.box.mouseMove(1, 0, 120, 30); // dragged away: the box keeps the pointer
    rig.leavePointerAt({ 120, 30 });
    rig.clock.advance(200);
    EXPECT_EQ(rig.box.face(), 2);
    rig.box.mouseUp(1, 0, 120, 30); // released outside: no click follows
    EXPECT_EQ(rig.box.face(), 2);
    rig.clock.advance(10);
    EXPECT_EQ(rig.box.face(), 0);
    EXPECT_EQ(rig.events,
        (std::vector<ControlEvent> { mouse("MouseMove", 0, 0, 90, 90), mouse("MouseDown", 1, 0, 90, 90),
            mouse("MouseUp", 1, 0, 120 * 15, 28 * 15), named("MouseOut") }));
    EXPECT_EQ(rig.box.Value(), 0);
}

TEST(XpCheckBox, FocusKeepsTheHotFaceAndLosingItLetsTheTimerDecide)
{
    Rig rig;
    rig.leavePointerAt({ -50, -50 });
    rig.box.gotFocus();
    EXPECT_EQ(rig.box.face(), 1);
    EXPECT_FALSE(rig.box.isHoverTimerRunning());
    rig.clock.advance(100);
    EXPECT_EQ(rig.box.face(), 1);
    rig.box.lostFocus();
    EXPECT_EQ(rig.box.hotFace(), 1);
    EXPECT_TRUE(rig.box.isHoverTimerRunning());
    rig.clock.advance(10);
    EXPECT_EQ(rig.box.face(), 0);
    EXPECT_EQ(
        rig.events, (std::vector<ControlEvent> { mouse("MouseMove", 0, 0, 0, 0), mouse("MouseMove", 0, 0, 0, 0), named("MouseOut") }));
}

TEST(XpCheckBox, SettingValueRaisesNothingAndShowsTheNormalFaceEvenWhileHot)
{
    Rig rig;
    rig.moveTo(rig.boxCentre());
    rig.events.clear();
    for (const auto& [value, face] : { std::pair { 1, 4 }, { 2, 8 }, { 0, 0 }, { 9, 0 } }) {
        rig.box.setValue(value);
        EXPECT_EQ(rig.box.face(), face) << value;
    }
    EXPECT_TRUE(rig.events.empty());
    // With a value no face matches, hovering and pressing change nothing visible.
    rig.box.setValue(9);
    rig.moveTo({ 30, 8 });
    rig.box.mouseDown(1, 0, 30, 8);
    EXPECT_EQ(rig.box.face(), 0);
}

TEST(XpCheckBox, DisabledBoxShowsTheDisabledFaceAGreyCaptionAndIgnoresThePointer)
{
    for (int value = 0; value < 3; ++value) {
        SCOPED_TRACE(value);
        Rig rig;
        rig.box.setValue(value);
        rig.moveTo(rig.boxCentre());
        rig.events.clear();
        rig.box.setEnabled(false);
        EXPECT_FALSE(rig.site.windowEnabled);
        EXPECT_FALSE(rig.box.isHoverTimerRunning());
        EXPECT_EQ(rig.box.face(), 4 * value + 3);
        EXPECT_EQ(rig.box.captionColour(), platform::kSysGrayText);
        rig.box.setForeColor(0x000000FF);
        EXPECT_EQ(rig.box.captionColour(), platform::kSysGrayText);
        rig.box.mouseMove(0, 0, 14, 8);
        rig.box.mouseDown(1, 0, 14, 8);
        EXPECT_EQ(rig.box.face(), 4 * value + 3);
        EXPECT_FALSE(rig.box.isPressed());
        rig.box.mouseUp(1, 0, 14, 8);
        rig.box.setEnabled(true);
        EXPECT_EQ(rig.box.face(), 4 * value);
        EXPECT_EQ(rig.box.captionColour(), 0x000000FFu);
        EXPECT_GT(xptest::countColour(rig.box.surface(), rig.box.layout().label, platform::rgb(255, 0, 0)), 10);
        EXPECT_EQ(rig.events, (std::vector<ControlEvent> { mouse("MouseUp", 1, 0, 14 * 15, 8 * 15) }));
    }
}

TEST(XpCheckBox, LookChangesTheStripAndTheFace)
{
    Rig rig;
    rig.box.setValue(1);
    ASSERT_TRUE(rig.box.setCheckBoxLook(12).ok());
    EXPECT_EQ(rig.site.changedProperties, (std::vector<std::string> { "Value", "CheckBoxLook" }));
    EXPECT_EQ(xptest::firstDifference(rig.box.lookStrip(), controls::makeCheckBoxStrip(12)), "");
    EXPECT_EQ(xptest::firstDifference(rig.faceShown(), cell(12, 4)), "");
    rig.box.setEnabled(false);
    EXPECT_EQ(xptest::firstDifference(rig.faceShown(), cell(12, 7)), "");
}

// There is no strip for a look outside 0-13: the setter refuses it and nothing changes, so
// the box never holds or saves a look it cannot draw.
TEST(XpCheckBox, RefusesALookOutside0To13)
{
    for (int look : { -1, 14, 100 }) {
        SCOPED_TRACE(look);
        Rig rig;
        ASSERT_TRUE(rig.box.setCheckBoxLook(7).ok());
        rig.site.changedProperties.clear();
        const Surface before = rig.box.surface();
        const platform::Status status = rig.box.setCheckBoxLook(look);
        EXPECT_FALSE(status.ok());
        EXPECT_EQ(rig.box.CheckBoxLook(), 7);
        EXPECT_TRUE(rig.site.changedProperties.empty());
        EXPECT_EQ(xptest::firstDifference(rig.box.surface(), before), "");
        EXPECT_EQ(xptest::firstDifference(rig.box.lookStrip(), controls::makeCheckBoxStrip(7)), "");
    }
    PropertyBag bag;
    bag.set("CheckBoxLook", 20);
    bag.set("Value", 1);
    bag.set("Caption", std::string("显示日语"));
    Rig loaded(&bag);
    EXPECT_EQ(loaded.box.CheckBoxLook(), 0);
    EXPECT_EQ(loaded.box.Value(), 1);
    EXPECT_EQ(loaded.box.Caption(), "显示日语");
    EXPECT_EQ(loaded.box.face(), 4);
}

TEST(XpCheckBox, EventPositionsAreTwipsWithinThePartUnderThePointer)
{
    Rig rig;
    const platform::Rect label = rig.box.layout().label;
    struct Case {
        const char* part;
        Point at;
        float x, y;
    };
    const Case cases[] = {
        { "image box", { 3, 4 }, 3 * 15, 2 * 15 },
        { "label", { label.x + 10, label.y + 5 }, 10 * 15, 5 * 15 },
        { "background", { 14, 1 }, 14 * 15, 1 * 15 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.part);
        rig.events.clear();
        rig.box.mouseDown(2, 4, c.at.x, c.at.y);
        rig.box.mouseUp(2, 4, c.at.x, c.at.y);
        EXPECT_EQ(rig.events, (std::vector<ControlEvent> { mouse("MouseDown", 2, 4, c.x, c.y), mouse("MouseUp", 2, 4, c.x, c.y) }));
    }
}

TEST(XpCheckBox, LayoutCentresBoxAndLabelInTwips)
{
    struct Case {
        int heightPx;
        int labelHeightPx;
        int boxTopTwips, boxY;
        int labelTopTwips, labelY;
    };
    const Case cases[] = {
        { 17, 14, 30, 2, 22, 1 }, // 255 twips, as in the lesson window
        { 18, 14, 37, 2, 30, 2 }, // odd difference: halved, truncated
        { 40, 13, 202, 13, 202, 13 }, { 10, 20, -22, -1, -75, -5 }, // smaller than the box: truncated towards zero
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.heightPx);
        const auto l = controls::XpChoiceLayout::compute(c.heightPx, { 50, c.labelHeightPx });
        EXPECT_EQ(l.boxTopTwips, c.boxTopTwips);
        EXPECT_EQ(l.box, (platform::Rect { 0, c.boxY, 13, 13 }));
        EXPECT_EQ(l.labelTopTwips, c.labelTopTwips);
        EXPECT_EQ(l.label, (platform::Rect { 16, c.labelY, 50, c.labelHeightPx }));
    }
    // The control lays itself out again when resized or when its caption or font change.
    Rig rig;
    rig.site.resize(100, 40);
    EXPECT_EQ(rig.box.layout().box.y, 13);
    const int narrow = rig.box.layout().label.width;
    rig.box.setCaption("显示日语显示日语");
    EXPECT_GT(rig.box.layout().label.width, narrow);
    rig.box.setFont({ "宋体", 20 });
    EXPECT_GT(rig.box.layout().label.height, platform::Surface::textSize("显示日语", kLessonFont).height);
}
