// Gallery page "button": ButtonEx in each look (bordered, flat, skinned) and each state (Up,
// Over, Down, Disabled, focus emphasis, toggle latched), with and without picture and
// caption. One PNG per button, and "sheet.png" with all of them labelled.

#include "tools/gallery/Gallery.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "controls/button/ButtonEx.h"
#include "platform/window/ControlSite.h"
#include "platform/window/PropertyBag.h"

namespace {

using controls::ButtonEx;
using platform::Argb;
using platform::Picture;
using platform::PropertyBag;
using platform::Surface;
using platform::rgb;

constexpr Argb kKey = rgb(0, 0, 255); // the buttons' TransparentColor
const platform::FontInfo kCaptionFont{"DejaVu Sans", 9.0, 400, 0};
const platform::FontInfo kSkinWordFont{"宋体", 10.5, 700, 134};
const platform::FontInfo kLabelFont{"DejaVu Sans", 7.5, 400, 0};

// A timer that never ticks: the pictures show single moments.
class StillTimer : public platform::Timer {
public:
    void setInterval(int milliseconds) override { m_interval = milliseconds > 0 ? milliseconds : 0; }
    int interval() const override { return m_interval; }

private:
    int m_interval = 0;
};

// A container that sizes the button as asked and keeps the pointer over it.
class GallerySite : public platform::ControlSite {
public:
    void host(platform::HostedControl& control, int widthPx, int heightPx)
    {
        m_control = &control;
        control.setSite(this);
        m_width = widthPx;
        m_height = heightPx;
        control.resized(widthPx, heightPx);
    }
    void invalidate() override {}
    void setSizeTwips(int width, int height) override
    {
        const int w = (width + 7) / 15, h = (height + 7) / 15;
        if (w == m_width && h == m_height)
            return;
        m_width = w;
        m_height = h;
        m_control->resized(w, h);
    }
    void setShape(const Surface*, Argb) override {}
    bool isRunMode() const override { return true; }
    bool displayAsDefault() const override { return false; }
    platform::FontInfo ambientFont() const override { return kCaptionFont; }
    platform::Point pointerPosition() const override { return {4, 4}; }
    bool isUnderPointer() const override { return true; }
    std::unique_ptr<platform::Timer> createTimer() override { return std::make_unique<StillTimer>(); }
    void showAlert(const std::string&, const std::string&) override {}
    void propertyChanged(const std::string&) override {}
    void setWindowEnabled(bool) override {}
    void setPointer(int, const Picture&) override {}
    void setToolTip(const std::string&) override {}
    void setAccessKey(const std::string&) override {}
    void setFocus() override {}
    const void* containerId() const override { return this; }
    std::vector<platform::HostedControl*> windowControls() const override { return {m_control}; }

private:
    platform::HostedControl* m_control = nullptr;
    int m_width = 0;
    int m_height = 0;
};

// A 98 × 31 menu-button skin: a rounded plate of FILL with a darker rim, a lighter top half,
// the word WORD in WORD_COLOUR, and pure-blue corners outside the rounding (the holes).
Picture menuSkin(Argb fill, Argb rim, Argb wordColour, const std::string& word)
{
    constexpr int w = 98, h = 31, radius = 6;
    Surface s(w, h, kKey);
    auto inside = [&](int x, int y, int inset) {
        const int r = radius - inset;
        const int cx = x < radius ? radius : x >= w - radius ? w - radius - 1 : x;
        const int cy = y < radius ? radius : y >= h - radius ? h - radius - 1 : y;
        const int dx = x - cx, dy = y - cy;
        return x >= inset && y >= inset && x < w - inset && y < h - inset && dx * dx + dy * dy <= r * r;
    };
    const Argb light = rgb(std::min(255, platform::red(fill) + 24), std::min(255, platform::green(fill) + 24),
        std::min(255, platform::blue(fill) + 24));
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            if (inside(x, y, 1))
                s.setPixel(x, y, y < h / 2 ? light : fill);
            else if (inside(x, y, 0))
                s.setPixel(x, y, rim);
        }
    const platform::Size size = Surface::textSize(word, kSkinWordFont);
    s.drawText(word, {(w - size.width) / 2, (h - size.height) / 2}, kSkinWordFont, wordColour);
    return Picture::fromSurface(s);
}

