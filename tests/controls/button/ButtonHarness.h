#pragma once

// A ButtonEx in a FakeSite on a ManualClock, with builders for the small skins and pictures
// the button tests draw on, and helpers that read what ended up on the face.

#include "controls/button/ButtonEx.h"
#include "platform/window/PropertyBag.h"
#include "tests/fakes/FakeSite.h"
#include "tests/fakes/ManualClock.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace buttontest {

using platform::Argb;
using platform::Picture;
using platform::Surface;
using platform::rgb;

constexpr Argb kKey = rgb(0, 0, 255); // the default TransparentColor
constexpr Argb kFace = rgb(236, 233, 216);
constexpr Argb kHighlight = rgb(255, 255, 255);
constexpr Argb kLight = rgb(241, 239, 226);
constexpr Argb kShadow = rgb(172, 168, 153);
constexpr Argb kDarkShadow = rgb(113, 111, 100);
constexpr Argb kBlack = rgb(0, 0, 0);

// Skin colours, one per state, so the face's centre tells which skin shows.
constexpr Argb kUpSkin = rgb(200, 40, 40);
constexpr Argb kOverSkin = rgb(40, 200, 40);
constexpr Argb kDownSkin = rgb(40, 40, 160);
constexpr Argb kDisabledSkin = rgb(128, 128, 128);
constexpr Argb kFocusSkin = rgb(200, 200, 40);

// A W × H skin of COLOUR whose corner pixels are key-coloured holes.
inline Picture skin(int w, int h, Argb colour)
{
    Surface s(w, h, colour);
    for (const auto& [x, y] : {std::pair{0, 0}, {w - 1, 0}, {0, h - 1}, {w - 1, h - 1}})
        s.setPixel(x, y, kKey);
    return Picture::fromSurface(s);
}

// A SIZE × SIZE picture: a square of COLOUR inside a one-pixel frame of FRAME.
inline Picture framedSquare(int size, Argb colour, Argb frame = kKey)
{
    Surface s(size, size, frame);
    s.fillRect({1, 1, size - 2, size - 2}, colour);
    return Picture::fromSurface(s);
}

inline bool isHole(Argb pixel) { return (pixel >> 24) == 0; }

struct Ink {
    int left = 0, top = 0, right = -1, bottom = -1; // inclusive; empty when right < left
    bool empty() const { return right < left; }
    bool operator==(const Ink&) const = default;
};

// The box of the pixels inside AREA that differ from BACKGROUND.
inline Ink inkBox(const Surface& s, platform::Rect area, Argb background)
{
    Ink ink{area.x + area.width, area.y + area.height, -1, -1};
    for (int y = area.y; y < area.y + area.height; ++y)
        for (int x = area.x; x < area.x + area.width; ++x)
            if (s.pixel(x, y) != background) {
                ink.left = std::min(ink.left, x);
                ink.top = std::min(ink.top, y);
                ink.right = std::max(ink.right, x);
                ink.bottom = std::max(ink.bottom, y);
            }
    return ink.right < 0 ? Ink{} : ink;
}

inline bool containsColour(const Surface& s, Argb colour)
{
    for (int y = 0; y < s.height(); ++y)
        for (int x = 0; x < s.width(); ++x)
            if (s.pixel(x, y) == colour)
                return true;
    return false;
}

struct ButtonHarness {
    fakes::ManualClock clock;
    fakes::FakeSite site{clock};
    controls::ButtonEx button;
    std::vector<platform::ControlEvent> events;

    ButtonHarness()
    {
        button.setEventSink([this](const platform::ControlEvent& e) { events.push_back(e); });
    }

    // A brand-new instance placed on the form at W × H pixels.
    void placeNew(int w = 80, int h = 24)
    {
        site.host(button, w, h);
        button.initProperties();
        reset();
    }
    // An instance loaded from stored properties, first hosted at W × H pixels.
    void load(const platform::PropertyBag& bag, int w = 80, int h = 24)
    {
        site.host(button, w, h);
        button.readProperties(bag);
        reset();
    }
    void reset()
    {
        events.clear();
        site.changedProperties.clear();
        site.invalidations = 0;
    }
    // The names of the events raised since the last call, which forgets them.
    std::vector<std::string> takeEvents()
    {
        std::vector<std::string> names;
        for (const auto& e : events)
            names.push_back(e.name);
        events.clear();
        return names;
    }

    const Surface& face() const { return button.surface(); }
    Argb centre() const { return face().pixel(face().width() / 2, face().height() / 2); }

    // Pointer over the button (for the hover check) and a move at (X, Y) with BUTTONS held.
    void moveOver(int buttons = 0, int x = 5, int y = 5)
    {
        site.setPointer({x, y}, true);
        button.mouseMove(buttons, 0, x, y);
    }
    void leave() { site.setPointer({-50, -50}, false); }
    void tick() { clock.advance(1); }
};

// A stored instance as the lesson window keeps them: skinned, no caption, the 9-point
// "宋体" font, the custom pointer, a 98 × 31 skin for Up and one for Over.
inline platform::PropertyBag lessonButtonBag()
{
    platform::PropertyBag bag;
    bag.set("_extentx", 2593);
    bag.set("_extenty", 820);
    bag.set("appearance", 2);
    bag.set("caption", std::string());
    bag.set("font", platform::FontInfo{"宋体", 9.0, 400, 134});
    bag.set("mousepointer", 99);
    bag.set("mouseicon", Picture::cursor(Surface(32, 32, rgb(255, 255, 255)), {6, 0}));
    bag.set("skinup", skin(98, 31, kUpSkin));
    bag.set("skinover", skin(98, 31, kOverSkin));
    return bag;
}

// A pixel of a face and the colour it must have.
struct Probe {
    int x, y;
    Argb colour;
};

inline void expectPixels(const Surface& s, const std::vector<Probe>& probes)
{
    for (const Probe& p : probes) {
        SCOPED_TRACE(testing::Message() << "pixel (" << p.x << ", " << p.y << ")");
        EXPECT_EQ(s.pixel(p.x, p.y), p.colour);
    }
}

} // namespace buttontest
