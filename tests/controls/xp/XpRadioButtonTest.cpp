#include "controls/xp/XpRadioButton.h"

#include <gtest/gtest.h>

#include <memory>

#include "controls/xp/XpCheckBox.h"
#include "controls/xp/XpRadioFaces.h"
#include "platform/window/PropertyBag.h"
#include "tests/controls/xp/XpTestSupport.h"
#include "tests/fakes/FakeSite.h"

using controls::XpRadioButton;
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

// The face FACE as it shows on BACKGROUND.
Surface faceOn(int face, platform::Argb background)
{
    Surface s(13, 13, background);
    s.drawOver(controls::radioFaces()[static_cast<std::size_t>(face)], { 0, 0 });
    return s;
}

// A window of option buttons, each hosted by a site of its own that logs every change of
// Value as "<name>=<value>" in one log, in the order they happen. All sites list the same
// controls in the window's order.
class Window {
public:
    struct Site : fakes::FakeSite {
        Site(fakes::ManualClock& clock, std::string name, std::vector<std::string>& log)
            : FakeSite(clock)
            , m_name(std::move(name))
            , m_log(log)
        {
        }
        void propertyChanged(const std::string& property) override
        {
            FakeSite::propertyChanged(property);
            if (property == "Value" && button)
                m_log.push_back(m_name + "=" + (button->Value() ? "True" : "False"));
        }
        XpRadioButton* button = nullptr;

    private:
        std::string m_name;
        std::vector<std::string>& m_log;
    };

    // Adds a button named NAME in CONTAINER, loaded from BAG.
    XpRadioButton& add(const std::string& name, const void* container, const PropertyBag& bag)
    {
        auto site = std::make_unique<Site>(clock, name, log);
        auto button = std::make_unique<XpRadioButton>();
        site->container = container;
        site->font = kLessonFont;
        button->setSite(site.get());
        button->setEventSink([this, name](const ControlEvent& e) { events.push_back(name + " " + e.name); });
        button->readProperties(bag);
        site->host(*button, 73, 17);
        site->button = button.get();
        m_controls.push_back(button.get());
        for (auto& s : m_sites)
            s->controls = m_controls;
        site->controls = m_controls;
        m_sites.push_back(std::move(site));
        m_buttons.push_back(std::move(button));
        return *m_buttons.back();
    }
    // Any other control of the window, which selecting passes over.
    void addOther(platform::HostedControl& control)
    {
        m_controls.push_back(&control);
        for (auto& s : m_sites)
            s->controls = m_controls;
    }
    XpRadioButton& operator[](std::size_t i) { return *m_buttons.at(i); }
    Site& siteOf(std::size_t i) { return *m_sites.at(i); }

    // A left click on button I's image box as the host delivers it: the pointer arrives,
    // the button gets the focus, press, release, click.
    void click(std::size_t i)
    {
        XpRadioButton& b = (*this)[i];
        const Point p { 6, b.layout().box.y + 6 };
        siteOf(i).setPointer(p, true);
        b.mouseMove(0, 0, p.x, p.y);
        b.gotFocus();
        b.mouseDown(1, 0, p.x, p.y);
        b.mouseUp(1, 0, p.x, p.y);
        b.click();
    }
    std::vector<bool> values()
    {
        std::vector<bool> v;
        for (auto& b : m_buttons)
            v.push_back(b->Value());
        return v;
    }

    fakes::ManualClock clock;
    std::vector<std::string> log;
    std::vector<std::string> events;

private:
    std::vector<std::unique_ptr<Site>> m_sites;
    std::vector<std::unique_ptr<XpRadioButton>> m_buttons;
    std::vector<platform::HostedControl*> m_controls;
};

PropertyBag bagWith(bool value, bool group = false)
{
    PropertyBag bag;
    if (value)
        bag.set("Value", true);
    if (group)
        bag.set("Group", true);
    return bag;
}

