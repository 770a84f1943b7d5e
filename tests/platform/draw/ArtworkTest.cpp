#include "platform/draw/Artwork.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

using platform::ArtworkEntry;
using platform::Picture;
using platform::Surface;

namespace {

constexpr platform::Argb kBlue = platform::rgb(0, 0, 255);

struct Wanted {
    std::string name;
    int width;
    int height;
};

// The pictures the lesson window asks for by name, at the sizes of their places.
const std::vector<Wanted> kPlainPictures = {
    {"mainmag", 800, 600},     {"gendumag", 800, 600},     {"Image1_0", 628, 35},      {"Image1_1", 628, 35},
    {"riyumag", 577, 21},      {"hanyumag", 577, 21},      {"fayinmag_0", 650, 186},   {"fayinmag_1", 630, 195},
    {"recordmag", 621, 183},   {"ListView1_bg", 603, 209}, {"selmag_0", 18, 18},       {"selmag_1", 18, 18},
    {"selmag_2", 18, 18},      {"selmag_3", 18, 18},       {"xuanxiang1_1", 98, 31},   {"xuanxiang1_2", 98, 31},
    {"xuanxiang1_3", 98, 31},  {"xuanxiang1_4", 98, 31},   {"xuanxiang1_5", 98, 31},   {"icon", 32, 32},
    {"ImageList1_1", 12, 12},  {"ImageList1_2", 12, 12},   {"ImageList1_3", 12, 12},   {"pointer", 32, 32},
};

struct WantedButton {
    std::string name;
    int width;
    int height;
    bool hasDisabled;
};

const std::vector<WantedButton> kButtons = {
    {"xuanxiang_1", 98, 31, false}, {"xuanxiang_2", 98, 31, false}, {"xuanxiang_3", 98, 31, false},
    {"xuanxiang_4", 98, 31, false}, {"xuanxiang_5", 98, 31, false}, {"Minimize_0", 14, 14, false},
    {"Minimize_1", 14, 14, false},  {"exit_0", 14, 14, false},      {"exit_1", 14, 14, false},
    {"helpbtn_0", 61, 27, false},   {"helpbtn_1", 61, 27, false},   {"backbtn", 61, 27, false},
    {"backbtn1", 61, 27, false},    {"jibenbtn_10", 60, 22, false}, {"jibenbtn_1", 60, 22, false},
    {"jibenbtn_7", 60, 22, false},  {"jibenbtn_2", 60, 22, false},  {"jibenbtn_8", 60, 22, false},
    {"jibenbtn_0", 60, 22, true},   {"jibenbtn_3", 60, 22, true},   {"jibenbtn_4", 50, 23, false},
    {"cishubtn_1", 14, 14, false},  {"cishubtn_2", 14, 14, false},  {"miaoshubtn_1", 14, 14, false},
    {"miaoshubtn_2", 14, 14, false}, {"startrec", 50, 23, false},   {"stoprec", 50, 23, false},
    {"playrec", 50, 23, true},      {"soundbtn", 34, 33, true},     {"previewbtn", 33, 39, true},
    {"nextbtn", 33, 39, true},
};

Picture mustLoad(const std::string& name)
{
    const auto picture = platform::findArtwork(name);
    EXPECT_TRUE(picture.ok()) << (picture.ok() ? "" : picture.error().message);
    return picture.ok() ? picture.value() : Picture::absent();
}

// How far a picture's opaque pixels are from grey, on average (0 for a grey picture).
double meanChroma(const Surface& s)
{
    double sum = 0;
    int n = 0;
    for (int y = 0; y < s.height(); ++y)
        for (int x = 0; x < s.width(); ++x) {
            const platform::Argb c = s.pixel(x, y);
            if ((c & 0xFFFFFFu) == (kBlue & 0xFFFFFFu))
                continue;
            const int hi = std::max({platform::red(c), platform::green(c), platform::blue(c)});
            const int lo = std::min({platform::red(c), platform::green(c), platform::blue(c)});
            sum += hi - lo;
            ++n;
        }
    return n ? sum / n : 0;
}

} // namespace

