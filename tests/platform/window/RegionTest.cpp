#include "platform/window/Region.h"

#include <gtest/gtest.h>

using platform::Point;
using platform::Region;

TEST(Region, RoundedWindowOutlineCutsOnlyTheCorners)
{
    const Region r = Region::roundRect(0, 0, 800, 600, 28, 28).subtracted(Region::ellipse(0, 0, 0, 0));
    EXPECT_EQ(r.bounds(), (platform::Rect{0, 0, 800, 600}));
    struct Case {
        Point p;
        bool inside;
    } cases[] = {
        {{0, 0}, false},     {{799, 0}, false},  {{0, 599}, false},   {{799, 599}, false}, // corners are cut
        {{3, 3}, false},     {{14, 0}, true},    {{0, 14}, true},     {{400, 0}, true},    // edges stay
        {{400, 300}, true},  {{10, 10}, true},   {{789, 589}, true},  {{800, 300}, false}, // right edge exclusive
        {{400, 600}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.p.x << "," << c.p.y);
        EXPECT_EQ(r.contains(c.p), c.inside);
    }
}

TEST(Region, SubtractingAnEllipseLeavesARing)
{
    const Region ring = Region::rect(0, 0, 20, 20).subtracted(Region::ellipse(5, 5, 15, 15));
    EXPECT_FALSE(ring.contains({10, 10}));
    EXPECT_TRUE(ring.contains({1, 1}));
    EXPECT_TRUE(ring.contains({10, 2}));
    EXPECT_TRUE(ring.united(Region::rect(5, 5, 15, 15)).contains({10, 10}));
}