// One button on its own site, recording its events.
struct Rig {
    fakes::ManualClock clock;
    fakes::FakeSite site { clock };
    XpRadioButton button;
    std::vector<ControlEvent> events;

    explicit Rig(const PropertyBag* bag = nullptr)
    {
        site.font = kLessonFont;
        button.setSite(&site);
        button.setEventSink([this](const ControlEvent& e) { events.push_back(e); });
        if (bag)
            button.readProperties(*bag);
        else
            button.initProperties();
        site.host(button, 73, 17);
        site.controls = { &button };
        site.changedProperties.clear();
    }
    Point boxCentre() const { return { 6, button.layout().box.y + 6 }; }
    void moveTo(Point p)
    {
        site.setPointer(p, true);
        button.mouseMove(0, 0, p.x, p.y);
    }
};

const int kMainView = 0, kFrame = 0;
const void* const kWindowContainer = &kMainView;
const void* const kFrameContainer = &kFrame;

} // namespace

TEST(XpRadioButton, NewInstanceTakesTheDefaultsInOrderAndStoresNothing)
{
    fakes::ManualClock clock;
    fakes::FakeSite site(clock);
    site.font = kLessonFont;
    XpRadioButton button;
    EXPECT_EQ(button.face(), 3); // not enabled yet: the disabled face
    button.setSite(&site);
    button.initProperties();
    EXPECT_EQ(site.changedProperties, (std::vector<std::string> { "Caption", "Enabled", "Value", "Font", "BackColor", "ForeColor" }));
    EXPECT_EQ(button.Caption(), "Option1");
    EXPECT_TRUE(button.EnabledCache());
    EXPECT_FALSE(button.Value());
    EXPECT_FALSE(button.Group());
    EXPECT_EQ(button.face(), 0);
    EXPECT_EQ(button.hotFace(), 1);
    PropertyBag bag;
    button.writeProperties(bag);
    EXPECT_TRUE(bag.empty());
}

TEST(XpRadioButton, StoredPropertiesRoundTripInOrderAndGroupIsOnlyStored)
{
    PropertyBag stored;
    stored.set("Group", true);
    Rig a(&stored);
    EXPECT_TRUE(a.button.Group());
    a.button.setEnabled(false);
    a.button.setValue(true);
    a.button.setFont({ "宋体", 12, 700, 134 });
    a.button.setCaption("Option");
    a.button.setBackColor(kFollowReadBack);
    a.button.setForeColor(0x0000FF00);
    PropertyBag bag;
    a.button.writeProperties(bag);
    std::vector<std::string> names;
    for (const auto& e : bag.entries())
        names.push_back(e.name);
    EXPECT_EQ(names, (std::vector<std::string> { "Enabled", "Value", "Group", "Font", "Caption", "BackColor", "ForeColor" }));

    fakes::ManualClock clock;
    fakes::FakeSite site(clock);
    XpRadioButton b;
    b.setSite(&site);
    b.readProperties(bag);
    EXPECT_EQ(site.changedProperties, (std::vector<std::string> { "Enabled", "Value", "Font", "Caption", "BackColor", "ForeColor" }));
    EXPECT_FALSE(b.Enabled());
    EXPECT_FALSE(b.EnabledCache());
    EXPECT_TRUE(b.Value());
    EXPECT_TRUE(b.Group());
    EXPECT_EQ(b.Font(), (platform::FontInfo { "宋体", 12, 700, 134 }));
    EXPECT_EQ(b.Caption(), "Option");
    EXPECT_EQ(b.BackColor(), kFollowReadBack);
    EXPECT_EQ(b.ForeColor(), 0x0000FF00u);
    EXPECT_EQ(b.face(), 7);

    PropertyBag empty;
    Rig c(&empty);
    EXPECT_EQ(c.button.Caption(), "Option1");
}

