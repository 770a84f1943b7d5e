#include "controls/xp/XpChoiceControl.h"

#include <cmath>

#include "platform/window/ControlSite.h"

namespace controls {
namespace {

constexpr int kTwipsPerPixel = 15;

int twipsToPixels(int twips)
{
    return static_cast<int>(std::lround(static_cast<double>(twips) / kTwipsPerPixel));
}

} // namespace

XpChoiceLayout XpChoiceLayout::compute(int controlHeightPx, platform::Size labelPx)
{
    const int height = controlHeightPx * kTwipsPerPixel;
    XpChoiceLayout l;
    l.boxTopTwips = (height - kBoxTwips) / 2;
    l.labelTopTwips = (height - labelPx.height * kTwipsPerPixel) / 2;
    const int boxPx = kBoxTwips / kTwipsPerPixel;
    l.box = { 0, twipsToPixels(l.boxTopTwips), boxPx, boxPx };
    l.label = { kLabelLeftTwips / kTwipsPerPixel, twipsToPixels(l.labelTopTwips), labelPx.width, labelPx.height };
    return l;
}

XpChoiceControl::XpChoiceControl(Traits traits, int initialFace)
    : m_traits(traits)
    , m_face(initialFace)
{
}

XpChoiceControl::~XpChoiceControl() = default;

// ---- shared properties

void XpChoiceControl::setFont(const platform::FontInfo& font)
{
    m_font = font;
    layOut();
    markChanged("Font");
}

void XpChoiceControl::setCaption(const std::string& caption)
{
    m_caption = caption;
    layOut();
    markChanged("Caption");
}

void XpChoiceControl::setForeColor(platform::OleColour colour)
{
    m_foreColor = colour;
    applyEnabledLook();
    markChanged("ForeColor");
}

void XpChoiceControl::setEnabledState(bool enabled)
{
    m_enabled = enabled;
    if (site())
        site()->setWindowEnabled(enabled);
}

void XpChoiceControl::markChanged(const std::string& name)
{
    if (site())
        site()->propertyChanged(name);
}

platform::FontInfo XpChoiceControl::containerFont() const
{
    return site() ? site()->ambientFont() : platform::FontInfo {};
}

// ---- faces

void XpChoiceControl::showFace(int face)
{
    m_face = face;
    repaint();
}

void XpChoiceControl::showNormalFace()
{
    if (!isLookEnabled()) {
        showDisabledFace();
        return;
    }
    if (const auto row = faceRow())
        showFace(4 * *row);
}

void XpChoiceControl::showDisabledFace()
{
    if (const auto row = faceRow())
        showFace(4 * *row + 3);
}

void XpChoiceControl::applyEnabledLook()
{
    if (isLookEnabled()) {
        showNormalFace();
        m_captionColour = m_foreColor;
    } else {
        showDisabledFace();
        m_captionColour = platform::kSysGrayText;
        stopHoverTimer();
    }
    repaint();
}

// ---- pointer

void XpChoiceControl::pointerMoved(int button, int shift, float x, float y)
{
    if (!isLookEnabled() || m_face == m_hotFace || m_pressed)
        return;
    startHoverTimer();
    if (const auto row = faceRow()) {
        m_hotFace = 4 * *row + 1;
        showFace(m_hotFace);
    }
    raise({ .name = "MouseMove", .button = button, .shift = shift, .x = x, .y = y });
}

void XpChoiceControl::buttonPressed(int button, int shift, float x, float y)
{
    if (!isLookEnabled())
        return;
    if (const auto row = faceRow())
        showFace(4 * *row + 2);
    m_pressed = true;
    raise({ .name = "MouseDown", .button = button, .shift = shift, .x = x, .y = y });
}

XpChoiceControl::Part XpChoiceControl::partAt(platform::Point p) const
{
    if (m_layout.box.contains(p))
        return Part::Box;
    if (m_layout.label.contains(p))
        return Part::Label;
    return Part::Surface;
}

platform::Point XpChoiceControl::twipsIn(Part part, platform::Point p) const
{
    platform::Point origin;
    if (part == Part::Box)
        origin = { m_layout.box.x, m_layout.box.y };
    else if (part == Part::Label)
        origin = { m_layout.label.x, m_layout.label.y };
    return { (p.x - origin.x) * kTwipsPerPixel, (p.y - origin.y) * kTwipsPerPixel };
}

void XpChoiceControl::mouseDown(int button, int shift, int x, int y)
{
    if (!m_capture)
        m_capture = partAt({ x, y });
    const platform::Point t = twipsIn(*m_capture, { x, y });
    buttonPressed(button, shift, static_cast<float>(t.x), static_cast<float>(t.y));
}

void XpChoiceControl::mouseMove(int button, int shift, int x, int y)
{
    const Part part = m_capture ? *m_capture : partAt({ x, y });
    platform::Point t = twipsIn(part, { x, y });
    if (part == Part::Box && m_traits.boxMoveReportsBoxPlace)
        t = { 0, m_layout.boxTopTwips };
    pointerMoved(button, shift, static_cast<float>(t.x), static_cast<float>(t.y));
}

void XpChoiceControl::mouseUp(int button, int shift, int x, int y)
{
    const Part part = m_capture ? *m_capture : partAt({ x, y });
    m_capture.reset();
    const platform::Point t = twipsIn(part, { x, y });
    raise({ .name = "MouseUp", .button = button, .shift = shift, .x = static_cast<float>(t.x), .y = static_cast<float>(t.y) });
    m_pressed = false;
}

// ---- keyboard and focus

void XpChoiceControl::keyDown(int keyCode, int shift)
{
    raise({ .name = "KeyDown", .shift = shift, .keyCode = keyCode });
}

void XpChoiceControl::keyPress(int keyAscii)
{
    if (keyAscii != platform::keys::kSpace)
        return;
    raise({ .name = "KeyPress", .keyAscii = keyAscii });
    raiseSimple("Click");
    buttonPressed(platform::buttons::kLeft, 0, 0, 0);
}

void XpChoiceControl::keyUp(int keyCode, int shift)
{
    if (keyCode != platform::keys::kSpace)
        return;
    raise({ .name = "KeyUp", .shift = shift, .keyCode = keyCode });
    activate();
    m_pressed = false;
}

void XpChoiceControl::gotFocus()
{
    pointerMoved(0, 0, 0, 0);
    stopHoverTimer();
}

void XpChoiceControl::lostFocus()
{
    m_hotFace = m_traits.focusLostHotFace;
    pointerMoved(0, 0, 0, 0);
}

void XpChoiceControl::raiseSimple(const char* name) const
{
    raise({ .name = name });
}

// ---- hover timer

void XpChoiceControl::startHoverTimer()
{
    if (!m_timer && site()) {
        m_timer = site()->createTimer();
        m_timer->setOnTick([this] { hoverTick(); });
    }
    if (m_timer)
        m_timer->setInterval(m_traits.hoverIntervalMs);
}

void XpChoiceControl::stopHoverTimer()
{
    if (m_timer)
        m_timer->setInterval(0);
}

// The pointer counts as inside up to and including the right and bottom edges.
void XpChoiceControl::hoverTick()
{
    if (!site())
        return;
    const platform::Point p = site()->pointerPosition();
    const bool outside = p.x < 0 || p.y < 0 || p.x > m_surface.width() || p.y > m_surface.height();
    if (!outside || m_pressed)
        return;
    showNormalFace();
    stopHoverTimer();
    raiseSimple("MouseOut");
}

// ---- layout and drawing

void XpChoiceControl::resized(int widthPx, int heightPx)
{
    m_surface.resize(widthPx, heightPx, platform::toArgb(m_backColor));
    layOut();
}

void XpChoiceControl::layOut()
{
    m_layout = XpChoiceLayout::compute(m_surface.height(), platform::Surface::textSize(m_caption, m_font));
    repaint();
}

void XpChoiceControl::repaint()
{
    if (m_surface.isNull())
        return;
    m_surface.fill(platform::toArgb(m_backColor));
    drawFace(m_surface, { m_layout.box.x, m_layout.box.y }, m_face);
    m_surface.drawText(m_caption, { m_layout.label.x, m_layout.label.y }, m_font, platform::toArgb(m_captionColour));
    if (site())
        site()->invalidate();
}

} // namespace controls
