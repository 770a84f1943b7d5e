#pragma once

#include "platform/core/Result.h"
#include "platform/draw/Colour.h"
#include "platform/draw/FontInfo.h"
#include "platform/draw/Picture.h"
#include "platform/draw/Surface.h"
#include "platform/time/Timer.h"
#include "platform/window/HostedControl.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace controls {

// The look a face routine draws. Redraw takes any 32-bit number (a stored `Value` is drawn
// as the state of that number); numbers without a name draw a plain face.
enum class ButtonState : std::int32_t {
    Down = 0,     // pressed
    Up = 1,       // normal
    Over = 2,     // pointer over the button (hot)
    Disabled = 3, // disabled
    Focus = 4,    // focus or default-button look; produced only inside the skin drawing
};

constexpr int kTwipsPerPixel = 15;

// The hidden picture holder `imgPicture`: it receives the current state's picture, and its
// place and size on the face say where that picture is drawn. It takes the size of every
// image assigned to it and keeps its last size while it holds none (a new holder is
// 1215 × 495 twips). Its place is kept in pixels of the button's face; the twip accessors
// give the holder's own unit. The other fields only mirror the button's properties.
struct PictureHolder {
    platform::Picture picture = platform::Picture::empty();
    int left = 0; // pixels on the button's face
    int top = 0;
    int width = 1215 / kTwipsPerPixel; // pixels
    int height = 495 / kTwipsPerPixel;

    platform::OleColour backColor = platform::kSysButtonFace;
    platform::OleColour foreColor = platform::kSysButtonText;
    platform::FontInfo font;
    bool enabled = true;
    bool rightToLeft = false;
    int mousePointer = 0;
    platform::Picture mouseIcon = platform::Picture::empty();
    std::string toolTipText;
    std::int32_t whatsThisHelpID = 0;

    int leftTwips() const { return left * kTwipsPerPixel; }
    int topTwips() const { return top * kTwipsPerPixel; }
    int widthTwips() const { return width * kTwipsPerPixel; }
    int heightTwips() const { return height * kTwipsPerPixel; }

    void setPicture(const platform::Picture& value)
    {
        picture = value;
        if (value.hasImage()) {
            width = value.image().width();
            height = value.image().height();
        }
    }
};

// `ButtonEx`, the image button: a bordered 3-D button (`Appearance` 1), a flat one that
// shows its border only under the pointer (0), or a skinned one whose face and outline come
// from one bitmap per state (2, with `SkinUp` set). It owns its properties, draws its whole
// face on its own Surface in Redraw, follows the pointer with `Timer1` and raises its ten
// events through RaiseNamedEvent. It talks to its container only through the ControlSite,
// which must be set before any other call.
//
// Events, in declaration order: Click, KeyDown, KeyPress, KeyUp, MouseDown, MouseEnter,
// MouseExit, MouseMove, MouseUp, Resize. Mouse positions are in twips from the top-left
// corner. A left press and release over the button raises MouseDown, MouseUp, then Click
// (the host delivers click() last); MouseEnter and MouseExit strictly alternate, MouseEnter
// coming with the first move over the button and MouseExit with the first timer tick that
// finds the pointer elsewhere. Resize follows every size change, after the Up redraw.
//
// Every property setter stores the value first, then applies it (most redraw in
// `CurrentState`), then reports the property's name to site->propertyChanged().
class ButtonEx : public platform::HostedControl {
public:
    ButtonEx();
    ~ButtonEx() override;
    ButtonEx(const ButtonEx&) = delete;
    ButtonEx& operator=(const ButtonEx&) = delete;

    std::string className() const override { return "ButtonEx"; }
    const platform::Surface& surface() const override { return m_surface; }
    // The one-line description a property browser shows, by property or event name; empty
    // for names that have none.
    static std::string_view description(std::string_view name);

