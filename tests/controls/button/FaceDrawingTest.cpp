#include "controls/button/FaceDrawing.h"

#include <gtest/gtest.h>

#include "tests/controls/button/ButtonHarness.h"

using namespace buttontest;
using controls::PrefixedText;
namespace edge = controls::edge;

TEST(FaceDrawing, EdgesFollowTheStandardGeometryAndColours)
{
    struct Case {
        const char* name;
        int edgeKind;
        int flags;
        std::vector<Probe> probes;
        platform::Rect adjusted; // the rectangle afterwards
    };
    constexpr Argb kBack = rgb(9, 9, 9);
    const Case cases[] = {
        {"raised: light and white at top-left, dark and shadow own the far corners", edge::kRaised, edge::kRect,
            {{0, 0, kLight}, {5, 0, kLight}, {0, 5, kLight}, {9, 0, kDarkShadow}, {0, 7, kDarkShadow}, {9, 7, kDarkShadow},
                {1, 1, kHighlight}, {8, 1, kShadow}, {1, 6, kShadow}, {8, 6, kShadow}, {2, 2, kBack}},
            {0, 0, 10, 8}},
        {"sunken: shadow and dark at top-left, white and light at bottom-right", edge::kSunken, edge::kRect,
            {{0, 0, kShadow}, {1, 1, kDarkShadow}, {9, 0, kHighlight}, {9, 7, kHighlight}, {8, 6, kLight}, {1, 6, kLight},
                {2, 2, kBack}},
            {0, 0, 10, 8}},
        {"default frame: one black line, the rectangle shrinks by one", edge::kRaisedOuter | edge::kSunkenOuter,
            edge::kRect | edge::kAdjust | edge::kMono, {{0, 0, kBlack}, {9, 7, kBlack}, {9, 0, kBlack}, {1, 1, kBack}},
            {1, 1, 8, 6}},
        {"flat sunken outer: shadow on all four sides", edge::kSunkenOuter, edge::kRect | edge::kFlat,
            {{0, 0, kShadow}, {9, 7, kShadow}, {0, 7, kShadow}, {1, 1, kBack}}, {0, 0, 10, 8}},
        {"adjusted raised edge shrinks by two", edge::kRaised, edge::kRect | edge::kAdjust, {{2, 2, kBack}}, {2, 2, 6, 4}},
        {"only the named sides", edge::kRaised, edge::kTop | edge::kAdjust,
            {{0, 0, kLight}, {9, 0, kLight}, {0, 1, kHighlight}, {0, 2, kBack}, {9, 7, kBack}}, {0, 2, 10, 6}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Surface s(10, 8, kBack);
        platform::Rect r{0, 0, 10, 8};
        controls::drawEdge(s, r, c.edgeKind, c.flags);
        expectPixels(s, c.probes);
        EXPECT_EQ(r, c.adjusted);
    }
}

TEST(FaceDrawing, FocusRectangleDotsAlternateAndDrawingTwiceRemovesIt)
{
    Surface s(12, 10, kFace);
    controls::drawFocusRect(s, {2, 2, 8, 6}, kBlack, kFace);
    expectPixels(s,
        {{2, 2, kBlack}, {3, 2, kFace}, {4, 2, kBlack}, {9, 2, kFace}, {2, 3, kFace}, {2, 4, kBlack}, {9, 3, kBlack}, {3, 7, kBlack},
            {4, 7, kFace}, {5, 5, kFace}, {1, 1, kFace}});
    controls::drawFocusRect(s, {2, 2, 8, 6}, kBlack, kFace);
    EXPECT_EQ(s, Surface(12, 10, kFace));
}

TEST(FaceDrawing, PrefixedTextHidesMarkersAndUnderlinesTheMarkedCharacter)
{
    const struct {
        const char* caption;
        PrefixedText expected;
    } cases[] = {
        {"&Play", {"Play", 0}},
        {"Sa&ve", {"Save", 2}},
        {"a&&b", {"a&b", -1}},
        {"a&&b&c", {"a&bc", 3}},
        {"End&", {"End", -1}},
        {"&日&语", {"日语", 0}},
        {"", {"", -1}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.caption);
        EXPECT_EQ(controls::prefixedText(c.caption), c.expected);
    }
}

TEST(FaceDrawing, TransparentCopyLeavesKeyPixelsOut)
{
    Surface source(3, 1, kKey);
    source.setPixel(1, 0, rgb(1, 2, 3));
    source.setPixel(2, 0, rgb(4, 5, 6));
    Surface withKey(4, 1, kFace);
    controls::DrawTransparent(source, withKey, 1, 0, 0, 0, 3, 1, kKey);
    expectPixels(withKey, {{0, 0, kFace}, {1, 0, kFace}, {2, 0, rgb(1, 2, 3)}, {3, 0, rgb(4, 5, 6)}});

    // Without a key the top-left pixel's colour is left out.
    Surface topLeftKey(3, 1, kFace);
    source.setPixel(0, 0, rgb(4, 5, 6));
    controls::DrawTransparent(source, topLeftKey, 0, 0, 0, 0, 3, 1, std::nullopt);
    expectPixels(topLeftKey, {{0, 0, kFace}, {1, 0, rgb(1, 2, 3)}, {2, 0, kFace}});
}

TEST(FaceDrawing, SilhouettePaintsEveryPixelUnlikeTheTopLeftOneInOneColour)
{
    Surface source(4, 2, rgb(10, 10, 10));
    source.setPixel(1, 0, rgb(90, 0, 0));
    source.setPixel(2, 1, rgb(0, 90, 0));
    Surface destination(5, 3, kFace);
    Surface tempDestination(2, 2), tempHighlight(2, 2);
    const Argb red = rgb(255, 0, 0);
    controls::DrawHighlightedPicture(source, destination, tempDestination, tempHighlight, red, 1, 1, 0, 0, 4, 2);
    expectPixels(destination, {{1, 1, kFace}, {2, 1, red}, {3, 2, red}, {4, 1, kFace}, {0, 0, kFace}});
    EXPECT_GE(tempHighlight.width(), 4); // the scratch surfaces grow to the area
    EXPECT_EQ(tempHighlight.pixel(1, 0), red);
    EXPECT_EQ(tempDestination.pixel(1, 0), kBlack);
    EXPECT_EQ(tempDestination.pixel(0, 0), kFace);
}