// A 16 × 16 "play" picture: a green triangle on the transparent colour.
Picture playPicture()
{
    Surface s(16, 16, kKey);
    for (int y = 2; y < 14; ++y) {
        const int reach = y <= 7 ? y - 2 : 13 - y;
        for (int x = 4; x <= 4 + reach * 2; ++x)
            s.setPixel(x, y, rgb(30, 150, 60));
    }
    return Picture::fromSurface(s);
}

struct Look {
    const char* name;
    std::function<void(PropertyBag&, bool captioned)> store;
};

struct Content {
    const char* name;
    bool caption;
    bool picture;
};

struct State {
    const char* name;
    std::function<void(ButtonEx&)> show;
};

} // namespace

GALLERY_PAGE(button)
{
    const Picture play = playPicture();
    // The skinned look carries its word in the skin, as the lesson window's buttons do, when
    // the button has no caption of its own.
    auto skins = [](PropertyBag& b, const std::string& word) {
        b.set("Appearance", 2);
        b.set("SkinUp", menuSkin(rgb(120, 160, 210), rgb(40, 70, 120), rgb(255, 255, 255), word));
        b.set("SkinOver", menuSkin(rgb(240, 170, 70), rgb(150, 90, 20), rgb(255, 255, 255), word));
        b.set("SkinDown", menuSkin(rgb(70, 100, 150), rgb(20, 40, 80), rgb(230, 230, 230), word));
        b.set("SkinDisabled", menuSkin(rgb(190, 190, 190), rgb(130, 130, 130), rgb(150, 150, 150), word));
        b.set("SkinFocus", menuSkin(rgb(120, 160, 210), rgb(250, 220, 40), rgb(255, 255, 255), word));
    };
    const Look looks[] = {
        {"bordered", [](PropertyBag& b, bool) { b.set("Appearance", 1); }},
        {"flat", [](PropertyBag& b, bool) { b.set("Appearance", 0); }},
        {"skinned", [&](PropertyBag& b, bool captioned) { skins(b, captioned ? "" : "日语跟读"); }},
    };
    const Content contents[] = {
        {"plain", false, false},
        {"caption", true, false},
        {"picture", false, true},
        {"picture-caption", true, true},
    };
    const State states[] = {
        {"up", [](ButtonEx&) {}},
        {"over",
            [](ButtonEx& b) {
                b.mouseMove(0, 0, 4, 4); // starts tracking
                b.mouseMove(0, 0, 5, 4);
            }},
        {"down",
            [](ButtonEx& b) {
                b.mouseMove(0, 0, 4, 4);
                b.mouseDown(1, 0, 5, 4);
            }},
        {"disabled", [](ButtonEx& b) { b.setEnabled(false); }},
        {"focus", [](ButtonEx& b) { b.gotFocus(); }},
        {"toggle-latched",
            [](ButtonEx& b) {
                b.setStyle(1);
                b.mouseDown(1, 0, 5, 4);
                b.mouseUp(1, 0, 5, 4);
            }},
    };

    constexpr int kCellW = 124, kCellH = 52, kLabelW = 140, kHeaderH = 18;
    const int rows = static_cast<int>(std::size(looks) * std::size(contents));
    Surface sheet(kLabelW + kCellW * static_cast<int>(std::size(states)), kHeaderH + kCellH * rows, rgb(255, 255, 255));
    for (std::size_t i = 0; i < std::size(states); ++i)
        sheet.drawText(states[i].name, {kLabelW + static_cast<int>(i) * kCellW + 4, 3}, kLabelFont, rgb(60, 60, 60));

    int row = 0;
    for (const Look& look : looks)
        for (const Content& content : contents) {
            const int top = kHeaderH + row * kCellH;
            sheet.fillRect({0, top, sheet.width(), 1}, rgb(225, 225, 225));
            sheet.drawText(std::string(look.name) + " " + content.name, {4, top + 18}, kLabelFont, rgb(60, 60, 60));
            for (std::size_t i = 0; i < std::size(states); ++i) {
                PropertyBag bag;
                look.store(bag, content.caption);
                bag.set("Caption", std::string(content.caption ? "&Play" : ""));
                if (content.picture)
                    bag.set("Picture", play);
                bag.set("HighlightColor", 0x00C06000); // a blue caption under the pointer
                GallerySite site;
                ButtonEx button;
                site.host(button, 98, 31);
                button.readProperties(bag);
                states[i].show(button);
                out.save(std::string(look.name) + "-" + content.name + "-" + states[i].name, button.surface());
                sheet.drawOver(button.surface(), {kLabelW + static_cast<int>(i) * kCellW + 8, top + 10});
            }
            ++row;
        }
    out.save("sheet", sheet);
}
