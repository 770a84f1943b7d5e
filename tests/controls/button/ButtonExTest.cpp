// ButtonEx properties, setters and persistence.

#include "controls/button/ButtonEx.h"

#include <gtest/gtest.h>

#include <functional>

#include "tests/controls/button/ButtonHarness.h"

using namespace buttontest;
using controls::ButtonEx;
using controls::ButtonState;

namespace {

class ButtonExTest : public testing::Test, protected ButtonHarness {};

} // namespace

TEST_F(ButtonExTest, NewInstanceHasTheDefaultsAndTheContainersFont)
{
    site.font = platform::FontInfo{"Tahoma", 8.0};
    placeNew();
    EXPECT_EQ(button.Appearance(), 1);
    EXPECT_EQ(button.BackColor(), 0x8000000Fu);
    EXPECT_EQ(button.Caption(), "ButtonEx1");
    EXPECT_EQ(button.Font(), site.font);
    EXPECT_EQ(button.TransparentColor(), 0x00FF0000u);
    EXPECT_EQ(button.Value(), 1);
    EXPECT_EQ(button.CurrentState(), ButtonState::Up);
    EXPECT_EQ(button.LastHoverEvent(), "");
    EXPECT_EQ(button.Picture().kind(), Picture::Kind::Empty);
    EXPECT_EQ(button.SkinUp().kind(), Picture::Kind::Empty);
    EXPECT_EQ(button.MouseIcon().kind(), Picture::Kind::Empty);
    EXPECT_EQ(button.imgPicture().widthTwips(), 1215);
    EXPECT_EQ(button.imgPicture().heightTwips(), 495);
}

TEST_F(ButtonExTest, InitializeGivesTheContainerTheNewSize)
{
    button.setSite(&site); // a site that has not sized the button yet
    button.initProperties();
    EXPECT_EQ(site.widthTwips, 1200);
    EXPECT_EQ(site.heightTwips, 360);
}

TEST_F(ButtonExTest, SettersReportTheirChangeAndRedrawOnlyWhereTheyShould)
{
    const struct {
        const char* property;
        std::function<void(ButtonEx&)> set;
        bool redraws;
    } cases[] = {
        {"Appearance", [](ButtonEx& b) { b.setAppearance(0); }, true},
        {"BackColor", [](ButtonEx& b) { b.setBackColor(0x00FFFFFF); }, true},
        {"Caption", [](ButtonEx& b) { b.setCaption("Go"); }, true},
        {"CaptionOffsetX", [](ButtonEx& b) { b.setCaptionOffsetX(2); }, true},
        {"Enabled", [](ButtonEx& b) { b.setEnabled(false); }, true},
        {"Font", [](ButtonEx& b) { b.setFont({"DejaVu Sans", 12.0}); }, true},
        {"HighlightPicture", [](ButtonEx& b) { b.setHighlightPicture(true); }, true},
        {"Style", [](ButtonEx& b) { b.setStyle(1); }, true},
        {"Value", [](ButtonEx& b) { b.setValue(2); }, true},
        {"PictureDisabled", [](ButtonEx& b) { b.setPictureDisabled(framedSquare(8, kBlack)); }, false},
        {"PictureDown", [](ButtonEx& b) { b.setPictureDown(framedSquare(8, kBlack)); }, false},
        {"PictureFocus", [](ButtonEx& b) { b.setPictureFocus(framedSquare(8, kBlack)); }, false},
        {"PictureOver", [](ButtonEx& b) { b.setPictureOver(framedSquare(8, kBlack)); }, false},
        {"MouseIcon", [](ButtonEx& b) { b.setMouseIcon(framedSquare(8, kBlack)); }, false},
        {"MousePointer", [](ButtonEx& b) { (void)b.setMousePointer(11); }, false},
        {"ToolTipText", [](ButtonEx& b) { b.setToolTipText("Plays the item"); }, false},
        {"WhatsThisHelpID", [](ButtonEx& b) { b.setWhatsThisHelpID(7); }, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.property);
        ButtonHarness h;
        h.placeNew();
        const Surface before = h.face();
        c.set(h.button);
        EXPECT_EQ(h.site.changedProperties, std::vector<std::string>{c.property});
        EXPECT_EQ(h.site.invalidations > 0, c.redraws);
        if (!c.redraws) {
            EXPECT_EQ(h.face(), before);
        }
    }
}

