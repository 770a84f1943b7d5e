#include "platform/draw/Surface.h"

#include <gtest/gtest.h>

using platform::Rect;
using platform::rgb;
using platform::Surface;

TEST(Surface, KeyedCopyLeavesKeyPixelsOut)
{
    Surface src(2, 1, rgb(0, 0, 255));
    src.setPixel(1, 0, rgb(10, 20, 30));
    Surface dst(2, 1, rgb(1, 1, 1));
    dst.copyKeyedFrom(src, Rect{0, 0, 2, 1}, {0, 0}, rgb(0, 0, 255));
    EXPECT_EQ(dst.pixel(0, 0), rgb(1, 1, 1));
    EXPECT_EQ(dst.pixel(1, 0), rgb(10, 20, 30));
}

TEST(Surface, StretchRepeatsNearestPixels)
{
    Surface src(2, 1);
    src.setPixel(0, 0, rgb(255, 0, 0));
    src.setPixel(1, 0, rgb(0, 255, 0));
    Surface dst(4, 2, 0);
    dst.stretchFrom(src, Rect{0, 0, 2, 1}, Rect{0, 0, 4, 2});
    EXPECT_EQ(dst.pixel(1, 1), rgb(255, 0, 0));
    EXPECT_EQ(dst.pixel(2, 0), rgb(0, 255, 0));
}

TEST(Surface, NinePointCjkTextHasLineHeightAndInk)
{
    const platform::FontInfo font{"宋体", 9.0};
    const auto size = Surface::textSize("日语跟读", font);
    EXPECT_GE(size.height, 12);
    EXPECT_LE(size.height, 20);
    EXPECT_GE(size.width, 4 * 11);
    Surface s(80, 20, rgb(255, 255, 255));
    s.drawText("日语", {0, 0}, font, rgb(0, 0, 0));
    int dark = 0;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 80; ++x)
            dark += platform::red(s.pixel(x, y)) < 128;
    EXPECT_GT(dark, 20);
}