// The category buttons ddanxuan 0-5 as the lesson window's form stores them.
TEST(XpRadioButton, LessonWindowInstancesShowTheirFacesOnTheirBackground)
{
    struct Case {
        const char* name;
        bool value;
        const char* caption;
        bool followRead;
    };
    const Case cases[] = {
        { "ddanxuan 0", true, "基本课文", false },
        { "ddanxuan 1", false, "应用课文", false },
        { "ddanxuan 2", false, "词组单词", false },
        { "ddanxuan 3", true, "基本课文", true },
        { "ddanxuan 4", false, "应用课文", true },
        { "ddanxuan 5", false, "词组单词", true },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PropertyBag bag = bagWith(c.value);
        bag.set("Caption", std::string(c.caption));
        bag.set("Font", kLessonFont);
        if (c.followRead)
            bag.set("BackColor", static_cast<std::int32_t>(kFollowReadBack));
        Rig rig(&bag);
        const platform::Argb background = c.followRead ? platform::rgb(215, 213, 214) : platform::toArgb(platform::kSysButtonFace);
        const Surface& s = rig.button.surface();
        const platform::Rect box = rig.button.layout().box;
        EXPECT_EQ(rig.button.face(), c.value ? 4 : 0);
        EXPECT_EQ(xptest::firstDifference(xptest::crop(s, box), faceOn(c.value ? 4 : 0, background)), "");
        for (const Point corner : { Point { 0, 0 }, Point { 12, 0 }, Point { 0, 12 }, Point { 12, 12 }, Point { 3, 0 }, Point { 1, 1 } })
            EXPECT_EQ(s.pixel(box.x + corner.x, box.y + corner.y), background) << corner.x << ", " << corner.y;
        EXPECT_EQ(s.pixel(box.x + 6, box.y), xptest::hex(0x235682));
        EXPECT_GT(xptest::countColour(s, rig.button.layout().label, platform::rgb(0, 0, 0)), 10);
        EXPECT_EQ(xptest::strayPixels(s, { box, rig.button.layout().label }, background), 0);
    }
}

// Three buttons on the window and three in a frame, interleaved in the window's order, plus
// one of the other group on the window and a check box: a click clears the buttons of its
// own container and group in window order, itself included, then chooses itself.
TEST(XpRadioButton, SelectingClearsOnlyItsContainerAndGroup)
{
    Window w;
    w.add("A0", kWindowContainer, bagWith(true));
    w.add("B0", kFrameContainer, bagWith(true));
    w.add("A1", kWindowContainer, bagWith(false));
    controls::XpCheckBox other;
    w.addOther(other);
    w.add("B1", kFrameContainer, bagWith(false));
    w.add("A2", kWindowContainer, bagWith(false));
    w.add("B2", kFrameContainer, bagWith(false));
    w.add("G", kWindowContainer, bagWith(true, /*group=*/true));
    w.log.clear();

    w.click(2); // A1
    EXPECT_EQ(w.log, (std::vector<std::string> { "A0=False", "A1=False", "A2=False", "A1=True" }));
    EXPECT_EQ(w.values(), (std::vector<bool> { false, true, true, false, false, false, true }));
    EXPECT_EQ(w.events, (std::vector<std::string> { "A1 MouseMove", "A1 MouseDown", "A1 MouseUp" }));
    EXPECT_EQ(w[2].face(), 4);
    EXPECT_EQ(w[0].face(), 0);

    w.log.clear();
    w.click(5); // B2, in the frame
    EXPECT_EQ(w.log, (std::vector<std::string> { "B0=False", "B1=False", "B2=False", "B2=True" }));
    EXPECT_EQ(w.values(), (std::vector<bool> { false, false, true, false, false, true, true }));
}

TEST(XpRadioButton, ClickingTheChosenButtonOnlyShowsItsNormalFaceAgain)
{
    Window w;
    w.add("A0", kWindowContainer, bagWith(true));
    w.add("A1", kWindowContainer, bagWith(false));
    w[1].setValue(true); // the host may leave two chosen
    w.log.clear();
    w.click(0);
    EXPECT_TRUE(w.log.empty());
    EXPECT_EQ(w.values(), (std::vector<bool> { true, true }));
    EXPECT_EQ(w[0].face(), 4);
    EXPECT_EQ(w.events, (std::vector<std::string> { "A0 MouseMove", "A0 MouseDown", "A0 MouseUp" }));
}