TEST_F(ButtonExTest, PointerAndToolTipGoToTheirPlaces)
{
    placeNew();
    const Picture icon = Picture::cursor(Surface(32, 32), {6, 0});
    button.setMouseIcon(icon);
    ASSERT_TRUE(button.setMousePointer(99).ok());
    EXPECT_EQ(site.pointerShape, 99);
    EXPECT_EQ(site.pointerIcon, icon);

    // A pointer number beyond 16 bits is kept but not applied, and the caller hears of it.
    EXPECT_FALSE(button.setMousePointer(70000).ok());
    EXPECT_EQ(button.MousePointer(), 70000);
    EXPECT_EQ(site.pointerShape, 99);

    // The tooltip belongs to the hidden picture holder.
    button.setToolTipText("Next item");
    EXPECT_EQ(button.imgPicture().toolTipText, "Next item");
    EXPECT_EQ(site.toolTip, "");
}

TEST_F(ButtonExTest, CaptionSetsTheAccessKeyFromTheFirstSingleAmpersand)
{
    const struct {
        const char* caption;
        const char* expectedKey;
    } cases[] = {
        {"&Play", "P"},
        {"Re&cord", "c"},
        {"Fish && &Chips", "C"},
        {"&&&Quit", "Q"},
        {"More&", ""},            // a final ampersand gives an empty key
        {"Plain", "x"},           // no marker: the key stays
        {"Salt && pepper", "x"}, // only doubled ampersands: the key stays
        {"&日语", "日"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.caption);
        ButtonHarness h;
        h.placeNew();
        h.button.setCaption("&x");
        h.button.setCaption(c.caption);
        EXPECT_EQ(h.site.accessKey, c.expectedKey);
    }
}

TEST_F(ButtonExTest, EnabledTrueReturnsToUpAndFalseKeepsTheState)
{
    placeNew();
    button.setValue(2);
    button.setEnabled(false);
    EXPECT_EQ(button.CurrentState(), ButtonState::Over);
    EXPECT_FALSE(site.windowEnabled);
    button.setEnabled(true);
    EXPECT_EQ(button.CurrentState(), ButtonState::Up);
    EXPECT_TRUE(site.windowEnabled);
}

TEST_F(ButtonExTest, HighlightPictureDrawsTheDisabledLookUntilAnotherStateIsDrawn)
{
    platform::PropertyBag bag;
    bag.set("Appearance", 2);
    bag.set("Caption", std::string());
    bag.set("SkinUp", skin(20, 10, kUpSkin));
    bag.set("SkinDisabled", skin(20, 10, kDisabledSkin));
    const struct {
        const char* name;
        int style;
        ButtonState state;
        Argb shown;
    } cases[] = {
        {"push button", 0, ButtonState::Disabled, kDisabledSkin},
        {"toggle button, not latched", 1, ButtonState::Up, kUpSkin},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ButtonHarness h;
        bag.set("Style", c.style);
        h.load(bag);
        h.button.setHighlightPicture(true);
        EXPECT_EQ(h.button.CurrentState(), c.state);
        EXPECT_EQ(h.centre(), c.shown);
        h.button.setCaptionOffsetX(1); // redraws in CurrentState
        EXPECT_EQ(h.centre(), c.shown);
        EXPECT_TRUE(h.button.Enabled());
    }
}

