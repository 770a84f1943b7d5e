// The progress bar's pictures: its frame and block images enlarged, bars of every look at a
// range of values in block style, and the marquee train's steps across the bar and its wrap.

#include <functional>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "controls/xp/ProgressBarArt.h"
#include "controls/xp/Xp_ProgressBar.h"
#include "platform/window/ControlSite.h"
#include "tools/gallery/Gallery.h"

namespace {

using controls::ProgressBarArt;
using controls::Xp_ProgressBar;
using platform::Surface;

constexpr int kBarWidth = 489; // the lesson window's bars
constexpr int kBarHeight = 17;
constexpr int kLabelWidth = 110;
constexpr int kRow = kBarHeight + 6;
const platform::Argb kPaper = platform::rgb(236, 233, 216);
const platform::Argb kInk = platform::rgb(0, 0, 0);
const platform::FontInfo kFont{"DejaVu Sans", 8.0};

// A container that shows nothing and runs nothing: the gallery only reads the surface.
class StillSite : public platform::ControlSite {
public:
    void invalidate() override {}
    void setSizeTwips(int, int) override {}
    void setShape(const Surface*, platform::Argb) override {}
    bool isRunMode() const override { return true; }
    bool displayAsDefault() const override { return false; }
    platform::FontInfo ambientFont() const override { return {}; }
    platform::Point pointerPosition() const override { return {-1000, -1000}; }
    bool isUnderPointer() const override { return false; }
    std::unique_ptr<platform::Timer> createTimer() override { return nullptr; }
    void showAlert(const std::string&, const std::string&) override {}
    void propertyChanged(const std::string&) override {}
    void setWindowEnabled(bool) override {}
    void setPointer(int, const platform::Picture&) override {}
    void setToolTip(const std::string&) override {}
    void setAccessKey(const std::string&) override {}
    void setFocus() override {}
    const void* containerId() const override { return this; }
    std::vector<platform::HostedControl*> windowControls() const override { return {}; }
};

// A lesson-sized bar of LOOK in STYLE after DRIVE has run on it.
Surface bar(int look, int style, const std::function<void(Xp_ProgressBar&)>& drive)
{
    StillSite site;
    Xp_ProgressBar b;
    b.setSite(&site);
    b.setProgressLook(look);
    b.setStyle(style);
    b.resized(kBarWidth, kBarHeight);
    drive(b);
    return b.surface();
}

Surface enlarged(const Surface& s, int factor)
{
    Surface big(s.width() * factor, s.height() * factor);
    big.stretchFrom(s, {0, 0, s.width(), s.height()}, {0, 0, big.width(), big.height()});
    return big;
}

// A sheet of labelled rows: each row a label and a picture to its right.
struct Sheet {
    Sheet(int width, int rows, int rowHeight) : picture(kLabelWidth + width + 8, rows * rowHeight + 4, kPaper), height(rowHeight) {}
    void add(const std::string& label, const Surface& s)
    {
        const int y = 2 + row * height;
        picture.drawText(label, {4, y + (s.height() - 12) / 2}, kFont, kInk);
        picture.copyFrom(s, {0, 0, s.width(), s.height()}, {kLabelWidth, y});
        ++row;
    }
    Surface picture;
    int height;
    int row = 0;
};

void saveFrame(const gallery::Writer& out) { out.save("frame_x8", enlarged(ProgressBarArt::frame(), 8)); }

// Each look's images 0, 1 and 2 side by side (pale to full), then the same three touching.
void saveLooks(const gallery::Writer& out)
{
    constexpr int k = 8, w = ProgressBarArt::kBlockWidth * k, h = ProgressBarArt::kBlockHeight * k;
    Sheet sheet(7 * w, ProgressBarArt::kLookCount, h + 8);
    for (int look = 0; look < ProgressBarArt::kLookCount; ++look) {
        const auto images = ProgressBarArt::look(look);
        Surface row(7 * w, h, kPaper);
        for (int i = 0; i < 3; ++i) {
            const Surface big = enlarged(images[static_cast<std::size_t>(i)], k);
            row.copyFrom(big, {0, 0, w, h}, {i * (w + w / 4), 0});
            row.copyFrom(big, {0, 0, w, h}, {4 * w + i * w, 0});
        }
        const auto& name = ProgressBarArt::kLooks[static_cast<std::size_t>(look)].name;
        sheet.add(std::to_string(look) + " " + std::string(name), row);
    }
    out.save("looks_x8", sheet.picture);
    Surface blank(3 * w, h, kPaper);
    blank.copyFrom(enlarged(ProgressBarArt::blank(), k), {0, 0, w, h}, {0, 0});
    out.save("blank_x8", blank);
}

void saveBlocks(const gallery::Writer& out)
{
    const int values[] = {0, 1, 25, 50, 99, 100};
    Sheet sheet(kBarWidth, ProgressBarArt::kLookCount * 7, kRow);
    for (int look = 0; look < ProgressBarArt::kLookCount; ++look) {
        const std::string name(ProgressBarArt::kLooks[static_cast<std::size_t>(look)].name);
        for (int v : values)
            sheet.add(name + " " + std::to_string(v), bar(look, 0, [v](Xp_ProgressBar& b) { b.setValue(v); }));
        sheet.add("", Surface(1, 1, kPaper));
    }
    out.save("block_looks", sheet.picture);

    // Both ends of a full bar and of a half bar, enlarged: corners, gaps and the end block.
    Sheet ends(2 * 40 * 6 + 12, 2, kBarHeight * 6 + 8);
    for (int v : {50, 100}) {
        const Surface b = bar(0, 0, [v](Xp_ProgressBar& x) { x.setValue(v); });
        Surface pair(2 * 40 * 6 + 12, kBarHeight * 6, kPaper);
        pair.copyFrom(enlarged(b, 6), {0, 0, 40 * 6, kBarHeight * 6}, {0, 0});
        pair.copyFrom(enlarged(b, 6), {(kBarWidth - 40) * 6, 0, 40 * 6, kBarHeight * 6}, {40 * 6 + 12, 0});
        ends.add("value " + std::to_string(v) + " ends", pair);
    }
    out.save("block_ends_x6", ends.picture);

    // Lowering the value repaints from the left; a look change colours only later blocks.
    Sheet changes(kBarWidth, 3, kRow);
    changes.add("80 then 30", bar(0, 0, [](Xp_ProgressBar& b) { b.setValue(80); b.setValue(30); }));
    changes.add("30, look 7, 60", bar(0, 0, [](Xp_ProgressBar& b) { b.setValue(30); b.setProgressLook(7); b.setValue(60); }));
    changes.add("Max = Min", bar(0, 0, [](Xp_ProgressBar& b) { b.setMax(0); b.setValue(0); }));
    out.save("block_changes", changes.picture);
}

void saveMarquee(const gallery::Writer& out)
{
    // Steps from a fresh frame: the tail at 4, 9, 14, 19, then near the right end and the wrap.
    const int steps[] = {1, 2, 3, 4, 93, 94, 95, 96, 97, 98, 99, 100};
    Sheet sheet(kBarWidth, static_cast<int>(std::size(steps)) + 1, kRow);
    for (int n : steps) {
        int tail = 0;
        const Surface s = bar(0, 1, [n, &tail](Xp_ProgressBar& b) {
            for (int i = 0; i < n; ++i) {
                tail = b.state().MarqueePos;
                b.setValue(1);
            }
        });
        sheet.add("step " + std::to_string(n) + ", tail " + std::to_string(tail), s);
    }
    sheet.add("Value = Max", bar(0, 1, [](Xp_ProgressBar& b) { b.setValue(1); b.setValue(2); b.setValue(100); }));
    out.save("marquee", sheet.picture);

    // The right end as the train leaves it and the left end after the wrap, enlarged.
    Sheet ends(40 * 6, 6, kBarHeight * 6 + 8);
    for (int n : {94, 95, 96, 97, 98, 99}) {
        const Surface s = enlarged(bar(0, 1, [n](Xp_ProgressBar& b) { for (int i = 0; i < n; ++i) b.setValue(1); }), 6);
        Surface part(40 * 6, kBarHeight * 6, kPaper);
        const int from = n < 98 ? (kBarWidth - 40) * 6 : 0;
        part.copyFrom(s, {from, 0, 40 * 6, kBarHeight * 6}, {0, 0});
        ends.add("step " + std::to_string(n) + (n < 98 ? " right" : " left"), part);
    }
    out.save("marquee_wrap_x6", ends.picture);

    Sheet looks(kBarWidth, ProgressBarArt::kLookCount, kRow);
    for (int look = 0; look < ProgressBarArt::kLookCount; ++look)
        looks.add(std::string(ProgressBarArt::kLooks[static_cast<std::size_t>(look)].name),
                  bar(look, 1, [](Xp_ProgressBar& b) { for (int i = 0; i < 40; ++i) b.setValue(1); }));
    out.save("marquee_looks", looks.picture);
}

} // namespace

GALLERY_PAGE(progressbar)
{
    saveFrame(out);
    saveLooks(out);
    saveBlocks(out);
    saveMarquee(out);
}
