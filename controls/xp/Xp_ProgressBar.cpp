#include "controls/xp/Xp_ProgressBar.h"

#include <algorithm>

#include "controls/xp/ProgressBarArt.h"
#include "platform/window/ControlSite.h"
#include "platform/window/PropertyBag.h"

namespace controls {
namespace {

constexpr std::int32_t kDefaultMin = 0;
constexpr std::int32_t kDefaultMax = 100;
constexpr std::int32_t kDefaultValue = 0;
constexpr std::int32_t kDefaultStyle = 0;
constexpr std::int32_t kDefaultLook = 0;

constexpr int kBlockStep = 10; // block style: an 8-pixel block and a 2-pixel gap
constexpr int kTrainStep = 5;  // marquee style: a 4-pixel block and a 1-pixel gap

// The control's background, seen only where the frame does not reach (a bar under 6 pixels).
const platform::Argb kBackground = platform::toArgb(platform::kSysButtonFace);

constexpr const char* kValueTitle = "发生错误";
constexpr const char* kRangeTitle = "Error";

} // namespace

Xp_ProgressBar::Xp_ProgressBar()
    : m_img(ProgressBarArt::frame()), m_blank(ProgressBarArt::blank())
{
    LoadLookImages();
    ResetBarState();
}

// ---- stored properties

void Xp_ProgressBar::readProperties(const platform::PropertyBag& bag)
{
    m_min = bag.readInt("Min", kDefaultMin);
    m_max = bag.readInt("Max", kDefaultMax);
    m_value = bag.readInt("Value", kDefaultValue);
    m_style = bag.readInt("Style", kDefaultStyle);
    setProgressLook(bag.readInt("ProgressLook", kDefaultLook));
}

void Xp_ProgressBar::writeProperties(platform::PropertyBag& bag) const
{
    bag.writeInt("Min", m_min, kDefaultMin);
    bag.writeInt("Max", m_max, kDefaultMax);
    bag.writeInt("Value", m_value, kDefaultValue);
    bag.writeInt("Style", m_style, kDefaultStyle);
    bag.writeInt("ProgressLook", m_progressLook, kDefaultLook);
}

// ---- properties

void Xp_ProgressBar::setValue(std::int32_t value)
{
    if (refuse(value > m_max, "Value 属性不可以比最大值还大!", kValueTitle)
        || refuse(value < m_min, "Value 属性不可以比最小值还小!", kValueTitle))
        return;
    m_value = value;
    changed("Value");
    if (!isBlockStyle()) {
        if (m_value == m_max)
            PaintFrame();
        else
            StepMarquee();
    } else {
        AdvanceBlocks();
    }
    show();
}

void Xp_ProgressBar::setMin(std::int32_t value)
{
    if (refuse(value > m_max, "Minimum can NOT be biger than maximum !", kRangeTitle)
        || refuse(value < 0, "Minimum can NOT be smaller then 0 !", kRangeTitle))
        return;
    m_min = value;
    changed("Min");
}

void Xp_ProgressBar::setMax(std::int32_t value)
{
    if (refuse(value < m_min, "Maximum can NOT be smaller than minimum !", kRangeTitle))
        return;
    m_max = value;
    changed("Max");
}

void Xp_ProgressBar::setStyle(std::int32_t value)
{
    m_style = value;
    changed("Style");
}

void Xp_ProgressBar::setProgressLook(std::int32_t value)
{
    m_progressLook = value;
    changed("ProgressLook");
    LoadLookImages();
}

bool Xp_ProgressBar::refuse(bool failed, const char* message, const char* title) const
{
    if (failed && site())
        site()->showAlert(message, title);
    return failed;
}

void Xp_ProgressBar::changed(const char* name) const
{
    if (site())
        site()->propertyChanged(name);
}

void Xp_ProgressBar::show() const
{
    if (site())
        site()->invalidate();
}

// ---- painting

void Xp_ProgressBar::resized(int widthPx, int heightPx)
{
    m_width = std::max(0, widthPx);
    m_height = std::max(0, heightPx);
    PaintFrame();
    show();
}

void Xp_ProgressBar::PaintFrame()
{
    const int w = m_width, h = m_height;
    if (m_surface.width() != w || m_surface.height() != h)
        m_surface.resize(w, h, kBackground);
    else
        m_surface.fill(kBackground);
    m_surface.stretchFrom(m_img, {0, 0, 3, 3}, {0, 0, 3, 3});
    m_surface.stretchFrom(m_img, {56, 0, 3, 3}, {w - 3, 0, 3, 3});
    m_surface.stretchFrom(m_img, {56, 10, 3, 3}, {w - 3, h - 3, 3, 3});
    m_surface.stretchFrom(m_img, {0, 10, 3, 3}, {0, h - 3, 3, 3});
    m_surface.stretchFrom(m_img, {3, 0, 12, 3}, {3, 0, w - 6, 3});
    m_surface.stretchFrom(m_img, {56, 3, 3, 3}, {w - 3, 3, 3, h - 6});
    m_surface.stretchFrom(m_img, {3, 10, 1, 3}, {3, h - 3, w - 6, 3});
    m_surface.stretchFrom(m_img, {0, 3, 3, 3}, {0, 3, 3, h - 6});
    m_surface.stretchFrom(m_img, {4, 4, 51, 7}, {3, 3, w - 6, h - 6});
    m_state.MarqueePos = 4;
    ResetBarState();
}

void Xp_ProgressBar::ResetBarState()
{
    m_state.PenX = 4;
    m_state.LastValue = m_value;
    m_state.BarFull = false;
    m_state.SurfaceWidth = m_width;
    m_state.InnerHeight = m_height - 6;
    m_state.BlockWidth = m_pc[0].width();
    m_state.BlockHeight = m_pc[0].height();
}

void Xp_ProgressBar::paintBlock(const platform::Surface& source, int x, int width)
{
    m_surface.stretchFrom(source, {0, 0, m_state.BlockWidth, m_state.BlockHeight}, {x, 3, width, m_state.InnerHeight});
}

void Xp_ProgressBar::AdvanceBlocks()
{
    if (m_value <= m_min)
        PaintFrame();
    if (m_value < m_state.LastValue)
        PaintFrame(); // cleared; painted again from the left below
    m_state.LastValue = m_value;
    // A range of no length has no scale: the bar stays empty (the value is then at Min).
    if (m_max <= m_min)
        return;
    const double target = static_cast<double>(m_state.SurfaceWidth) * (static_cast<double>(m_value) - m_min)
                          / (static_cast<double>(m_max) - m_min);
    while (m_state.PenX < target && !m_state.BarFull) {
        if (m_state.PenX + kBlockStep >= m_state.SurfaceWidth) {
            FinishBar();
            return;
        }
        paintBlock(m_pc[2], m_state.PenX, m_state.BlockWidth);
        m_state.PenX += kBlockStep;
    }
}

void Xp_ProgressBar::FinishBar()
{
    const int rest = m_state.SurfaceWidth - 3 - m_state.PenX;
    if (rest > 0)
        paintBlock(m_pc[2], m_state.PenX, rest);
    m_state.BarFull = true;
}

void Xp_ProgressBar::StepMarquee()
{
    const int p = m_state.MarqueePos;
    const int w = m_state.SurfaceWidth;
    const int blockWidth = m_state.BlockWidth / 2;
    if (p != 2 && p != 4)
        paintBlock(m_blank, p - kTrainStep, blockWidth); // the tail left by the previous step
    if (p + 20 < w)
        paintBlock(m_pc[2], p + 2 * kTrainStep, blockWidth);
    if (p + 10 < w)
        paintBlock(m_pc[1], p + kTrainStep, blockWidth);
    if (p + 5 < w)
        paintBlock(m_pc[0], p, blockWidth);
    if (p + 5 >= w) {
        const int rest = w - 3 - p;
        if (rest > 0)
            paintBlock(m_blank, p, rest);
        m_state.MarqueePos = 2;
    } else {
        m_state.MarqueePos = p + kTrainStep;
    }
}

void Xp_ProgressBar::LoadLookImages()
{
    if (m_progressLook < 0 || m_progressLook >= ProgressBarArt::kLookCount)
        return;
    m_pc = ProgressBarArt::look(m_progressLook);
}

} // namespace controls