    // Properties, in the order of the control's interface.
    std::int32_t Appearance() const { return m_appearance; }
    void setAppearance(std::int32_t value);
    platform::OleColour BackColor() const { return m_backColor; }
    void setBackColor(platform::OleColour value);
    const std::string& Caption() const { return m_caption; }
    void setCaption(const std::string& value);
    std::int32_t CaptionOffsetX() const { return m_captionOffsetX; }
    void setCaptionOffsetX(std::int32_t value);
    std::int32_t CaptionOffsetY() const { return m_captionOffsetY; }
    void setCaptionOffsetY(std::int32_t value);
    bool Enabled() const { return m_enabled; }
    void setEnabled(bool value);
    platform::OleColour ForeColor() const { return m_foreColor; }
    void setForeColor(platform::OleColour value);
    const platform::FontInfo& Font() const { return m_font; }
    void setFont(const platform::FontInfo& value);
    platform::OleColour HighlightColor() const { return m_highlightColor; }
    void setHighlightColor(platform::OleColour value);
    bool HighlightPicture() const { return m_highlightPicture; }
    void setHighlightPicture(bool value);
    const platform::Picture& MouseIcon() const { return m_mouseIcon; }
    void setMouseIcon(const platform::Picture& value);
    std::int32_t MousePointer() const { return m_mousePointer; }
    // The pointer shape is a 16-bit number: outside that range the value stays stored, the
    // shape is not applied and the error comes back (no change is reported).
    platform::Status setMousePointer(std::int32_t value);
    const platform::Picture& Picture() const { return m_picture; }
    void setPicture(const platform::Picture& value);
    const platform::Picture& PictureDisabled() const { return m_pictureDisabled; }
    void setPictureDisabled(const platform::Picture& value);
    const platform::Picture& PictureDown() const { return m_pictureDown; }
    void setPictureDown(const platform::Picture& value);
    const platform::Picture& PictureFocus() const { return m_pictureFocus; }
    void setPictureFocus(const platform::Picture& value);
    std::int32_t PictureOffsetX() const { return m_pictureOffsetX; }
    void setPictureOffsetX(std::int32_t value);
    std::int32_t PictureOffsetY() const { return m_pictureOffsetY; }
    void setPictureOffsetY(std::int32_t value);
    const platform::Picture& PictureOver() const { return m_pictureOver; }
    void setPictureOver(const platform::Picture& value);
    bool RightToLeft() const { return m_rightToLeft; }
    void setRightToLeft(bool value);
    const platform::Picture& SkinDisabled() const { return m_skinDisabled; }
    void setSkinDisabled(const platform::Picture& value);
    const platform::Picture& SkinDown() const { return m_skinDown; }
    void setSkinDown(const platform::Picture& value);
    const platform::Picture& SkinFocus() const { return m_skinFocus; }
    void setSkinFocus(const platform::Picture& value);
    const platform::Picture& SkinOver() const { return m_skinOver; }
    void setSkinOver(const platform::Picture& value);
    const platform::Picture& SkinUp() const { return m_skinUp; }
    void setSkinUp(const platform::Picture& value);
    std::int32_t Style() const { return m_style; }
    void setStyle(std::int32_t value);
    const std::string& ToolTipText() const { return m_toolTipText; }
    void setToolTipText(const std::string& value);
    platform::OleColour TransparentColor() const { return m_transparentColor; }
    void setTransparentColor(platform::OleColour value);
    std::int32_t Value() const { return m_value; }
    void setValue(std::int32_t value);
    std::int32_t WhatsThisHelpID() const { return m_whatsThisHelpID; }
    void setWhatsThisHelpID(std::int32_t value);

    // Run-time fields.
    ButtonState CurrentState() const { return m_currentState; }
    bool FocusEmphasis() const { return m_focusEmphasis; }
    const std::string& LastHoverEvent() const { return m_lastHoverEvent; }
    // Constituents.
    const PictureHolder& imgPicture() const { return m_imgPicture; }
    const platform::Surface& pictTempDestination() const { return m_pictTempDestination; }
    const platform::Surface& pictTempHighlight() const { return m_pictTempHighlight; }
    // The pointer-tracking timer; null until the first pointer move creates it.
    const platform::Timer* Timer1() const { return m_timer1.get(); }

    // Rebuilds the whole face for STATE (see ButtonExRedraw.cpp); the site is invalidated.
    void Redraw(ButtonState state);

    // Life cycle. Initialize ran in the constructor (the button is 1200 × 360 twips); the
    // first of these also hands that size to the container unless it has sized the button.
    void initProperties() override;
    void readProperties(const platform::PropertyBag& bag) override;
    void writeProperties(platform::PropertyBag& bag) const override;

