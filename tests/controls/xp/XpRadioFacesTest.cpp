#include "controls/xp/XpRadioFaces.h"

#include <gtest/gtest.h>

#include "tests/controls/xp/XpTestSupport.h"

using controls::makeRadioFace;
using platform::Argb;
using platform::Surface;
using xptest::hex;

namespace {

// The circle, row by row: the first and last column it covers.
constexpr int kCircle[13][2] = { { 4, 8 }, { 2, 10 }, { 1, 11 }, { 1, 11 }, { 0, 12 }, { 0, 12 }, { 0, 12 }, { 0, 12 }, { 0, 12 },
    { 1, 11 }, { 1, 11 }, { 2, 10 }, { 4, 8 } };

bool inCircle(int x, int y)
{
    return x >= kCircle[y][0] && x <= kCircle[y][1];
}

} // namespace

TEST(XpRadioFaces, CornersOutsideTheCircleAreTransparent)
{
    for (int face = 0; face < 8; ++face) {
        SCOPED_TRACE(face);
        const Surface s = makeRadioFace(face);
        ASSERT_EQ(s.size(), (platform::Size { 13, 13 }));
        for (int y = 0; y < 13; ++y)
            for (int x = 0; x < 13; ++x) {
                EXPECT_EQ(s.pixel(x, y) >> 24, inCircle(x, y) ? 0xFFu : 0u) << x << ", " << y;
                EXPECT_EQ(controls::radioCircleContains(x, y), inCircle(x, y));
            }
    }
    EXPECT_TRUE(makeRadioFace(8).isNull());
}

TEST(XpRadioFaces, RingInteriorAndDotColours)
{
    struct Case {
        const char* name;
        std::vector<int> faces;
        int x, y;
        std::uint32_t colour;
    };
    const std::vector<Case> cases = {
        { "ring", { 0, 1, 2, 4, 5, 6 }, 6, 0, 0x235682 },
        { "ring at the left", { 0, 1, 2, 4, 5, 6 }, 0, 6, 0x235682 },
        { "ring at a diagonal", { 0, 1, 2, 4, 5, 6 }, 2, 1, 0x215481 },
        { "ring at the opposite diagonal", { 0, 1, 2, 4, 5, 6 }, 11, 10, 0x215481 },
        { "pale ring", { 3, 7 }, 6, 12, 0xCBC9BB },
        { "pale ring at a diagonal", { 3, 7 }, 10, 11, 0xD3D1C3 },
        { "normal interior top-left", { 0, 4 }, 4, 1, 0xE0E0DB },
        { "normal interior bottom-right", { 0, 4 }, 8, 11, 0xFDFDFC },
        { "pressed interior top-left", { 2, 6 }, 1, 4, 0xB7B7AD },
        { "pressed interior bottom-right", { 2, 6 }, 11, 8, 0xEDEBDB },
        { "hot ring top-left", { 1, 5 }, 4, 1, 0xFEDF9C },
        { "hot ring bottom-right", { 1, 5 }, 11, 8, 0xF9B93E },
        { "hot centre", { 1 }, 6, 6, 0xFFFFFF },
        { "hot centre's edge", { 1, 5 }, 3, 6, 0xFFFFFF },
        { "disabled interior", { 3 }, 6, 6, 0xFFFFFF },
        { "disabled interior near the ring", { 3, 7 }, 2, 5, 0xFFFFFF },
        { "dot top-left", { 4, 5, 6 }, 5, 5, 0x55D551 },
        { "dot top", { 4, 5, 6 }, 6, 4, 0x55D551 },
        { "dot left", { 4, 5, 6 }, 4, 6, 0x55D551 },
        { "dot bottom-right", { 4, 5, 6 }, 7, 7, 0x139210 },
        { "dot right", { 4, 5, 6 }, 8, 6, 0x139210 },
        { "dot bottom", { 4, 5, 6 }, 6, 8, 0x139210 },
        { "grey dot", { 7 }, 6, 6, 0xC0BFB5 },
        { "grey dot's tip", { 7 }, 6, 4, 0xC0BFB5 },
    };
    for (const Case& c : cases)
        for (int face : c.faces) {
            SCOPED_TRACE(std::string(c.name) + ", face " + std::to_string(face));
            EXPECT_EQ(makeRadioFace(face).pixel(c.x, c.y), hex(c.colour));
        }
}

// The dot's corners blend into the interior: neither interior nor dot colour. Unchosen
// faces have no dot.
TEST(XpRadioFaces, DotCornersBlendAndOnlyChosenFacesHaveADot)
{
    for (int face = 4; face < 7; ++face) {
        SCOPED_TRACE(face);
        const Surface chosen = makeRadioFace(face), unchosen = makeRadioFace(face - 4);
        for (const platform::Point corner : { platform::Point { 4, 4 }, { 8, 4 }, { 4, 8 }, { 8, 8 }, { 5, 4 }, { 4, 7 } }) {
            const Argb under = unchosen.pixel(corner.x, corner.y);
            const Argb mixed = chosen.pixel(corner.x, corner.y);
            EXPECT_NE(mixed, under);
            EXPECT_GT(platform::green(mixed) - platform::red(mixed), platform::green(under) - platform::red(under));
            EXPECT_LT(platform::green(mixed) - platform::red(mixed), 120);
        }
        // Away from the dot the chosen face is the unchosen one.
        EXPECT_EQ(xptest::firstDifference(xptest::crop(chosen, { 0, 0, 13, 4 }), xptest::crop(unchosen, { 0, 0, 13, 4 })), "");
    }
    for (int face = 0; face < 4; ++face) {
        const Argb centre = makeRadioFace(face).pixel(6, 6);
        EXPECT_LT(platform::green(centre) - platform::red(centre), 5) << face;
    }
}