TEST(Artwork, EveryPictureOfTheWindowLoadsAtTheSizeOfItsPlace)
{
    std::vector<Wanted> all = kPlainPictures;
    for (const WantedButton& b : kButtons) {
        all.push_back({b.name + "_up", b.width, b.height});
        all.push_back({b.name + "_over", b.width, b.height});
        if (b.hasDisabled)
            all.push_back({b.name + "_disabled", b.width, b.height});
    }
    for (const Wanted& w : all) {
        SCOPED_TRACE(w.name);
        const Picture picture = mustLoad(w.name);
        ASSERT_TRUE(picture.hasImage());
        EXPECT_EQ(picture.image().size(), (platform::Size{w.width, w.height}));
        EXPECT_EQ(picture.widthHimetric(), Picture::pixelsToHimetric(w.width));
        EXPECT_TRUE(platform::loadArtwork(w.name) == picture) << "a second load shares the first picture";
    }
}

TEST(Artwork, ManifestMatchesThePicturesBuiltIn)
{
    const auto& manifest = platform::artworkManifest();
    ASSERT_FALSE(manifest.empty()) << "the artwork resources are not linked in";
    for (const ArtworkEntry& e : manifest) {
        SCOPED_TRACE(e.name);
        const Picture picture = mustLoad(e.name);
        ASSERT_TRUE(picture.hasImage());
        EXPECT_EQ(picture.image().size(), e.size);
        EXPECT_EQ(picture.isCursor(), e.kind == ArtworkEntry::Kind::Cursor);
    }
}

// A skin's outline is every pixel that is not pure blue: the corners lie outside it, the
// middle inside, and nothing is half transparent, since the button keys on one colour.
// Plain pictures are shown as they are, so they must be opaque throughout.
TEST(Artwork, SkinsArePureBlueOutsideAndOpaqueInsidePlainPicturesAreOpaque)
{
    for (const ArtworkEntry& e : platform::artworkManifest()) {
        if (e.kind != ArtworkEntry::Kind::Skin && e.kind != ArtworkEntry::Kind::Image)
            continue;
        SCOPED_TRACE(e.name);
        const Picture picture = mustLoad(e.name);
        const Surface& s = picture.image();
        int translucent = 0;
        for (int y = 0; y < s.height(); ++y)
            for (int x = 0; x < s.width(); ++x)
                translucent += (s.pixel(x, y) >> 24) != 0xFF;
        EXPECT_EQ(translucent, 0);
        if (e.kind != ArtworkEntry::Kind::Skin)
            continue;
        const int r = s.width() - 1, b = s.height() - 1;
        EXPECT_EQ(s.pixel(0, 0), kBlue);
        EXPECT_EQ(s.pixel(r, 0), kBlue);
        EXPECT_EQ(s.pixel(0, b), kBlue);
        EXPECT_EQ(s.pixel(r, b), kBlue);
        EXPECT_NE(s.pixel(s.width() / 2, s.height() / 2), kBlue);
        EXPECT_NE(s.pixel(s.width() / 2, 1), kBlue) << "the outline reaches the top edge";
    }
}

TEST(Artwork, OverSkinsDifferFromUpAndDisabledSkinsAreGreyed)
{
    for (const WantedButton& b : kButtons) {
        SCOPED_TRACE(b.name);
        const Picture up = mustLoad(b.name + "_up");
        EXPECT_FALSE(up.image() == mustLoad(b.name + "_over").image());
        if (b.hasDisabled) {
            const Picture disabled = mustLoad(b.name + "_disabled");
            EXPECT_LT(meanChroma(disabled.image()), meanChroma(up.image()) / 2);
        }
    }
}

TEST(Artwork, PointerIsACursorWithItsTipOnTheHotSpot)
{
    const Picture pointer = mustLoad("pointer");
    ASSERT_TRUE(pointer.isCursor());
    EXPECT_EQ(pointer.hotSpot(), (platform::Point{6, 0}));
    const Surface& s = pointer.image();
    EXPECT_EQ(s.pixel(6, 0) >> 24, 0xFFu) << "the tip is drawn at the hot spot";
    EXPECT_EQ(s.pixel(0, 0) >> 24, 0u);
    EXPECT_EQ(s.pixel(31, 0) >> 24, 0u);
    EXPECT_EQ(s.pixel(31, 31) >> 24, 0u) << "clear outside the hand";
}

TEST(Artwork, UnknownNameGivesNotFoundAndAnAbsentPicture)
{
    const auto missing = platform::findArtwork("nosuchpicture");
    ASSERT_FALSE(missing.ok());
    EXPECT_EQ(missing.error().code, platform::Error::Code::NotFound);
    EXPECT_NE(missing.error().message.find("nosuchpicture"), std::string::npos);
    EXPECT_EQ(platform::loadArtwork("nosuchpicture").kind(), Picture::Kind::Absent);
    EXPECT_FALSE(platform::findArtwork("../mainmag").ok());
}
