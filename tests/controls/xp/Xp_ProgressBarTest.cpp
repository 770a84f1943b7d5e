#include "controls/xp/Xp_ProgressBar.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <vector>

#include "controls/xp/ProgressBarArt.h"
#include "platform/window/PropertyBag.h"
#include "tests/fakes/FakeSite.h"
#include "tests/fakes/ManualClock.h"

using controls::ProgressBarArt;
using controls::Xp_ProgressBar;
using fakes::FakeSite;
using platform::Argb;
using platform::Surface;

namespace {

constexpr int kWidth = 489; // the lesson window's bars
constexpr int kHeight = 17;
constexpr int kMiddleRow = 8;

// A horizontal stretch of pixels that differ from the empty bar.
struct Span {
    int x;
    int width;
    bool operator==(const Span&) const = default;
};
std::ostream& operator<<(std::ostream& os, const Span& r) { return os << "{" << r.x << "," << r.width << "}"; }

std::vector<Span> runsAgainst(const Surface& painted, const Surface& empty, int y = kMiddleRow)
{
    std::vector<Span> runs;
    for (int x = 0; x < painted.width(); ++x) {
        if (painted.pixel(x, y) == empty.pixel(x, y))
            continue;
        if (!runs.empty() && runs.back().x + runs.back().width == x)
            ++runs.back().width;
        else
            runs.push_back({x, 1});
    }
    return runs;
}

// Runs of WIDTH pixels at FIRST, FIRST + STEP, … up to LAST.
std::vector<Span> blocks(int first, int last, int step = 10, int width = 8)
{
    std::vector<Span> runs;
    for (int x = first; x <= last; x += step)
        runs.push_back({x, width});
    return runs;
}

std::vector<Span> operator+(std::vector<Span> a, const std::vector<Span>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// The lesson bar full: 48 blocks, then the end block squeezed into the 2 pixels left.
std::vector<Span> fullBar() { return blocks(4, 474) + std::vector<Span>{{484, 2}}; }

// What column X shows inside the frame (rows 3 to 13).
std::vector<Argb> columnAt(const Surface& s, int x)
{
    std::vector<Argb> column;
    for (int y = 3; y < kHeight - 3; ++y)
        column.push_back(s.pixel(x, y));
    return column;
}

// A full-colour block of LOOK down its column: the image's 10 rows stretched over 11.
std::vector<Argb> fullColumn(int look)
{
    std::vector<Argb> column;
    for (int y = 0; y < kHeight - 6; ++y)
        column.push_back(ProgressBarArt::argb(ProgressBarArt::kLooks[static_cast<std::size_t>(look)].fullRows[static_cast<std::size_t>(y * 10 / 11)]));
    return column;
}

// A bar hosted on a fake site at the lesson window's size, with its empty picture kept.
struct HostedBar {
    explicit HostedBar(int width = kWidth, int height = kHeight)
    {
        site.host(bar, width, height);
        empty = bar.surface();
    }
    std::vector<Span> runs() const { return runsAgainst(bar.surface(), empty); }

    fakes::ManualClock clock;
    FakeSite site{clock};
    Xp_ProgressBar bar;
    Surface empty;
};

class ProgressBar : public ::testing::Test, protected HostedBar {};

} // namespace

TEST_F(ProgressBar, PaintsTheFrameFromItsImage)
{
    const Surface& s = bar.surface();
    ASSERT_EQ(s.size(), (platform::Size{kWidth, kHeight}));
    const struct {
        const char* name;
        int left, top;
        const ProgressBarArt::Corner& corner;
    } corners[] = {
        {"top-left", 0, 0, ProgressBarArt::kTopLeft},
        {"top-right", kWidth - 3, 0, ProgressBarArt::kTopRight},
        {"bottom-right", kWidth - 3, kHeight - 3, ProgressBarArt::kBottomRight},
        {"bottom-left", 0, kHeight - 3, ProgressBarArt::kBottomLeft},
    };
    for (const auto& c : corners) {
        SCOPED_TRACE(c.name);
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 3; ++x)
                EXPECT_EQ(s.pixel(c.left + x, c.top + y), ProgressBarArt::argb(c.corner[y][x])) << x << "," << y;
    }
    const struct {
        const char* name;
        int x, y;
        std::uint32_t colour;
    } pixels[] = {
        {"top outer", 200, 0, 0x6B696B},     {"top second", 200, 1, 0xBDBEBD},   {"top third", 200, 2, 0xEFEFEF},
        {"left outer", 0, 8, 0x6B696B},      {"left second", 1, 8, 0xBDBEBD},    {"left third", 2, 8, 0xEFEFEF},
        {"right third", 486, 8, 0xEFEFEF},   {"right second", 487, 8, 0xBDBEBD}, {"right outer", 488, 8, 0x6B696B},
        {"bottom third", 200, 14, 0xEFEFEF}, {"bottom second", 200, 15, 0xEFEFEF}, {"bottom outer", 200, 16, 0x6B696B},
        {"top edge just past the corner", 3, 0, 0x6B696B}, {"bottom edge before the corner", 485, 16, 0x6B696B},
        {"inside top-left", 3, 3, 0xFFFFFF}, {"inside middle", 244, 8, 0xFFFFFF}, {"inside bottom-right", 485, 13, 0xFFFFFF},
    };
    for (const auto& p : pixels) {
        SCOPED_TRACE(p.name);
        EXPECT_EQ(s.pixel(p.x, p.y), ProgressBarArt::argb(p.colour));
    }
    int notWhite = 0;
    for (int y = 3; y < kHeight - 3; ++y)
        for (int x = 3; x < kWidth - 3; ++x)
            notWhite += s.pixel(x, y) != ProgressBarArt::argb(0xFFFFFF);
    EXPECT_EQ(notWhite, 0);
}