TEST_F(ButtonExTest, AnEmptyPictureWinsOverThePictureFallbackButAnAbsentOneDoesNot)
{
    const Argb green = rgb(0, 160, 0);
    const struct {
        const char* name;
        bool loaded;
        bool pictureShownWhenDown;
    } cases[] = {
        {"new instance: PictureDown is empty", false, false},
        {"loaded instance: PictureDown is absent", true, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ButtonHarness h;
        if (c.loaded) {
            platform::PropertyBag bag;
            bag.set("Caption", std::string());
            bag.set("Picture", framedSquare(10, green));
            h.load(bag, 60, 24);
        } else {
            h.placeNew(60, 24);
            h.button.setCaption("");
            h.button.setPicture(framedSquare(10, green));
        }
        EXPECT_EQ(h.face().pixel(6 + 5, 7 + 5), green); // Up: at (6, 7), the centre of the frame
        h.button.mouseDown(1, 0, 5, 5);
        EXPECT_EQ(h.face().pixel(7 + 5, 8 + 5) == green, c.pictureShownWhenDown);
    }
}

TEST_F(ButtonExTest, SavingAFreshInstanceStoresOnlyTheSize)
{
    placeNew(80, 24);
    platform::PropertyBag bag;
    button.writeProperties(bag);
    ASSERT_EQ(bag.entries().size(), 2u);
    EXPECT_EQ(bag.readInt("_extentx", 0), 2117); // 1200 twips
    EXPECT_EQ(bag.readInt("_extenty", 0), 635);  // 360 twips

    button.setCaption(""); // an empty caption differs from the default, so it is stored
    button.writeProperties(bag);
    EXPECT_EQ(bag.readString("Caption", "none"), "");
}

TEST_F(ButtonExTest, SaveAndReloadKeepsEveryStoredValue)
{
    placeNew(80, 24);
    const Picture up = skin(30, 12, kUpSkin), over = skin(30, 12, kOverSkin), icon = Picture::cursor(Surface(32, 32), {6, 0});
    button.setAppearance(2);
    button.setBackColor(0x00C0FFEE);
    button.setCaption("&Go");
    button.setCaptionOffsetY(-2);
    button.setForeColor(0x000000FF);
    button.setFont({"DejaVu Sans", 11.0, 700, 0});
    button.setHighlightPicture(true);
    button.setMouseIcon(icon);
    (void)button.setMousePointer(99);
    button.setPictureOffsetX(3);
    button.setRightToLeft(true);
    button.setSkinUp(up);
    button.setSkinOver(over);
    button.setStyle(1);
    button.setToolTipText("Go");
    button.setTransparentColor(0x00FF00FF);
    button.setWhatsThisHelpID(12);
    button.setEnabled(false);
    platform::PropertyBag saved;
    button.writeProperties(saved);

    ButtonHarness other;
    other.load(saved);
    platform::PropertyBag again;
    other.button.writeProperties(again);
    ASSERT_EQ(again.entries().size(), saved.entries().size());
    for (const auto& entry : saved.entries()) {
        SCOPED_TRACE(entry.name);
        ASSERT_NE(again.find(entry.name), nullptr);
        EXPECT_EQ(*again.find(entry.name), entry.value);
    }
    EXPECT_EQ(other.button.SkinOver(), over);
    EXPECT_EQ(other.button.Caption(), "&Go");
    EXPECT_EQ(other.button.MousePointer(), 99);
    EXPECT_FALSE(other.button.Enabled());
    // Pictures never stored come back absent.
    EXPECT_EQ(other.button.Picture().kind(), Picture::Kind::Absent);
    EXPECT_EQ(other.button.SkinDown().kind(), Picture::Kind::Absent);
}

TEST_F(ButtonExTest, LessonWindowInstancesLoadAndShowTheirSkins)
{
    const Picture disabled = skin(98, 31, kDisabledSkin);
    const struct {
        const char* name;
        std::function<void(platform::PropertyBag&)> store;
        Argb atRest;
        Argb pressed;
    } cases[] = {
        {"plain", [](platform::PropertyBag&) {}, kUpSkin, kUpSkin},
        {"with a disabled skin and picture",
            [&](platform::PropertyBag& b) {
                b.set("skindisabled", disabled);
                b.set("picturedisabled", disabled);
            },
            kUpSkin, kUpSkin},
        {"toggle", [](platform::PropertyBag& b) { b.set("style", 1); }, kUpSkin, kUpSkin},
        {"disabled",
            [&](platform::PropertyBag& b) {
                b.set("skindisabled", disabled);
                b.set("picturedisabled", disabled);
                b.set("enabled", false);
            },
            kDisabledSkin, kDisabledSkin},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        platform::PropertyBag bag = lessonButtonBag();
        c.store(bag);
        ButtonHarness h;
        h.load(bag, 80, 24);
        EXPECT_EQ(h.site.widthPx(), 98);
        EXPECT_EQ(h.site.heightPx(), 31);
        EXPECT_EQ(h.face().size(), (platform::Size{98, 31}));
        EXPECT_EQ(h.site.pointerShape, 99);
        EXPECT_EQ(h.site.pointerIcon.hotSpot(), (platform::Point{6, 0}));
        EXPECT_EQ(h.centre(), c.atRest);
        if (!h.button.Enabled())
            continue; // the platform delivers no input to a disabled button
        h.moveOver();
        h.moveOver();
        EXPECT_EQ(h.centre(), kOverSkin);
        h.button.mouseDown(1, 0, 5, 5);
        EXPECT_EQ(h.centre(), c.pressed); // no SkinDown is stored
        h.button.setEnabled(false);
        EXPECT_EQ(h.centre(), bag.contains("skindisabled") ? kDisabledSkin : kUpSkin);
    }
}
