// ButtonEx faces, checked on the pixels of its surface.

#include "controls/button/ButtonEx.h"

#include <gtest/gtest.h>

#include "tests/controls/button/ButtonHarness.h"

using namespace buttontest;
using controls::ButtonState;

namespace {

const platform::FontInfo kBold{"DejaVu Sans", 14.0, 700, 0};

// A stored skinned button with the given skins (absent ones are simply not stored).
platform::PropertyBag skinnedBag(int w, int h, bool over, bool down, bool disabled, bool focus)
{
    platform::PropertyBag bag;
    bag.set("Appearance", 2);
    bag.set("Caption", std::string());
    bag.set("SkinUp", skin(w, h, kUpSkin));
    if (over)
        bag.set("SkinOver", skin(w, h, kOverSkin));
    if (down)
        bag.set("SkinDown", skin(w, h, kDownSkin));
    if (disabled)
        bag.set("SkinDisabled", skin(w, h, kDisabledSkin));
    if (focus)
        bag.set("SkinFocus", skin(w, h, kFocusSkin));
    return bag;
}

class ButtonExDrawingTest : public testing::Test, protected ButtonHarness {};

} // namespace

TEST(ButtonExDrawing, StandardFaceFollowsAppearanceStateAndEmphasis)
{
    struct Case {
        const char* name;
        int appearance;
        ButtonState state;
        bool focused;
        bool runMode;
        std::vector<Probe> probes;
    };
    const Case cases[] = {
        {"3-D Up: raised edge", 1, ButtonState::Up, false, true,
            {{0, 0, kLight}, {1, 1, kHighlight}, {39, 19, kDarkShadow}, {38, 18, kShadow}, {39, 0, kDarkShadow}, {20, 10, kFace}}},
        {"3-D Down: sunken edge", 1, ButtonState::Down, false, true,
            {{0, 0, kShadow}, {1, 1, kDarkShadow}, {39, 19, kHighlight}, {38, 18, kLight}, {20, 10, kFace}}},
        {"flat Up: no border", 0, ButtonState::Up, false, true, {{0, 0, kFace}, {39, 19, kFace}, {1, 1, kFace}}},
        {"flat Over: raised", 0, ButtonState::Over, false, true, {{0, 0, kLight}, {39, 19, kDarkShadow}}},
        {"flat Down: sunken", 0, ButtonState::Down, false, true, {{0, 0, kShadow}, {39, 19, kHighlight}}},
        {"flat Up with focus: still nothing", 0, ButtonState::Up, true, true, {{0, 0, kFace}, {4, 4, kFace}}},
        {"3-D Up with focus: black frame, raised edge inside it, dotted rectangle", 1, ButtonState::Up, true, true,
            {{0, 0, kBlack}, {39, 19, kBlack}, {39, 0, kBlack}, {1, 1, kLight}, {2, 2, kHighlight}, {38, 18, kDarkShadow},
                {4, 4, kBlack}, {5, 4, kFace}, {6, 4, kBlack}, {35, 15, kBlack}, {35, 14, kFace}, {20, 10, kFace}}},
        {"3-D Down with focus: frame, flat shadow line, dotted rectangle", 1, ButtonState::Down, true, true,
            {{0, 0, kBlack}, {1, 1, kShadow}, {38, 18, kShadow}, {2, 2, kFace}, {4, 4, kBlack}, {5, 4, kFace}}},
        {"3-D Over with focus in a designer: no emphasis", 1, ButtonState::Over, true, false, {{0, 0, kLight}, {4, 4, kFace}}},
        {"an unnamed state with focus: only the dotted rectangle", 1, static_cast<ButtonState>(7), true, true,
            {{0, 0, kFace}, {4, 4, kBlack}, {20, 10, kFace}}},
        {"3-D Disabled: a plain face", 1, ButtonState::Disabled, false, true, {{0, 0, kFace}, {39, 19, kFace}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ButtonHarness h;
        h.site.runMode = c.runMode;
        h.placeNew(40, 20);
        h.button.setCaption("");
        h.button.setAppearance(c.appearance);
        if (c.focused)
            h.button.gotFocus();
        h.button.Redraw(c.state);
        expectPixels(h.face(), c.probes);
        EXPECT_EQ(h.button.CurrentState(), c.state);
        EXPECT_FALSE(h.site.shapeMask.has_value());
    }
}

TEST(ButtonExDrawing, SkinFaceShowsTheStatesSkinOrFallsBackToSkinUp)
{
    struct Case {
        const char* name;
        bool over, down, disabled, focus; // skins stored
        bool enabled;
        bool focused;
        ButtonState asked;
        Argb shown;
        ButtonState currentAfter;
    };
    const Case cases[] = {
        {"Up", true, true, true, true, true, false, ButtonState::Up, kUpSkin, ButtonState::Up},
        {"Over", true, true, true, true, true, false, ButtonState::Over, kOverSkin, ButtonState::Over},
        {"Over without SkinOver", false, true, true, true, true, false, ButtonState::Over, kUpSkin, ButtonState::Over},
        {"Down", true, true, true, true, true, false, ButtonState::Down, kDownSkin, ButtonState::Down},
        {"Down without SkinDown", true, false, true, true, true, false, ButtonState::Down, kUpSkin, ButtonState::Down},
        {"Disabled asked of an enabled button", true, true, true, true, true, false, ButtonState::Disabled, kDisabledSkin,
            ButtonState::Disabled},
        {"Up with focus shows SkinFocus, state stays Up", true, true, true, true, true, true, ButtonState::Up, kFocusSkin,
            ButtonState::Up},
        {"Up with focus without SkinFocus", true, true, true, false, true, true, ButtonState::Up, kUpSkin, ButtonState::Up},
        {"Over with focus: no focus skin", true, true, true, true, true, true, ButtonState::Over, kOverSkin, ButtonState::Over},
        {"disabled button asked Over", true, true, true, true, false, false, ButtonState::Over, kDisabledSkin, ButtonState::Disabled},
        {"disabled button without SkinDisabled", true, true, false, true, false, false, ButtonState::Up, kUpSkin,
            ButtonState::Disabled},
        {"an unnamed state", true, true, true, true, true, false, static_cast<ButtonState>(9), kUpSkin, static_cast<ButtonState>(9)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ButtonHarness h;
        platform::PropertyBag bag = skinnedBag(20, 10, c.over, c.down, c.disabled, c.focus);
        bag.set("Enabled", c.enabled);
        h.load(bag);
        if (c.focused)
            h.button.gotFocus();
        h.button.Redraw(c.asked);
        EXPECT_EQ(h.centre(), c.shown);
        EXPECT_EQ(h.button.CurrentState(), c.currentAfter);
    }
}

TEST_F(ButtonExDrawingTest, SkinHolesNeitherShowNorTakeThePointer)
{
    platform::PropertyBag bag = skinnedBag(20, 10, false, false, false, false);
    // An opaque picture over the top-left hole: it is cut by the outline too.
    bag.set("Picture", framedSquare(10, rgb(0, 160, 0), rgb(0, 160, 0)));
    load(bag);
    ASSERT_EQ(face().size(), (platform::Size{20, 10}));
    for (const platform::Point hole : {platform::Point{0, 0}, {19, 0}, {0, 9}, {19, 9}}) {
        SCOPED_TRACE(testing::Message() << hole.x << ", " << hole.y);
        EXPECT_TRUE(isHole(face().pixel(hole.x, hole.y)));
        EXPECT_FALSE(site.hitTest(hole));
    }
    EXPECT_EQ(face().pixel(1, 0), rgb(0, 160, 0));
    EXPECT_EQ(face().pixel(15, 5), kUpSkin);
    EXPECT_TRUE(site.hitTest({1, 0}));
    EXPECT_TRUE(site.hitTest({15, 5}));

    // Back to a bordered look: a plain rectangle again.
    button.setAppearance(1);
    EXPECT_FALSE(site.shapeMask.has_value());
    EXPECT_TRUE(site.hitTest({0, 0}));
}

TEST(ButtonExDrawing, ASkinModeWithoutAnImageHasNoVisibleOrClickablePart)
{
    const struct {
        const char* name;
        Picture skinUp;
    } cases[] = {
        {"skin all of the transparent colour", Picture::fromSurface(Surface(20, 10, kKey))},
        {"empty skin of a new instance", Picture::empty()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ButtonHarness h;
        h.placeNew(20, 10);
        h.button.setAppearance(2);
        h.button.setSkinUp(c.skinUp);
        int shown = 0, clickable = 0;
        for (int y = 0; y < h.face().height(); ++y)
            for (int x = 0; x < h.face().width(); ++x) {
                shown += !isHole(h.face().pixel(x, y));
                clickable += h.site.hitTest({x, y});
            }
        EXPECT_EQ(shown, 0); // the caption "ButtonEx1" is cut away as well
        EXPECT_EQ(clickable, 0);
    }
}

TEST(ButtonExDrawing, SkinModeWithoutSkinUpDrawsTheFlatFace)
{
    ButtonHarness h;
    platform::PropertyBag bag;
    bag.set("Appearance", 2);
    bag.set("Caption", std::string());
    h.load(bag, 40, 20);
    EXPECT_EQ(h.face().pixel(0, 0), kFace);
    h.button.Redraw(ButtonState::Over);
    EXPECT_EQ(h.face().pixel(0, 0), kLight);
    h.button.Redraw(ButtonState::Down);
    EXPECT_EQ(h.face().pixel(0, 0), kShadow);
}

TEST_F(ButtonExDrawingTest, TheButtonTakesTheSkinsSizeAtOnePointSevenSixHimetricPerTwip)
{
    placeNew(80, 24);
    button.setCaption("");
    button.setAppearance(2);
    reset();
    button.setSkinUp(skin(98, 31, kUpSkin));
    EXPECT_EQ(site.widthPx(), 98);
    EXPECT_EQ(site.heightPx(), 31);
    EXPECT_EQ(face().size(), (platform::Size{98, 31}));
    EXPECT_EQ(centre(), kUpSkin);
    EXPECT_EQ(takeEvents(), std::vector<std::string>{"Resize"});

    // 300 pixels are 7938 HIMETRIC, 4510 twips at 1.76: one pixel more than the skin, a hole.
    button.setSkinUp(skin(300, 40, kUpSkin));
    EXPECT_EQ(site.widthPx(), 301);
    EXPECT_EQ(site.heightPx(), 40);
    EXPECT_TRUE(site.hitTest({299, 20}));
    EXPECT_FALSE(site.hitTest({300, 20}));
    EXPECT_TRUE(isHole(face().pixel(300, 20)));
}

TEST(ButtonExDrawing, PictureIsPlacedByAppearanceStateAndOffsetsWithoutItsKeyPixels)
{
    const Argb green = rgb(0, 160, 0);
    const struct {
        const char* name;
        int appearance;
        ButtonState state;
        int size;
        int offsetX, offsetY;
        platform::Point place;
    } cases[] = {
        {"bordered: six from the left, centred", 1, ButtonState::Up, 10, 0, 0, {6, 7}},
        {"bordered: never above six", 1, ButtonState::Up, 20, 0, 0, {6, 6}},
        {"skin look: at the left edge", 2, ButtonState::Up, 20, 0, 0, {0, 2}},
        {"pressed: one right and down", 1, ButtonState::Down, 10, 0, 0, {7, 8}},
        {"offsets are added", 1, ButtonState::Up, 10, 3, -4, {9, 3}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        platform::PropertyBag bag;
        bag.set("Appearance", c.appearance);
        bag.set("Caption", std::string());
        bag.set("Picture", framedSquare(c.size, green));
        bag.set("PictureOffsetX", c.offsetX);
        bag.set("PictureOffsetY", c.offsetY);
        ButtonHarness h;
        h.load(bag, 60, 24);
        h.button.Redraw(c.state);
        EXPECT_EQ((platform::Point{h.button.imgPicture().left, h.button.imgPicture().top}), c.place);
        EXPECT_EQ(h.face().pixel(c.place.x + c.size / 2, c.place.y + c.size / 2), green);
        EXPECT_EQ(h.face().pixel(c.place.x + 2, c.place.y), kFace); // the key-coloured frame is left out
    }
}

TEST(ButtonExDrawing, SilhouetteShowsWhenHighlightedOrDisabledAtRest)
{
    const Argb green = rgb(0, 160, 0);
    const Argb red = rgb(255, 0, 0);
    const struct {
        const char* name;
        bool highlightPicture;
        bool enabled;
        ButtonState state;
        Argb shown;
    } cases[] = {
        {"highlighted, Over: in HighlightColor", true, true, ButtonState::Over, red},
        {"highlighted, Down: in HighlightColor", true, true, ButtonState::Down, red},
        {"highlighted, Up: the picture", true, true, ButtonState::Up, green},
        {"not highlighted, Over: the picture", false, true, ButtonState::Over, green},
        {"disabled, Up: a grey silhouette", false, false, ButtonState::Up, kShadow},
        {"disabled, Disabled state: the picture", false, false, ButtonState::Disabled, green},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        platform::PropertyBag bag;
        bag.set("Caption", std::string());
        bag.set("Picture", framedSquare(10, green));
        bag.set("HighlightColor", 0x000000FF);
        bag.set("HighlightPicture", c.highlightPicture);
        bag.set("Enabled", c.enabled);
        ButtonHarness h;
        h.load(bag, 60, 24);
        h.button.Redraw(c.state);
        const platform::Point p{h.button.imgPicture().left, h.button.imgPicture().top};
        EXPECT_EQ(h.face().pixel(p.x + 5, p.y + 5), c.shown);
        EXPECT_EQ(h.face().pixel(p.x + 2, p.y), kFace); // the silhouette leaves the frame out too
    }
}

TEST(ButtonExDrawing, CaptionIsCentredOrBesideThePicture)
{
    const struct {
        const char* name;
        bool withPicture;
        int expectedCentreX;
    } cases[] = {
        {"no picture: centred on the button", false, 50},
        // picture from 6 to 16: centred between 16 and 100
        {"picture: centred in the space right of it", true, 58},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        platform::PropertyBag bag;
        bag.set("Caption", std::string("HH"));
        bag.set("Font", kBold);
        if (c.withPicture)
            bag.set("Picture", framedSquare(10, rgb(0, 160, 0)));
        ButtonHarness h;
        h.load(bag, 100, 30);
        const Ink ink = inkBox(h.face(), {20, 2, 76, 26}, kFace);
        ASSERT_FALSE(ink.empty());
        EXPECT_NEAR((ink.left + ink.right) / 2.0, c.expectedCentreX, 2.0);
        EXPECT_NEAR((ink.top + ink.bottom) / 2.0, 15.0, 4.0);
    }
}

TEST(ButtonExDrawing, PressedCaptionMovesRightAndDownUnlessAPictureIsSetButNotShown)
{
    const struct {
        const char* name;
        bool newInstance;
        bool withImage;
        int dx, dy;
    } cases[] = {
        {"stored button without a picture", false, false, 1, 1},
        {"new button, empty picture", true, false, 0, 1},
        {"button with a picture", false, true, 1, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ButtonHarness h;
        if (c.newInstance) {
            h.placeNew(100, 30);
            h.button.setFont(kBold);
            h.button.setCaption("HH");
        } else {
            platform::PropertyBag bag;
            bag.set("Caption", std::string("HH"));
            bag.set("Font", kBold);
            if (c.withImage)
                bag.set("Picture", framedSquare(10, rgb(0, 160, 0)));
            h.load(bag, 100, 30);
        }
        const platform::Rect captionArea{20, 2, 76, 26};
        const Ink up = inkBox(h.face(), captionArea, kFace);
        h.button.Redraw(ButtonState::Down);
        const Ink down = inkBox(h.face(), captionArea, kFace);
        ASSERT_FALSE(up.empty());
        EXPECT_EQ(down, (Ink{up.left + c.dx, up.top + c.dy, up.right + c.dx, up.bottom + c.dy}));
    }
}

TEST(ButtonExDrawing, CaptionColourFollowsStateAndTheLastHoverEvent)
{
    const Argb red = rgb(255, 0, 0), green = rgb(0, 255, 0);
    const struct {
        const char* name;
        ButtonState state;
        const char* lastHover;
        Argb colour;
    } cases[] = {
        {"Up: ForeColor", ButtonState::Up, "MouseEnter", red},
        {"Over: HighlightColor", ButtonState::Over, "MouseExit", green},
        {"Down under the pointer: HighlightColor", ButtonState::Down, "MouseEnter", green},
        {"Down after the pointer left: ForeColor", ButtonState::Down, "MouseExit", red},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        platform::PropertyBag bag;
        bag.set("Caption", std::string("HH"));
        bag.set("Font", kBold);
        bag.set("ForeColor", 0x000000FF);
        bag.set("HighlightColor", 0x0000FF00);
        ButtonHarness h;
        h.load(bag, 100, 30);
        h.button.RaiseNamedEvent(c.lastHover);
        h.button.Redraw(c.state);
        EXPECT_TRUE(containsColour(h.face(), c.colour));
        EXPECT_FALSE(containsColour(h.face(), c.colour == red ? green : red));
    }
}

TEST(ButtonExDrawing, DisabledCaptionIsEmbossedInHighlightAndShadow)
{
    platform::PropertyBag bag;
    bag.set("Caption", std::string("HH"));
    bag.set("Font", kBold);
    bag.set("Enabled", false);
    ButtonHarness h;
    h.load(bag, 100, 30);
    const Surface& s = h.face();
    EXPECT_TRUE(containsColour(s, kShadow));
    int white = 0, dark = 0;
    for (int y = 2; y < 28; ++y)
        for (int x = 2; x < 98; ++x) {
            white += s.pixel(x, y) == kHighlight;
            dark += platform::red(s.pixel(x, y)) < platform::red(kShadow);
        }
    EXPECT_GT(white, 4);
    EXPECT_EQ(dark, 0); // nothing in the caption colour
}

TEST(ButtonExDrawing, AccessKeyIsUnderlinedAndRightToLeftAlignsToTheRawCaptionsEnd)
{
    auto captionInk = [](const std::string& caption, bool rightToLeft) {
        platform::PropertyBag bag;
        bag.set("Caption", caption);
        bag.set("Font", kBold);
        bag.set("RightToLeft", rightToLeft);
        ButtonHarness h;
        h.load(bag, 100, 30);
        return inkBox(h.face(), {2, 2, 96, 26}, kFace);
    };
    const Ink plain = captionInk("HH", false);
    const Ink marked = captionInk("&HH", false);
    EXPECT_GT(marked.bottom, plain.bottom); // the underline runs below the letters

    const int ampersand = Surface::textSize("&HH", kBold).width - Surface::textSize("HH", kBold).width;
    const Ink rightToLeft = captionInk("&HH", true);
    EXPECT_EQ(rightToLeft.left, marked.left + ampersand);
    EXPECT_EQ(rightToLeft.top, marked.top);
}