TEST_F(ProgressBar, BlocksFollowTheValueOnTheLessonBar)
{
    bar.setValue(50); // target 244.5: the block at 244 starts below it
    EXPECT_EQ(runs(), blocks(4, 244));
    EXPECT_FALSE(bar.state().BarFull);

    bar.setValue(100);
    EXPECT_EQ(runs(), fullBar()); // the end block stops at the frame
    EXPECT_TRUE(bar.state().BarFull);
    EXPECT_EQ(columnAt(bar.surface(), 4), fullColumn(0)); // a new bar shows look 0
    EXPECT_EQ(columnAt(bar.surface(), 481), fullColumn(0));
    EXPECT_EQ(columnAt(bar.surface(), 485), fullColumn(0));
    EXPECT_EQ(columnAt(bar.surface(), 486), std::vector<Argb>(11, ProgressBarArt::argb(0xEFEFEF)));
    EXPECT_TRUE(site.alerts.empty());
}

TEST(ProgressBarValues, PaintEveryBlockWhoseLeftEdgeTheTargetPassed)
{
    const struct {
        const char* name;
        int value;
        std::vector<Span> runs;
        bool full;
    } cases[] = {
        {"at Min", 0, {}, false},
        {"1 reaches past the first block's edge", 1, {{4, 8}}, false},
        {"25", 25, blocks(4, 114), false},
        {"99 already reaches the end block", 99, fullBar(), true},
        {"100", 100, fullBar(), true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        HostedBar h;
        h.bar.setValue(c.value);
        EXPECT_EQ(h.runs(), c.runs);
        EXPECT_EQ(h.bar.state().BarFull, c.full);
    }
}

TEST_F(ProgressBar, LoweringTheValueRepaintsFromTheLeftAtOnce)
{
    bar.setValue(80);
    ASSERT_EQ(runs(), blocks(4, 384));
    bar.setValue(30);
    HostedBar direct;
    direct.bar.setValue(30);
    EXPECT_EQ(bar.surface(), direct.bar.surface());
    EXPECT_EQ(runs(), blocks(4, 144));
}

TEST_F(ProgressBar, ResizeClearsTheBarUntilTheNextValue)
{
    bar.setValue(50);
    const int shown = site.invalidations;
    site.resize(300, kHeight);
    const HostedBar fresh(300, kHeight);
    EXPECT_EQ(bar.surface(), fresh.empty);
    EXPECT_EQ(site.invalidations, shown + 1);

    bar.setValue(50); // the same value paints every block up to it again: target 150
    EXPECT_EQ(runsAgainst(bar.surface(), fresh.empty), blocks(4, 144));
}

TEST_F(ProgressBar, MarqueeTrainMovesFivePixelsPerAssignment)
{
    bar.setStyle(1);
    const struct {
        int value;
        std::vector<Span> runs;
        int nextPos;
    } steps[] = {
        {0, {{4, 4}, {9, 4}, {14, 4}}, 9},
        {37, {{9, 4}, {14, 4}, {19, 4}}, 14}, // the value itself does not matter
        {2, {{14, 4}, {19, 4}, {24, 4}}, 19},
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(s.value);
        bar.setValue(s.value);
        EXPECT_EQ(runs(), s.runs);
        EXPECT_EQ(bar.state().MarqueePos, s.nextPos);
    }
    // Palest behind, full colour in front; each 8-pixel image squeezed into 4 (columns 0, 2, 4, 6).
    const auto look = ProgressBarArt::look(0);
    const int row = (kMiddleRow - 3) * 10 / 11;
    EXPECT_EQ(bar.surface().pixel(14, kMiddleRow), look[0].pixel(0, row));
    EXPECT_EQ(bar.surface().pixel(15, kMiddleRow), look[0].pixel(2, row));
    EXPECT_EQ(bar.surface().pixel(19, kMiddleRow), look[1].pixel(0, row));
    EXPECT_EQ(bar.surface().pixel(27, kMiddleRow), look[2].pixel(6, row));
}

TEST_F(ProgressBar, MarqueeLosesItsFrontAndWrapsAtTheRightEnd)
{
    bar.setStyle(1);
    while (bar.state().MarqueePos < 464)
        bar.setValue(1);
    const struct {
        int pos;
        std::vector<Span> runs;
    } steps[] = {
        {464, {{464, 4}, {469, 4}, {474, 4}}},
        {469, {{469, 4}, {474, 4}}}, // the front block would reach the frame
        {474, {{474, 4}, {479, 4}}},
        {479, {{479, 4}}},
        {484, {}}, // the tail is erased and the rest blanked
        {2, {{2, 4}, {7, 4}, {12, 4}}},
        // The restarted train's first block covers the frame's innermost column at x = 2,
        // which its eraser then leaves white.
        {7, {{2, 1}, {7, 4}, {12, 4}, {17, 4}}},
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(s.pos);
        ASSERT_EQ(bar.state().MarqueePos, s.pos);
        bar.setValue(1);
        EXPECT_EQ(runs(), s.runs);
        if (s.pos == 484) {
            EXPECT_EQ(bar.surface(), empty);
            EXPECT_EQ(bar.state().MarqueePos, 2);
        }
    }
}

TEST_F(ProgressBar, MarqueeAtMaxRepaintsTheFrameAndRestarts)
{
    bar.setStyle(1);
    for (int v = 1; v <= 3; ++v)
        bar.setValue(v);
    bar.setValue(100);
    EXPECT_EQ(bar.surface(), empty);
    EXPECT_EQ(bar.state().MarqueePos, 4);
    bar.setValue(5);
    EXPECT_EQ(runs(), (std::vector<Span>{{4, 4}, {9, 4}, {14, 4}}));
}

TEST(ProgressBarRefusals, ShowOneAlertAndChangeNothing)
{
    using Act = std::function<void(Xp_ProgressBar&)>;
    const Act nothing = [](Xp_ProgressBar&) {};
    const struct {
        const char* name;
        Act setup;
        Act act;
        FakeSite::Alert alert;
    } cases[] = {
        {"value above Max", nothing, [](auto& b) { b.setValue(150); }, {"Value 属性不可以比最大值还大!", "发生错误"}},
        {"value below Min", [](auto& b) { b.setMin(40); }, [](auto& b) { b.setValue(39); }, {"Value 属性不可以比最小值还小!", "发生错误"}},
        {"Min above Max", nothing, [](auto& b) { b.setMin(101); }, {"Minimum can NOT be biger than maximum !", "Error"}},
        {"Min below 0", nothing, [](auto& b) { b.setMin(-1); }, {"Minimum can NOT be smaller then 0 !", "Error"}},
        {"Max below Min", [](auto& b) { b.setMin(20); }, [](auto& b) { b.setMax(19); }, {"Maximum can NOT be smaller than minimum !", "Error"}},
        {"value on a stored range that is upside down: the first check only",
         [](auto& b) {
             platform::PropertyBag bag;
             bag.set("Min", 60);
             bag.set("Max", 10);
             b.readProperties(bag);
         },
         [](auto& b) { b.setValue(30); }, {"Value 属性不可以比最大值还大!", "发生错误"}},
        {"Min on a stored range below 0: the first check only",
         [](auto& b) {
             platform::PropertyBag bag;
             bag.set("Min", -10);
             bag.set("Max", -5);
             b.readProperties(bag);
         },
         [](auto& b) { b.setMin(-1); }, {"Minimum can NOT be biger than maximum !", "Error"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        HostedBar h;
        h.bar.setValue(50);
        c.setup(h.bar);
        const Surface before = h.bar.surface();
        const auto value = h.bar.Value(), min = h.bar.Min(), max = h.bar.Max();
        const int shown = h.site.invalidations;
        h.site.changedProperties.clear();

        c.act(h.bar);
        EXPECT_EQ(h.site.alerts, std::vector<FakeSite::Alert>{c.alert});
        EXPECT_EQ(h.bar.Value(), value);
        EXPECT_EQ(h.bar.Min(), min);
        EXPECT_EQ(h.bar.Max(), max);
        EXPECT_EQ(h.bar.surface(), before);
        EXPECT_EQ(h.site.invalidations, shown);
        EXPECT_TRUE(h.site.changedProperties.empty());
    }
}

TEST_F(ProgressBar, MinAndMaxNeitherRepaintNorCheckTheValue)
{
    bar.setValue(50);
    const Surface before = bar.surface();
    const int shown = site.invalidations;
    bar.setMax(200);
    bar.setMin(60); // above the current value: allowed
    EXPECT_EQ(bar.surface(), before);
    EXPECT_EQ(site.invalidations, shown);
    EXPECT_EQ(bar.Value(), 50);
    EXPECT_EQ(site.changedProperties, (std::vector<std::string>{"Value", "Max", "Min"}));
    EXPECT_TRUE(site.alerts.empty());

    bar.setValue(50); // the next assignment meets the new range
    EXPECT_EQ(site.alerts, (std::vector<FakeSite::Alert>{{"Value 属性不可以比最小值还小!", "发生错误"}}));
}

TEST_F(ProgressBar, LookChangeColoursOnlyLaterBlocks)
{
    bar.setValue(30); // blocks 4 … 144
    bar.setProgressLook(7);
    bar.setValue(60); // blocks 154 … 294
    EXPECT_EQ(columnAt(bar.surface(), 144), fullColumn(0));
    EXPECT_EQ(columnAt(bar.surface(), 154), fullColumn(7));

    bar.setProgressLook(9); // no such look: kept, the images stay
    bar.setValue(70);
    EXPECT_EQ(bar.ProgressLook(), 9);
    EXPECT_EQ(columnAt(bar.surface(), 304), fullColumn(7));
    EXPECT_EQ(site.changedProperties, (std::vector<std::string>{"Value", "ProgressLook", "Value", "ProgressLook", "Value"}));
}

TEST_F(ProgressBar, EqualMinAndMaxShowAnEmptyBar)
{
    bar.setValue(80);
    bar.setMax(80);
    bar.setMin(80);
    bar.setValue(80);
    EXPECT_EQ(bar.surface(), empty);
    EXPECT_FALSE(bar.state().BarFull);
    EXPECT_TRUE(site.alerts.empty());

    HostedBar zero; // as a clip too short to have a length leaves the lesson bar
    zero.bar.setMax(0);
    zero.bar.setValue(0);
    EXPECT_EQ(zero.bar.surface(), zero.empty);
    EXPECT_TRUE(zero.site.alerts.empty());
}

TEST(ProgressBarProperties, ReadStoresDirectlyAndWriteKeepsTheOrder)
{
    platform::PropertyBag stored;
    stored.set("progresslook", 3); // names match without regard to case
    stored.set("Value", 5);        // outside the stored range: read as it is
    stored.set("Min", 10);
    stored.set("Max", 20);
    stored.set("Style", 2);

    HostedBar h;
    h.site.changedProperties.clear();
    const Surface before = h.bar.surface();
    h.bar.readProperties(stored);
    EXPECT_EQ((std::vector<int>{h.bar.Min(), h.bar.Max(), h.bar.Value(), h.bar.Style(), h.bar.ProgressLook()}),
              (std::vector<int>{10, 20, 5, 2, 3}));
    EXPECT_TRUE(h.site.alerts.empty());
    EXPECT_EQ(h.bar.surface(), before);
    EXPECT_EQ(h.site.changedProperties, std::vector<std::string>{"ProgressLook"});

    platform::PropertyBag written;
    h.bar.writeProperties(written);
    std::vector<std::string> names;
    for (const auto& e : written.entries())
        names.push_back(e.name);
    EXPECT_EQ(names, (std::vector<std::string>{"Min", "Max", "Value", "Style", "ProgressLook"}));
    EXPECT_EQ(written.readInt("Max", 0), 20);

    h.bar.setStyle(0);
    h.bar.setValue(20);
    EXPECT_EQ(columnAt(h.bar.surface(), 4), fullColumn(3)); // the stored look paints

    platform::PropertyBag defaults;
    HostedBar().bar.writeProperties(defaults);
    EXPECT_TRUE(defaults.empty());
}

// The reference-audio display: Value 0, Min 0, Max the rounded length, Value Min, then the
// rounded position on every tick; pressing the button again restarts from an empty bar.
TEST_F(ProgressBar, FollowsThePlayingClip)
{
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round);
        bar.setValue(0);
        bar.setMin(0);
        bar.setMax(7);
        bar.setValue(bar.Min());
        EXPECT_EQ(bar.surface(), empty);
        for (int position : {0, 0, 1, 1, 2, 3}) // every 50 ms, rounded to whole seconds
            bar.setValue(position);
        EXPECT_EQ(runs(), blocks(4, 204)); // 3 of 7: target 209.6
        for (int position : {4, 5, 6, 7, 7})
            bar.setValue(position);
        EXPECT_EQ(runs(), fullBar());
    }
    EXPECT_TRUE(site.alerts.empty());
}

// The recording display: marquee while recording (the value cycles 1 … 100, then 2 … 100),
// then block style over the take's length in milliseconds while it plays back.
TEST_F(ProgressBar, ShowsRecordingThenPlayBack)
{
    bar.setStyle(1);
    bar.setMin(0);
    bar.setValue(0);
    bool frameAtMax = false;
    for (int tick = 0; tick < 150; ++tick) {
        if (bar.Value() == 100)
            bar.setValue(1);
        bar.setValue(bar.Value() + 1);
        if (bar.Value() == 100)
            frameAtMax = bar.surface() == empty && bar.state().MarqueePos == 4;
    }
    EXPECT_TRUE(frameAtMax);
    EXPECT_EQ(bar.Value(), 51);
    EXPECT_EQ(runs().size(), 3u);

    bar.setStyle(0);
    bar.setMax(2345);
    bar.setValue(0);
    EXPECT_EQ(bar.surface(), empty);
    for (int position = 0; position < 2345; position += 250)
        bar.setValue(position);
    bar.setValue(2345);
    EXPECT_EQ(runs(), fullBar());
    EXPECT_TRUE(site.alerts.empty());
}
