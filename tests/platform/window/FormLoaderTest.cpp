#include "platform/window/FormLoader.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "platform/window/CustomControl.h"
#include "platform/window/ListView.h"
#include "platform/window/TimerControl.h"
#include "tests/fakes/ManualClock.h"
#include "tests/support/TestPaths.h"

namespace {

// A self-drawn control that only keeps what it was loaded with.
class Probe : public platform::HostedControl {
public:
    std::string className() const override { return "Probe"; }
    const platform::Surface& surface() const override { return m_surface; }
    void readProperties(const platform::PropertyBag& bag) override { stored = bag; }
    void resized(int w, int h) override { size = {w, h}; }
    platform::PropertyBag stored;
    platform::Size size;

private:
    platform::Surface m_surface;
};

struct Loaded {
    fakes::ManualClock clock;
    std::unique_ptr<platform::Form> form;
    std::string error;
    Loaded(const std::string& json, bool anyKind = true)
    {
        auto factory = [anyKind](const std::string&) -> std::unique_ptr<platform::HostedControl> {
            return anyKind ? std::make_unique<Probe>() : nullptr;
        };
        auto result = platform::loadForm(json, platform::FormServices{&clock, nullptr, nullptr}, factory,
                                         [](const std::string& name) { return name == "none" ? platform::Picture::absent()
                                                                                             : platform::Picture::fromSurface(platform::Surface(4, 2)); });
        if (result)
            form = std::move(result).value();
        else
            error = result.error().message;
    }
};

std::string lessonWindowDescription()
{
    std::ifstream in(testpaths::sourceDir() + "/resources/forms/main.json");
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

} // namespace

TEST(FormLoader, LessonWindowHasEveryControlInItsOrder)
{
    Loaded l(lessonWindowDescription());
    ASSERT_TRUE(l.form) << l.error;
    const platform::Form& f = *l.form;
    EXPECT_EQ(f.caption(), "Tovanel");
    EXPECT_EQ(f.width(), 12000);
    EXPECT_EQ(f.height(), 9000);
    // The window's order starts with the background and ends with the image list; the
    // members of an array stay together by index.
    EXPECT_EQ(f.controls().front()->name(), "mainmag");
    EXPECT_EQ(f.controls().back()->name(), "ImageList1");
    std::vector<int> jiben;
    std::vector<std::string> names;
    for (const auto& c : f.controls()) {
        if (c->name() == "jibenbtn")
            jiben.push_back(c->index());
        if (names.empty() || names.back() != c->name())
            names.push_back(c->name());
    }
    EXPECT_EQ(jiben, (std::vector<int>{0, 1, 2, 3, 4, 7, 8, 10}));
    EXPECT_EQ(names.size(), 74u);
    int buttons = 0;
    for (const auto& c : f.controls())
        if (auto* custom = dynamic_cast<platform::CustomControl*>(c.get()); custom && c->name() != "ddanxuan" && c->name().find("check") == std::string::npos &&
                                                                          c->name().find("bar") == std::string::npos)
            ++buttons;
    EXPECT_EQ(buttons, 31);
}

TEST(FormLoader, PlacesContainersAndStoredPropertiesAsDescribed)
{
    Loaded l(lessonWindowDescription());
    ASSERT_TRUE(l.form) << l.error;
    const platform::Form& f = *l.form;
    const platform::Control* next = f.find("jibenbtn", 2);
    ASSERT_TRUE(next);
    EXPECT_EQ(next->container(), f.find("controlframe", 0));
    EXPECT_EQ((std::vector<int>{next->left(), next->top(), next->width(), next->height()}), (std::vector<int>{4320, 120, 900, 330}));
    EXPECT_EQ(next->toolTip(), "跟读模式不可用，听读模式可用");
    EXPECT_FALSE(f.find("genduframe")->visible());
    EXPECT_FALSE(f.find("jibenbtn", 3)->isShown());
    EXPECT_TRUE(f.find("jibenbtn", 0)->visible());
    EXPECT_EQ(f.find("zhengwentext", 0)->text(), "日文\r\n");
    EXPECT_EQ(f.find("sslabel")->text(), "用于存储初始数据选择");

    auto* playrec = f.findAs<platform::CustomControl>("playrec");
    ASSERT_TRUE(playrec);
    const auto& bag = static_cast<Probe&>(playrec->hosted()).stored;
    EXPECT_EQ(bag.readInt("appearance", 1), 2); // names match without case
    EXPECT_EQ(bag.readString("Caption", "ButtonEx1"), "");
    EXPECT_FALSE(bag.readBool("Enabled", true));
    EXPECT_EQ(bag.readInt("Style", 0), 1);
    EXPECT_EQ(bag.readInt("MousePointer", 0), 99);
    EXPECT_TRUE(bag.readPicture("SkinDisabled").hasImage());
    EXPECT_FALSE(bag.readPicture("SkinDown").isSet());
    EXPECT_EQ(bag.readInt("_extentx", 0), 1323); // 50 pixels in HIMETRIC
    EXPECT_EQ(bag.readFont("Font", {}).size, 9.0);
    EXPECT_EQ(static_cast<Probe&>(playrec->hosted()).size, (platform::Size{50, 23}));

    auto* radio = f.findAs<platform::CustomControl>("ddanxuan", 3);
    const auto& radioBag = static_cast<Probe&>(radio->hosted()).stored;
    EXPECT_EQ(radioBag.readString("Caption", ""), "基本课文");
    EXPECT_TRUE(radioBag.readBool("Value", false));
    EXPECT_EQ(radioBag.readInt("BackColor", 0), 0x00D6D5D7);
    EXPECT_TRUE(dynamic_cast<platform::ListView*>(f.find("ListView1")));
    EXPECT_TRUE(dynamic_cast<platform::TimerControl*>(f.find("recordcount")));
}

TEST(FormLoader, RefusesBrokenDescriptionsWithAClearMessage)
{
    struct Case {
        const char* name;
        std::string json;
        bool anyKind;
        const char* expected;
    } cases[] = {
        {"not json", "{", true, "form description"},
        {"unknown kind", R"({"controls":[{"name":"a","kind":"Gizmo"}]})", false, "a is of unknown kind \"Gizmo\""},
        {"duplicate", R"({"controls":[{"name":"a","kind":"Label"},{"name":"a","kind":"Label"}]})", true, "a is listed twice"},
        {"container later", R"({"controls":[{"name":"a","kind":"Label","in":"f"},{"name":"f","kind":"Frame"}]})", true, "container f"},
        {"bad place", R"({"controls":[{"name":"a","kind":"Label","place":[1,2]}]})", true, "place needs"},
        {"bad property", R"({"controls":[{"name":"b","kind":"Probe","props":{"X":[1]}}]})", true, "property X"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Loaded l(c.json, c.anyKind);
        EXPECT_FALSE(l.form);
        EXPECT_NE(l.error.find(c.expected), std::string::npos) << l.error;
    }
}

TEST(FormLoader, FocusMovesRaiseLostThenGotFocus)
{
    Loaded l(R"({"controls":[{"name":"a","kind":"TextBox"},{"name":"b","kind":"Probe"}]})");
    ASSERT_TRUE(l.form) << l.error;
    std::vector<std::string> events;
    for (const char* n : {"a", "b"})
        for (const char* e : {"GotFocus", "LostFocus"})
            l.form->find(n)->on(e, [&events, n](const platform::ControlEvent& ev) { events.push_back(std::string(n) + " " + ev.name); });
    l.form->find("a")->setFocus();
    l.form->find("b")->setFocus();
    l.form->find("b")->setFocus();
    l.form->find("b")->setVisible(false);
    EXPECT_EQ(events, (std::vector<std::string>{"a GotFocus", "a LostFocus", "b GotFocus", "b LostFocus"}));
    EXPECT_EQ(l.form->focus(), nullptr);
}
