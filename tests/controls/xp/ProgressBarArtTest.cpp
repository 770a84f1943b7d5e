#include "controls/xp/ProgressBarArt.h"

#include <gtest/gtest.h>

using controls::ProgressBarArt;
using platform::Argb;
using platform::Surface;

namespace {

double brightness(const Surface& s)
{
    double sum = 0;
    for (int y = 0; y < s.height(); ++y)
        for (int x = 0; x < s.width(); ++x)
            sum += platform::red(s.pixel(x, y)) + platform::green(s.pixel(x, y)) + platform::blue(s.pixel(x, y));
    return sum / (s.width() * s.height());
}

} // namespace

TEST(ProgressBarArt, FrameImageHasTheCornersAndLines)
{
    const Surface img = ProgressBarArt::frame();
    ASSERT_EQ(img.size(), (platform::Size{59, 13}));

    const struct {
        const char* name;
        int left, top;
        const ProgressBarArt::Corner& corner;
    } corners[] = {
        {"top-left", 0, 0, ProgressBarArt::kTopLeft},
        {"top-right", 56, 0, ProgressBarArt::kTopRight},
        {"bottom-left", 0, 10, ProgressBarArt::kBottomLeft},
        {"bottom-right", 56, 10, ProgressBarArt::kBottomRight},
    };
    for (const auto& c : corners) {
        SCOPED_TRACE(c.name);
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 3; ++x)
                EXPECT_EQ(img.pixel(c.left + x, c.top + y), ProgressBarArt::argb(c.corner[y][x])) << x << "," << y;
    }
    // A few corner pixels written out, so a slip in the tables shows too.
    EXPECT_EQ(img.pixel(0, 0), ProgressBarArt::argb(0xFFFFFF));
    EXPECT_EQ(img.pixel(57, 1), ProgressBarArt::argb(0x737573));
    EXPECT_EQ(img.pixel(2, 10), ProgressBarArt::argb(0xEFEFEF));
    EXPECT_EQ(img.pixel(56, 12), ProgressBarArt::argb(0x7B7D7B));

    const struct {
        const char* name;
        int x, y;
        std::uint32_t colour;
    } lines[] = {
        {"top outer", 30, 0, 0x6B696B},    {"top second", 30, 1, 0xBDBEBD},  {"top third", 30, 2, 0xEFEFEF},
        {"left outer", 0, 6, 0x6B696B},    {"left second", 1, 6, 0xBDBEBD},  {"left third", 2, 6, 0xEFEFEF},
        {"right outer", 58, 6, 0x6B696B},  {"right second", 57, 6, 0xBDBEBD}, {"right third", 56, 6, 0xEFEFEF},
        {"bottom outer", 3, 12, 0x6B696B}, {"bottom second", 3, 11, 0xEFEFEF}, {"bottom third", 3, 10, 0xEFEFEF},
        {"bottom outer, middle", 30, 12, 0x6B696B}, {"bottom second, middle", 30, 11, 0xEFEFEF},
        {"inside's last row", 30, 10, 0xFFFFFF},
        {"inside near the corner", 3, 3, 0xFFFFFF}, {"inside", 30, 6, 0xFFFFFF}, {"inside far end", 55, 9, 0xFFFFFF},
    };
    for (const auto& l : lines) {
        SCOPED_TRACE(l.name);
        EXPECT_EQ(img.pixel(l.x, l.y), ProgressBarArt::argb(l.colour));
    }
}

TEST(ProgressBarArt, BlankIsWhite)
{
    EXPECT_EQ(ProgressBarArt::blank(), Surface(8, 10, platform::rgb(255, 255, 255)));
}

TEST(ProgressBarArt, LookImagesFollowTheTable)
{
    for (int look = 0; look < ProgressBarArt::kLookCount; ++look) {
        const ProgressBarArt::Look& t = ProgressBarArt::kLooks[static_cast<std::size_t>(look)];
        SCOPED_TRACE(std::string(t.name));
        const auto images = ProgressBarArt::look(look);
        for (const Surface& image : images)
            ASSERT_EQ(image.size(), (platform::Size{8, 10}));

        for (int y = 0; y < 10; ++y)
            for (int x = 0; x < 8; ++x)
                EXPECT_EQ(images[2].pixel(x, y), ProgressBarArt::argb(t.fullRows[static_cast<std::size_t>(y)]));

        EXPECT_EQ(images[1].pixel(0, 5), ProgressBarArt::argb(t.image1Left));
        EXPECT_EQ(images[1].pixel(7, 5), ProgressBarArt::argb(t.image1Right));
        EXPECT_EQ(images[0].pixel(0, 5), ProgressBarArt::argb(t.image0Left));
        EXPECT_EQ(images[0].pixel(7, 5), ProgressBarArt::argb(t.image0Right));

        // Side by side the three fade from pale to full colour.
        EXPECT_GT(brightness(images[0]), brightness(images[1]));
        EXPECT_GT(brightness(images[1]), brightness(images[2]));
    }
}

TEST(ProgressBarArt, PaleImagesGradeAcrossAndKeepTheShading)
{
    // master, image 0: row 5 runs from C5F3C5 to 5BDD5E; green has its lightest rows at the
    // top like image 2 (95E996 over 29D22C), only fainter.
    const Surface pale = ProgressBarArt::look(0)[0];
    EXPECT_GT(platform::red(pale.pixel(2, 5)), platform::red(pale.pixel(5, 5)));
    EXPECT_GT(platform::green(pale.pixel(0, 0)), platform::green(pale.pixel(0, 5)));
    const Argb full = ProgressBarArt::look(0)[2].pixel(0, 0);
    EXPECT_GT(platform::green(pale.pixel(0, 0)), platform::green(full));
}
