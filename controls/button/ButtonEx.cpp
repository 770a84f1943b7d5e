// ButtonEx: properties, persistence, input and events. The face is drawn in ButtonExRedraw.cpp.

#include "controls/button/ButtonEx.h"

#include <array>
#include <cmath>
#include <limits>
#include <utility>

#include "platform/window/ControlSite.h"
#include "platform/window/PropertyBag.h"

namespace controls {
namespace {

using platform::OleColour;

// A new instance is 1200 × 360 twips.
constexpr int kNewWidthTwips = 1200;
constexpr int kNewHeightTwips = 360;
// Timer1 polls the pointer every millisecond (or as often as the platform's timers allow).
constexpr int kTrackingIntervalMs = 1;

constexpr std::array<std::pair<std::string_view, std::string_view>, 37> kDescriptions{{
    {"Appearance", "Returns/sets whether or not the control is painted with 3-D effects."},
    {"BackColor", "Returns/sets the background color used to display text and graphics in the control."},
    {"Caption", "Returns/sets the text displayed in the control."},
    {"CaptionOffsetX", "Returns/sets the horizontal offset for displaying the caption."},
    {"CaptionOffsetY", "Returns/sets the vertical offset for displaying the caption."},
    {"Enabled", "Returns/sets a value that determines whether an object can respond to user-generated events."},
    {"ForeColor", "Returns/sets the foreground color used to display text and graphics in the control."},
    {"Font", "Returns/sets a Font object used to display text in the control."},
    {"HighlightColor", "Returns/sets the highlight color used to display text and graphics when the mouse is over the control."},
    {"HighlightPicture", "Returns/sets whether or not to highlight the object's picture with the HighlightColor."},
    {"MouseIcon", "Returns/sets a custom mouse icon."},
    {"MousePointer", "Returns/sets the type of mouse pointer displayed when over part of the control."},
    {"Picture", "Returns/sets a graphic to be displayed in the control."},
    {"PictureDisabled", "Returns/sets a graphic to be displayed in the control for the disabled state."},
    {"PictureOffsetX", "Returns/sets the horizontal offset for displaying the picture."},
    {"PictureOffsetY", "Returns/sets the vertical offset for displaying the picture."},
    {"RightToLeft", "Determines text display direction and control visual appearance on a bidirectional system."},
    {"SkinDisabled", "Returns/sets a graphic to be displayed for the control when it is disabled."},
    {"SkinDown", "Returns/sets a graphic to be displayed for the control the mouse has been pressed over it."},
    {"SkinFocus", "Returns/sets a graphic to be displayed for the control when it default."},
    {"SkinOver", "Returns/sets a graphic to be displayed for the control when the mouse is over it."},
    {"SkinUp", "Returns/sets a graphic to be displayed for the control."},
    {"Style", "Returns/sets the style for the control."},
    {"ToolTipText", "Returns/sets the text displayed when the mouse cursor is over the control."},
    {"TransparentColor", "Returns/sets the color of the platform::Picture property to make transparent."},
    {"Value", "Returns/sets a default state for the control."},
    {"WhatsThisHelpID", "Returns/sets an associated help context ID for the control."},
    {"Click", "Occurs when the user presses and then releases a mouse button over the control."},
    {"KeyDown", "Occurs when the user presses a key while the control has the focus."},
    {"KeyPress", "Occurs when the user presses and releases an ANSI key."},
    {"KeyUp", "Occurs when the user releases a key while the control has the focus."},
    {"MouseDown", "Occurs when the user presses the mouse button while the control has the focus."},
    {"MouseEnter", "Occurs when the user moves the mouse over the control after MouseExit event."},
    {"MouseExit", "Occurs when the user moves the mouse out of the control after MouseEnter event."},
    {"MouseMove", "Occurs when the user moves the mouse."},
    {"MouseUp", "Occurs when the user releases the mouse button while the control has the focus."},
    {"Resize", "Occurs when a form is first displayed or the size of the control changes."},
}};

// HIMETRIC (0.01 mm) and twips (1/1440 inch), rounded to the nearest.
int himetricToTwips(std::int32_t himetric) { return static_cast<int>(std::lround(himetric * 1440.0 / 2540.0)); }
std::int32_t twipsToHimetric(int twips) { return static_cast<std::int32_t>(std::lround(twips * 2540.0 / 1440.0)); }

// The UTF-8 character starting at byte I of TEXT.
std::string characterAt(const std::string& text, std::size_t i)
{
    const auto lead = static_cast<unsigned char>(text[i]);
    const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    return text.substr(i, length);
}

platform::ControlEvent mouseArgs(int button, int shift, int x, int y)
{
    platform::ControlEvent e;
    e.button = button;
    e.shift = shift;
    e.x = static_cast<float>(x * kTwipsPerPixel);
    e.y = static_cast<float>(y * kTwipsPerPixel);
    return e;
}

} // namespace

ButtonEx::ButtonEx()
    : m_pictTempDestination(m_imgPicture.width, m_imgPicture.height, platform::toArgb(platform::kSysButtonFace))
    , m_pictTempHighlight(m_imgPicture.width, m_imgPicture.height, platform::toArgb(platform::kSysButtonFace))
    , m_widthPx(kNewWidthTwips / kTwipsPerPixel)
    , m_heightPx(kNewHeightTwips / kTwipsPerPixel)
{
    // Initialize: the button's size; the container learns it with the first life-cycle call.
    m_surface.resize(m_widthPx, m_heightPx, platform::toArgb(m_backColor));
}

ButtonEx::~ButtonEx() = default;

std::string_view ButtonEx::description(std::string_view name)
{
    for (const auto& [property, text] : kDescriptions)
        if (property == name)
            return text;
    return {};
}

// ---- Properties -------------------------------------------------------------------------

void ButtonEx::changed(const char* name)
{
    if (site())
        site()->propertyChanged(name);
}

void ButtonEx::setAppearance(std::int32_t value)
{
    m_appearance = value;
    Redraw(m_currentState);
    changed("Appearance");
}

void ButtonEx::setBackColor(OleColour value)
{
    m_backColor = value;
    m_imgPicture.backColor = value;
    Redraw(m_currentState);
    changed("BackColor");
}

void ButtonEx::setCaption(const std::string& value)
{
    m_caption = value;
    updateAccessKey();
    Redraw(m_currentState);
    changed("Caption");
}

void ButtonEx::updateAccessKey()
{
    // The first "&" that is not doubled marks the key; "&&" is a literal ampersand. A caption
    // without a marker leaves the key as it was.
    std::size_t p = m_caption.find('&');
    while (p != std::string::npos) {
        if (p + 1 >= m_caption.size() || m_caption[p + 1] != '&') {
            const std::string key = p + 1 < m_caption.size() ? characterAt(m_caption, p + 1) : std::string();
            if (site())
                site()->setAccessKey(key);
            return;
        }
        p = m_caption.find('&', p + 2);
    }
}

void ButtonEx::setCaptionOffsetX(std::int32_t value)
{
    m_captionOffsetX = value;
    Redraw(m_currentState);
    changed("CaptionOffsetX");
}

void ButtonEx::setCaptionOffsetY(std::int32_t value)
{
    m_captionOffsetY = value;
    Redraw(m_currentState);
    changed("CaptionOffsetY");
}

void ButtonEx::setEnabled(bool value)
{
    m_enabled = value;
    if (site())
        site()->setWindowEnabled(value);
    m_imgPicture.enabled = value;
    if (value)
        m_currentState = ButtonState::Up;
    Redraw(m_currentState);
    changed("Enabled");
}

void ButtonEx::setForeColor(OleColour value)
{
    m_foreColor = value;
    m_imgPicture.foreColor = value;
    Redraw(m_currentState);
    changed("ForeColor");
}

void ButtonEx::setFont(const platform::FontInfo& value)
{
    m_font = value;
    m_imgPicture.font = value;
    Redraw(m_currentState);
    changed("Font");
}

void ButtonEx::setHighlightColor(OleColour value)
{
    m_highlightColor = value;
    Redraw(m_currentState);
    changed("HighlightColor");
}

void ButtonEx::setHighlightPicture(bool value)
{
    m_highlightPicture = value;
    Redraw(ButtonState::Disabled);
    changed("HighlightPicture");
}

void ButtonEx::applyPointer()
{
    if (site())
        site()->setPointer(m_imgPicture.mousePointer, m_mouseIcon);
}

void ButtonEx::setMouseIcon(const platform::Picture& value)
{
    m_mouseIcon = value;
    m_imgPicture.mouseIcon = value;
    applyPointer();
    changed("MouseIcon");
}

platform::Status ButtonEx::setMousePointer(std::int32_t value)
{
    m_mousePointer = value;
    if (value < std::numeric_limits<std::int16_t>::min() || value > std::numeric_limits<std::int16_t>::max())
        return platform::Error{platform::Error::Code::Other, "MousePointer " + std::to_string(value) + " is not a 16-bit number"};
    m_imgPicture.mousePointer = value;
    applyPointer();
    changed("MousePointer");
    return platform::success();
}

void ButtonEx::setPicture(const platform::Picture& value)
{
    m_picture = value;
    m_imgPicture.setPicture(value);
    Redraw(m_currentState);
    changed("Picture");
}

void ButtonEx::setPictureDisabled(const platform::Picture& value)
{
    m_pictureDisabled = value;
    changed("PictureDisabled");
}

void ButtonEx::setPictureDown(const platform::Picture& value)
{
    m_pictureDown = value;
    changed("PictureDown");
}

void ButtonEx::setPictureFocus(const platform::Picture& value)
{
    m_pictureFocus = value;
    changed("PictureFocus");
}

void ButtonEx::setPictureOffsetX(std::int32_t value)
{
    m_pictureOffsetX = value;
    Redraw(m_currentState);
    changed("PictureOffsetX");
}

void ButtonEx::setPictureOffsetY(std::int32_t value)
{
    m_pictureOffsetY = value;
    Redraw(m_currentState);
    changed("PictureOffsetY");
}

void ButtonEx::setPictureOver(const platform::Picture& value)
{
    m_pictureOver = value;
    changed("PictureOver");
}

void ButtonEx::setRightToLeft(bool value)
{
    m_rightToLeft = value;
    m_imgPicture.rightToLeft = value;
    Redraw(m_currentState);
    changed("RightToLeft");
}

void ButtonEx::setSkinDisabled(const platform::Picture& value)
{
    m_skinDisabled = value;
    Redraw(m_currentState);
    changed("SkinDisabled");
}

void ButtonEx::setSkinDown(const platform::Picture& value)
{
    m_skinDown = value;
    Redraw(m_currentState);
    changed("SkinDown");
}

void ButtonEx::setSkinFocus(const platform::Picture& value)
{
    m_skinFocus = value;
    Redraw(m_currentState);
    changed("SkinFocus");
}

void ButtonEx::setSkinOver(const platform::Picture& value)
{
    m_skinOver = value;
    Redraw(m_currentState);
    changed("SkinOver");
}

void ButtonEx::setSkinUp(const platform::Picture& value)
{
    m_skinUp = value;
    Redraw(m_currentState);
    changed("SkinUp");
}

void ButtonEx::setStyle(std::int32_t value)
{
    m_style = value;
    Redraw(m_currentState);
    changed("Style");
}

void ButtonEx::setToolTipText(const std::string& value)
{
    m_toolTipText = value;
    m_imgPicture.toolTipText = value;
    changed("ToolTipText");
}

void ButtonEx::setTransparentColor(OleColour value)
{
    m_transparentColor = value;
    Redraw(m_currentState);
    changed("TransparentColor");
}

void ButtonEx::setValue(std::int32_t value)
{
    m_value = value;
    Redraw(static_cast<ButtonState>(value));
    changed("Value");
}

void ButtonEx::setWhatsThisHelpID(std::int32_t value)
{
    m_whatsThisHelpID = value;
    m_imgPicture.whatsThisHelpID = value;
    changed("WhatsThisHelpID");
}

// ---- Life cycle -------------------------------------------------------------------------

void ButtonEx::ensureSized()
{
    if (!m_sizedByContainer && site())
        site()->setSizeTwips(kNewWidthTwips, kNewHeightTwips);
}

void ButtonEx::initProperties()
{
    ensureSized();
    setAppearance(1);
    setBackColor(platform::kSysButtonFace);
    setCaption("ButtonEx1");
    setCaptionOffsetX(0);
    setCaptionOffsetY(0);
    setEnabled(true);
    setForeColor(platform::kSysButtonText);
    setFont(site() ? site()->ambientFont() : platform::FontInfo{});
    setHighlightColor(platform::kSysButtonText);
    setHighlightPicture(false);
    setMouseIcon(platform::Picture::empty());
    (void)setMousePointer(0);
    setPicture(platform::Picture::empty());
    setPictureDisabled(platform::Picture::empty());
    setPictureDown(platform::Picture::empty());
    setPictureFocus(platform::Picture::empty());
    setPictureOffsetX(0);
    setPictureOffsetY(0);
    setPictureOver(platform::Picture::empty());
    setRightToLeft(false);
    setSkinDisabled(platform::Picture::empty());
    setSkinDown(platform::Picture::empty());
    setSkinFocus(platform::Picture::empty());
    setSkinOver(platform::Picture::empty());
    setSkinUp(platform::Picture::empty());
    setStyle(0);
    setToolTipText("");
    setTransparentColor(0x00FF0000);
    setValue(1);
    setWhatsThisHelpID(0);
}

void ButtonEx::readProperties(const platform::PropertyBag& bag)
{
    // The container's stored size comes first, as the container sizes an instance before
    // handing it its properties.
    if (bag.contains("_extentx") && bag.contains("_extenty") && site())
        site()->setSizeTwips(himetricToTwips(bag.readInt("_extentx", 0)), himetricToTwips(bag.readInt("_extenty", 0)));
    else
        ensureSized();

    setAppearance(bag.readInt("Appearance", 1));
    setBackColor(platform::colourFromStored(bag.readInt("BackColor", platform::storedColour(platform::kSysButtonFace))));
    setCaption(bag.readString("Caption", "ButtonEx1"));
    setCaptionOffsetX(bag.readInt("CaptionOffsetX", 0));
    setCaptionOffsetY(bag.readInt("CaptionOffsetY", 0));
    setEnabled(bag.readBool("Enabled", true));
    setForeColor(platform::colourFromStored(bag.readInt("ForeColor", platform::storedColour(platform::kSysButtonText))));
    setFont(bag.readFont("Font", site() ? site()->ambientFont() : platform::FontInfo{}));
    setHighlightColor(platform::colourFromStored(bag.readInt("HighlightColor", platform::storedColour(platform::kSysButtonText))));
    setHighlightPicture(bag.readBool("HighlightPicture", false));
    setMouseIcon(bag.readPicture("MouseIcon"));
    // A stored pointer number outside 16 bits stays stored but is not applied.
    (void)setMousePointer(bag.readInt("MousePointer", 0));
    setPicture(bag.readPicture("Picture"));
    setPictureDisabled(bag.readPicture("PictureDisabled"));
    setPictureDown(bag.readPicture("PictureDown"));
    setPictureFocus(bag.readPicture("PictureFocus"));
    setPictureOffsetX(bag.readInt("PictureOffsetX", 0));
    setPictureOffsetY(bag.readInt("PictureOffsetY", 0));
    setPictureOver(bag.readPicture("PictureOver"));
    setRightToLeft(bag.readBool("RightToLeft", false));
    setSkinDisabled(bag.readPicture("SkinDisabled"));
    setSkinDown(bag.readPicture("SkinDown"));
    setSkinFocus(bag.readPicture("SkinFocus"));
    setSkinOver(bag.readPicture("SkinOver"));
    setSkinUp(bag.readPicture("SkinUp"));
    setStyle(bag.readInt("Style", 0));
    setToolTipText(bag.readString("ToolTipText", ""));
    setTransparentColor(platform::colourFromStored(bag.readInt("TransparentColor", 0x00FF0000)));
    setValue(bag.readInt("Value", 1));
    setWhatsThisHelpID(bag.readInt("WhatsThisHelpID", 0));
}

void ButtonEx::writeProperties(platform::PropertyBag& bag) const
{
    const platform::FontInfo containerFont = site() ? site()->ambientFont() : platform::FontInfo{};
    bag.writeInt("Appearance", m_appearance, 1);
    bag.writeBool("Enabled", m_enabled, true);
    bag.writeInt("BackColor", platform::storedColour(m_backColor), platform::storedColour(platform::kSysButtonFace));
    bag.writeString("Caption", m_caption, "ButtonEx1");
    bag.writeInt("CaptionOffsetX", m_captionOffsetX, 0);
    bag.writeInt("CaptionOffsetY", m_captionOffsetY, 0);
    bag.writeInt("ForeColor", platform::storedColour(m_foreColor), platform::storedColour(platform::kSysButtonText));
    bag.writeFont("Font", m_font, containerFont);
    bag.writeInt("HighlightColor", platform::storedColour(m_highlightColor), platform::storedColour(platform::kSysButtonText));
    bag.writeBool("HighlightPicture", m_highlightPicture, false);
    bag.writePicture("Picture", m_picture);
    bag.writePicture("PictureDisabled", m_pictureDisabled);
    bag.writePicture("PictureDown", m_pictureDown);
    bag.writePicture("PictureFocus", m_pictureFocus);
    bag.writeInt("PictureOffsetX", m_pictureOffsetX, 0);
    bag.writeInt("PictureOffsetY", m_pictureOffsetY, 0);
    bag.writePicture("PictureOver", m_pictureOver);
    bag.writeBool("RightToLeft", m_rightToLeft, false);
    bag.writeInt("TransparentColor", platform::storedColour(m_transparentColor), 0x00FF0000);
    bag.writePicture("MouseIcon", m_mouseIcon);
    bag.writeInt("MousePointer", m_mousePointer, 0);
    bag.writePicture("SkinDisabled", m_skinDisabled);
    bag.writePicture("SkinDown", m_skinDown);
    bag.writePicture("SkinFocus", m_skinFocus);
    bag.writePicture("SkinOver", m_skinOver);
    bag.writePicture("SkinUp", m_skinUp);
    bag.writeInt("Style", m_style, 0);
    bag.writeString("ToolTipText", m_toolTipText, "");
    bag.writeInt("Value", m_value, 1);
    bag.writeInt("WhatsThisHelpID", m_whatsThisHelpID, 0);
    // The container's own entries: the size as it stands, always stored.
    bag.set("_extentx", twipsToHimetric(m_widthPx * kTwipsPerPixel));
    bag.set("_extenty", twipsToHimetric(m_heightPx * kTwipsPerPixel));
}

// ---- Input and events -------------------------------------------------------------------

void ButtonEx::resized(int widthPx, int heightPx)
{
    m_widthPx = widthPx;
    m_heightPx = heightPx;
    m_sizedByContainer = true;
    Redraw(ButtonState::Up);
    RaiseNamedEvent("Resize");
}

void ButtonEx::mouseDown(int button, int shift, int x, int y)
{
    if (button == platform::buttons::kLeft) {
        // A press flips the requested state; only a toggle button (Style 1) draws it.
        m_value = m_currentState == ButtonState::Down ? 1 : 0;
        Redraw(ButtonState::Down);
    }
    RaiseNamedEvent("MouseDown", mouseArgs(button, shift, x, y));
}

void ButtonEx::mouseMove(int button, int shift, int x, int y)
{
    trackingStep(button);
    if (x >= 0 && x <= m_widthPx && y >= 0 && y <= m_heightPx) {
        RaiseNamedEvent("MouseEnter");
        RaiseNamedEvent("MouseMove", mouseArgs(button, shift, x, y));
    }
}

void ButtonEx::mouseUp(int button, int shift, int x, int y)
{
    if (button == platform::buttons::kLeft)
        Redraw(ButtonState::Up);
    RaiseNamedEvent("MouseUp", mouseArgs(button, shift, x, y));
}

void ButtonEx::click() { RaiseNamedEvent("Click"); }

void ButtonEx::accessKeyPressed() { RaiseNamedEvent("Click"); }

void ButtonEx::keyDown(int keyCode, int shift)
{
    platform::ControlEvent e;
    e.keyCode = keyCode;
    e.shift = shift;
    RaiseNamedEvent("KeyDown", e);
}

void ButtonEx::keyPress(int keyAscii)
{
    platform::ControlEvent e;
    e.keyAscii = keyAscii;
    RaiseNamedEvent("KeyPress", e);
}

void ButtonEx::keyUp(int keyCode, int shift)
{
    platform::ControlEvent e;
    e.keyCode = keyCode;
    e.shift = shift;
    RaiseNamedEvent("KeyUp", e);
}

void ButtonEx::gotFocus()
{
    m_focusEmphasis = true;
    Redraw(m_currentState);
}

void ButtonEx::lostFocus()
{
    m_focusEmphasis = false;
    Redraw(m_currentState);
}

void ButtonEx::ambientChanged(const std::string& name)
{
    if (name != "DisplayAsDefault" || !site())
        return;
    m_focusEmphasis = site()->displayAsDefault();
    Redraw(m_currentState);
}

platform::Timer* ButtonEx::timer1()
{
    if (!m_timer1 && site()) {
        m_timer1 = site()->createTimer();
        m_timer1->setOnTick([this] { Timer1_Timer(); });
    }
    return m_timer1.get();
}

void ButtonEx::trackingStep(int button)
{
    platform::Timer* timer = timer1();
    if (timer && site()->isRunMode() && !timer->isRunning()) {
        // The first move only starts tracking; the look changes with the next one.
        timer->setInterval(kTrackingIntervalMs);
        return;
    }
    if (button == 0 && m_currentState != ButtonState::Over)
        Redraw(ButtonState::Over);
    else if (button == platform::buttons::kLeft && m_currentState != ButtonState::Down)
        Redraw(ButtonState::Down);
}

void ButtonEx::Timer1_Timer()
{
    // The hover check: the pointer has left when the button's own window is not the one under
    // it (another window on top, or the button hidden or disabled, counts as left).
    if (site() && site()->isUnderPointer())
        return;
    m_timer1->setInterval(0);
    RaiseNamedEvent("MouseExit");
    if (m_currentState != ButtonState::Up)
        Redraw(ButtonState::Up);
}

void ButtonEx::RaiseNamedEvent(const std::string& name, platform::ControlEvent args)
{
    args.name = name;
    if (name == "Click" || name == "KeyDown" || name == "KeyPress" || name == "KeyUp" || name == "MouseDown" || name == "MouseMove"
        || name == "MouseUp" || name == "Resize") {
        raise(std::move(args));
    } else if (name == "MouseExit" || name == "MouseEnter") {
        if (m_lastHoverEvent != name)
            raise(std::move(args));
        m_lastHoverEvent = name;
    }
}

} // namespace controls