TEST(XpRadioButton, SettingValueNeitherClearsOthersNorRaisesEvents)
{
    Window w;
    w.add("A0", kWindowContainer, bagWith(true));
    w.add("A1", kWindowContainer, bagWith(false));
    w.log.clear();
    w[1].setValue(true);
    EXPECT_EQ(w.log, (std::vector<std::string> { "A1=True" }));
    EXPECT_EQ(w.values(), (std::vector<bool> { true, true }));
    EXPECT_TRUE(w.events.empty());
}

// The lesson window's focus handler clears all six buttons and chooses the twin on the other
// screen before the press arrives; the click then chooses the clicked button itself.
TEST(XpRadioButton, ClickAfterTheWindowsFocusHandlerLeavesClickedAndTwinChosen)
{
    Window w;
    for (int i = 0; i < 3; ++i)
        w.add("main" + std::to_string(i), kWindowContainer, bagWith(i == 0));
    for (int i = 0; i < 3; ++i)
        w.add("follow" + std::to_string(i), kFrameContainer, bagWith(i == 0));
    XpRadioButton& clicked = w[2];
    const Point p { 6, clicked.layout().box.y + 6 };
    clicked.mouseMove(0, 0, p.x, p.y);
    clicked.gotFocus();
    for (std::size_t i = 0; i < 6; ++i) // what the window does on the focus notification
        w[i].setValue(false);
    w[5].setValue(true);
    clicked.mouseDown(1, 0, p.x, p.y);
    clicked.mouseUp(1, 0, p.x, p.y);
    clicked.click();
    EXPECT_EQ(w.values(), (std::vector<bool> { false, false, true, false, false, true }));
}

TEST(XpRadioButton, OneSpaceStrokeRaisesClickOnceAndSelects)
{
    Window w;
    w.add("A0", kWindowContainer, bagWith(true));
    w.add("A1", kWindowContainer, bagWith(false));
    w.log.clear();
    w[1].keyDown(32, 0);
    w[1].keyPress(32);
    EXPECT_EQ(w[1].face(), 2);
    EXPECT_TRUE(w.log.empty());
    w[1].keyUp(32, 0);
    EXPECT_EQ(w.events, (std::vector<std::string> { "A1 KeyDown", "A1 KeyPress", "A1 Click", "A1 MouseDown", "A1 KeyUp" }));
    EXPECT_EQ(w.log, (std::vector<std::string> { "A0=False", "A1=False", "A1=True" }));
    EXPECT_EQ(w[1].face(), 4);
    EXPECT_FALSE(w[1].isPressed());
}

// A move over the image box reports the box's place; a press there the pointer's. The hover
// timer runs every 50 ms.
TEST(XpRadioButton, HoverShowsTheHotFaceUntilTheTimerSeesThePointerOut)
{
    Rig rig;
    rig.moveTo(rig.boxCentre());
    rig.moveTo({ 30, 8 });
    EXPECT_EQ(rig.button.face(), 1);
    rig.site.setPointer({ 80, 8 }, false);
    rig.clock.advance(49);
    EXPECT_EQ(rig.button.face(), 1);
    rig.clock.advance(1);
    EXPECT_EQ(rig.button.face(), 0);
    EXPECT_FALSE(rig.button.isHoverTimerRunning());
    rig.moveTo({ 14, 3 });
    EXPECT_EQ(rig.events,
        (std::vector<ControlEvent> { mouse("MouseMove", 0, 0, 0, 30), named("MouseOut"), mouse("MouseMove", 0, 0, 14 * 15, 3 * 15) }));
}

