#pragma once

#include "platform/draw/Surface.h"
#include "platform/window/HostedControl.h"

#include <array>
#include <cstdint>
#include <string>

namespace controls {

// The XP-style progress bar: a white bar in a rounded grey frame, filled from the left with
// separate 8-pixel blocks (block style, `Style` 0) or crossed by a short train of three
// 4-pixel blocks that moves 5 pixels on every `Value` assignment (marquee style, any other
// `Style`). It raises no events and takes no input.
//
// Painting is incremental and happens only in resized() and in a `Value` assignment that
// passed its checks: nothing paints a block twice until the next reset. The picture lives
// on the control's own surface, which the host copies after each invalidate(), so a
// repaint by the platform never loses what was painted.
//
// Refusals: a `Value` outside `Min`..`Max`, a `Min` above `Max` or below 0 and a `Max`
// below `Min` show one alert through the site (the first failed check's message) and leave
// the property and the picture as they were. `Min` and `Max` never repaint and do not check
// the current `Value`. Every accepted assignment reports the property changed to the site;
// every paint ends with one invalidate().
//
// Decisions of this bar's own:
// - A brand-new instance shows look 0 (`master`, green): its block images are loaded at
//   creation, before any stored `ProgressLook` is read.
// - Block style with `Max` equal to `Min`: the only value that passes the checks equals
//   `Min`, which clears the bar as any value at `Min` does, and nothing is painted: a range
//   of no length shows no progress. No scale is computed, so nothing divides by zero.
// - Stored properties that break the range (a `Min` above `Max`) are read as they are; every
//   `Value` assignment is then refused until the range is mended, and nothing is painted.
class Xp_ProgressBar : public platform::HostedControl {
public:
    // The run-time fields of the painting routines, readable for tests and the gallery.
    struct BarState {
        int PenX = 4;          // x of the next block to paint in block style
        std::int32_t LastValue = 0; // `Value` seen by the previous block-style update
        bool BarFull = false;  // the narrow end block has been painted
        int MarqueePos = 4;    // x of the marquee train's trailing (palest) block
        int SurfaceWidth = 0;  // client width, pixels
        int InnerHeight = 0;   // client height − 6, pixels
        int BlockWidth = 0;    // size of working image 0 (8 × 10)
        int BlockHeight = 0;
    };

    Xp_ProgressBar();

    std::string className() const override { return "Xp_ProgressBar"; }
    const platform::Surface& surface() const override { return m_surface; }
    bool takesFocus() const override { return false; }

    // Stored as "Min", "Max", "Value", "Style", "ProgressLook", in that order. Reading stores
    // the first four without checks or painting; `ProgressLook` goes through its setter.
    void readProperties(const platform::PropertyBag& bag) override;
    void writeProperties(platform::PropertyBag& bag) const override;

    // Clears the bar and paints the frame at the new size; the bar stays empty until the next
    // `Value` assignment.
    void resized(int widthPx, int heightPx) override;

    std::int32_t Value() const { return m_value; }
    void setValue(std::int32_t value);
    std::int32_t Min() const { return m_min; }
    void setMin(std::int32_t value);
    std::int32_t Max() const { return m_max; }
    void setMax(std::int32_t value);
    std::int32_t Style() const { return m_style; }
    void setStyle(std::int32_t value);
    // Colour look 0-7 (`master`, `blue`, `bluemet`, `goldmet`, `grmet`, `greymet`,
    // `orangemet`, `redmet`). Other numbers are stored but keep the images of the last valid
    // look. Blocks already painted keep their colours.
    std::int32_t ProgressLook() const { return m_progressLook; }
    void setProgressLook(std::int32_t value);

    const BarState& state() const { return m_state; }

private:
    bool isBlockStyle() const { return m_style == 0; }
    bool refuse(bool failed, const char* message, const char* title) const;
    void changed(const char* name) const;
    void show() const;

    void PaintFrame();
    void ResetBarState();
    void AdvanceBlocks();
    void FinishBar();
    void StepMarquee();
    void LoadLookImages();
    // Paints SOURCE whole, stretched to WIDTH × `InnerHeight` at (X, 3).
    void paintBlock(const platform::Surface& source, int x, int width);

    std::int32_t m_value = 0;
    std::int32_t m_min = 0;
    std::int32_t m_max = 100;
    std::int32_t m_style = 0;
    std::int32_t m_progressLook = 0;

    int m_width = 0;  // client size, pixels
    int m_height = 0;
    BarState m_state;
    platform::Surface m_surface;
    platform::Surface m_img;   // the frame image, 59 × 13
    platform::Surface m_blank; // the eraser, 8 × 10 white
    std::array<platform::Surface, 3> m_pc; // the current look's block images, palest first
};

} // namespace controls