    // Notifications; positions in the button's client pixels.
    void resized(int widthPx, int heightPx) override;
    void mouseDown(int button, int shift, int x, int y) override;
    void mouseMove(int button, int shift, int x, int y) override;
    void mouseUp(int button, int shift, int x, int y) override;
    void click() override;
    void keyDown(int keyCode, int shift) override;
    void keyPress(int keyAscii) override;
    void keyUp(int keyCode, int shift) override;
    void gotFocus() override;
    void lostFocus() override;
    void accessKeyPressed() override;
    void ambientChanged(const std::string& name) override;
    // The button never takes the keyboard focus: a click leaves the focus where it was
    // (in the lesson window, on the item list). Focus emphasis still follows gotFocus().
    bool takesFocus() const override { return false; }

    // Raises the event NAME with ARGS (its name is filled in); MouseEnter and MouseExit go
    // out only when the other one was the last raised. Unknown names raise nothing.
    void RaiseNamedEvent(const std::string& name, platform::ControlEvent args = {});

private:
    struct SkinFace;

    // Setter tails.
    void changed(const char* name);
    void updateAccessKey();
    void applyPointer();

    // Input.
    void trackingStep(int button);
    void Timer1_Timer();
    platform::Timer* timer1();
    void ensureSized();

    // Drawing (ButtonExRedraw.cpp).
    void DrawStandardFace(ButtonState state, bool emphasis);
    void DrawSkinFace(ButtonState state, bool emphasis);
    void DrawPicture(ButtonState state);
    void DrawCaption(ButtonState state);
    void clearFace();
    void showSkin(const platform::Picture& skin);
    void applyShape();
    void cutHoles();
    const platform::Surface& holderRendering();
    platform::Size captionSize();
    std::shared_ptr<const SkinFace> skinFace(const platform::Picture& skin);

    // Properties.
    std::int32_t m_appearance = 1;
    platform::OleColour m_backColor = platform::kSysButtonFace;
    std::string m_caption = "ButtonEx1";
    std::int32_t m_captionOffsetX = 0;
    std::int32_t m_captionOffsetY = 0;
    bool m_enabled = true;
    platform::OleColour m_foreColor = platform::kSysButtonText;
    platform::FontInfo m_font;
    platform::OleColour m_highlightColor = platform::kSysButtonText;
    bool m_highlightPicture = false;
    platform::Picture m_mouseIcon = platform::Picture::empty();
    std::int32_t m_mousePointer = 0;
    platform::Picture m_picture = platform::Picture::empty();
    platform::Picture m_pictureDisabled = platform::Picture::empty();
    platform::Picture m_pictureDown = platform::Picture::empty();
    platform::Picture m_pictureFocus = platform::Picture::empty();
    std::int32_t m_pictureOffsetX = 0;
    std::int32_t m_pictureOffsetY = 0;
    platform::Picture m_pictureOver = platform::Picture::empty();
    bool m_rightToLeft = false;
    platform::Picture m_skinDisabled = platform::Picture::empty();
    platform::Picture m_skinDown = platform::Picture::empty();
    platform::Picture m_skinFocus = platform::Picture::empty();
    platform::Picture m_skinOver = platform::Picture::empty();
    platform::Picture m_skinUp = platform::Picture::empty();
    std::int32_t m_style = 0;
    std::string m_toolTipText;
    platform::OleColour m_transparentColor = 0x00FF0000;
    std::int32_t m_value = 1;
    std::int32_t m_whatsThisHelpID = 0;

    // Run-time fields.
    ButtonState m_currentState = ButtonState::Down;
    bool m_focusEmphasis = false;
    std::string m_lastHoverEvent;

    // Constituents.
    PictureHolder m_imgPicture;
    platform::Surface m_pictTempDestination;
    platform::Surface m_pictTempHighlight;
    std::unique_ptr<platform::Timer> m_timer1;

    // The face and its size in pixels, as the container last reported it.
    platform::Surface m_surface;
    int m_widthPx;
    int m_heightPx;
    bool m_sizedByContainer = false;

    // Skin mode: the outline of the face drawn last (null: a plain rectangle), and the one
    // the container holds now.
    std::shared_ptr<const SkinFace> m_mask;
    std::shared_ptr<const SkinFace> m_siteShape;
    bool m_faceDrawnOver = false; // a picture or caption went over the skin since it was shown

    // Caches of results that stay the same while their inputs do.
    std::vector<std::shared_ptr<const SkinFace>> m_skinFaces;
    platform::Surface m_holderRendering;
    platform::Picture m_holderRenderingOf;
    platform::Argb m_holderRenderingBack = 0;
    std::string m_captionSizeOf;
    platform::FontInfo m_captionSizeFont;
    platform::Size m_captionSize;
    bool m_captionSizeKnown = false;
};

} // namespace controls