TEST(XpRadioButton, HeldPressKeepsThePressedFaceOutside)
{
    for (const bool value : { false, true }) {
        SCOPED_TRACE(value);
        Rig rig;
        rig.button.setValue(value);
        rig.moveTo(rig.boxCentre());
        rig.button.mouseDown(1, 0, 6, 8);
        rig.site.setPointer({ 200, 50 }, false);
        rig.clock.advance(500);
        EXPECT_EQ(rig.button.face(), value ? 6 : 2);
        rig.button.mouseUp(1, 0, 200, 50);
        rig.clock.advance(50);
        EXPECT_EQ(rig.button.face(), value ? 4 : 0);
        EXPECT_EQ(rig.events,
            (std::vector<ControlEvent> { mouse("MouseMove", 0, 0, 0, 30), mouse("MouseDown", 1, 0, 90, 90),
                mouse("MouseUp", 1, 0, 200 * 15, 48 * 15), named("MouseOut") }));
    }
}

TEST(XpRadioButton, FocusKeepsTheHotFaceAndLosingItLetsTheTimerDecide)
{
    Rig rig;
    rig.button.setValue(true);
    rig.site.setPointer({ -9, -9 }, false);
    rig.button.gotFocus();
    EXPECT_EQ(rig.button.face(), 5);
    rig.clock.advance(200);
    EXPECT_EQ(rig.button.face(), 5);
    rig.button.lostFocus();
    EXPECT_TRUE(rig.button.isHoverTimerRunning());
    rig.clock.advance(50);
    EXPECT_EQ(rig.button.face(), 4);
    EXPECT_EQ(
        rig.events, (std::vector<ControlEvent> { mouse("MouseMove", 0, 0, 0, 0), mouse("MouseMove", 0, 0, 0, 0), named("MouseOut") }));
}

TEST(XpRadioButton, DisabledButtonShowsThePaleFaceAndAGreyCaption)
{
    for (const bool value : { false, true }) {
        SCOPED_TRACE(value);
        Rig rig;
        rig.button.setValue(value);
        rig.moveTo(rig.boxCentre());
        rig.events.clear();
        rig.button.setEnabled(false);
        EXPECT_FALSE(rig.button.EnabledCache());
        EXPECT_FALSE(rig.site.windowEnabled);
        EXPECT_FALSE(rig.button.isHoverTimerRunning());
        EXPECT_EQ(rig.button.face(), value ? 7 : 3);
        const Surface& s = rig.button.surface();
        EXPECT_EQ(xptest::firstDifference(
                      xptest::crop(s, rig.button.layout().box), faceOn(value ? 7 : 3, platform::toArgb(platform::kSysButtonFace))),
            "");
        EXPECT_GT(xptest::countColour(s, rig.button.layout().label, platform::toArgb(platform::kSysGrayText)), 10);
        rig.button.setForeColor(0x00FF0000);
        EXPECT_EQ(rig.button.captionColour(), platform::kSysGrayText);
        rig.button.mouseMove(0, 0, 30, 8);
        rig.button.mouseDown(1, 0, 30, 8);
        EXPECT_EQ(rig.button.face(), value ? 7 : 3);
        EXPECT_TRUE(rig.events.empty());
        rig.button.mouseUp(1, 0, 30, 8);
        rig.button.setEnabled(true);
        EXPECT_EQ(rig.button.face(), value ? 4 : 0);
        EXPECT_EQ(rig.button.captionColour(), 0x00FF0000u);
        EXPECT_GT(xptest::countColour(rig.button.surface(), rig.button.layout().label, platform::rgb(0, 0, 255)), 10);
    }
}

TEST(XpRadioButton, BackColorShowsThroughTheFacesCorners)
{
    Rig rig;
    rig.button.setBackColor(0x000000FF);
    const platform::Rect box = rig.button.layout().box;
    EXPECT_EQ(rig.button.surface().pixel(box.x, box.y), platform::rgb(255, 0, 0));
    EXPECT_EQ(rig.button.surface().pixel(box.x + 12, box.y + 12), platform::rgb(255, 0, 0));
    EXPECT_EQ(rig.site.changedProperties, std::vector<std::string> { "BackColor" });
}
