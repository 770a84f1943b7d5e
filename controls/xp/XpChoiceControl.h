#pragma once

#include "platform/draw/Colour.h"
#include "platform/draw/FontInfo.h"
#include "platform/draw/Surface.h"
#include "platform/time/Timer.h"
#include "platform/window/HostedControl.h"

#include <memory>
#include <optional>
#include <string>

namespace controls {

// Where the two parts of a check box or option button sit, worked out in twips as the
// control lays itself out: the image box (195 × 195 twips, 13 × 13 pixels) at the left,
// vertically centred, and the caption label 240 twips (16 pixels) in, also vertically
// centred, as wide and high as its text. Each top is the difference of heights halved,
// truncated towards zero; pixel places are the twips divided by 15, rounded to nearest.
struct XpChoiceLayout {
    int boxTopTwips = 0;
    int labelTopTwips = 0;
    platform::Rect box; // pixels
    platform::Rect label; // pixels

    static constexpr int kBoxTwips = 195;
    static constexpr int kLabelLeftTwips = 240;
    static XpChoiceLayout compute(int controlHeightPx, platform::Size labelPx);
};

// What the check box and the option button share: a face of 13 × 13 pixels beside a caption,
// the pointer tracking with its hover timer, press and release, the Space key and focus.
// The control draws itself whole on its surface: BackColor everywhere, the face in the
// image box and the caption in the label's colour (ForeColor, grey text while disabled).
// Captions are drawn as given (an ampersand is an ordinary character; there is no access key).
//
// Faces are numbered 4 × row + state, the row standing for the value (see faceRow()) and the
// state 0 normal, 1 hot, 2 pressed, 3 disabled.
//
// Events (raised through the event sink, in this order where several follow one input):
//   MouseMove(Button, Shift, X, Y)  when a pointer move (re)applies the hot face; not again
//                                   while the hot face stays, nor while a button is held
//   MouseOut                        when the hover timer finds the pointer outside
//   MouseDown(Button, Shift, X, Y)  when a button is pressed over the enabled control
//   MouseUp(Button, Shift, X, Y)    when a button is released
//   KeyDown(KeyCode, Shift)         for every key pressed while the control has the focus
//   KeyPress(KeyAscii)              for the Space character only, then Click, then MouseDown
//                                   with Button 1, Shift 0, X 0, Y 0
//   KeyUp(KeyCode, Shift)           for the Space key only, followed by the control's own
//                                   reaction to a click (see activate())
//   Click                           as each control says
// X and Y are in twips (15 per pixel) relative to the part under the pointer when the
// button went down or the pointer moved: the control, its image box or its label. While a
// button is held, the part pressed keeps the pointer. The control raises no focus events:
// the host reports the container's focus notifications itself.
//
// The host calls setSite(), then readProperties() or initProperties(), then resized() and
// the input methods; it reads surface() after each site->invalidate(). A host delivers no
// input while the control is disabled. Without a site the control still draws (it uses the
// default font and starts no timer), which is what the gallery does.
class XpChoiceControl : public platform::HostedControl {
public:
    ~XpChoiceControl() override;

    const platform::Surface& surface() const override { return m_surface; }

    // Shared properties. Setters take these steps in this order:
    //   Font: store; give it to the label; lay out; mark "Font" changed.
    //   Caption: set the label's text; lay out; mark "Caption" changed.
    //   ForeColor: store; apply the enabled look; mark "ForeColor" changed.
    // Enabled and BackColor are each control's own.
    bool Enabled() const { return m_enabled; }
    const platform::FontInfo& Font() const { return m_font; }
    void setFont(const platform::FontInfo& font);
    const std::string& Caption() const { return m_caption; }
    void setCaption(const std::string& caption);
    platform::OleColour ForeColor() const { return m_foreColor; }
    void setForeColor(platform::OleColour colour);
    platform::OleColour BackColor() const { return m_backColor; }

    // Input from the host (client pixels).
    void resized(int widthPx, int heightPx) override;
    void mouseDown(int button, int shift, int x, int y) override;
    void mouseMove(int button, int shift, int x, int y) override;
    void mouseUp(int button, int shift, int x, int y) override;
    void click() override { activate(); }
    void keyDown(int keyCode, int shift) override;
    void keyPress(int keyAscii) override;
    void keyUp(int keyCode, int shift) override;
    // Gaining the focus shows the hot face (as a pointer move with zeros would) and stops the
    // hover timer, so the hot face stays while the control has the focus. Losing it re-applies
    // the hot face and restarts the timer, which puts the normal face back on its next tick
    // if the pointer is elsewhere.
    void gotFocus() override;
    void lostFocus() override;

    // Run-time state, for hosts and tests.
    int face() const { return m_face; } // the face shown
    int hotFace() const { return m_hotFace; } // the face last applied as hot
    bool isPressed() const { return m_pressed; }
    bool isHoverTimerRunning() const { return m_timer && m_timer->isRunning(); }
    const XpChoiceLayout& layout() const { return m_layout; }
    platform::OleColour captionColour() const { return m_captionColour; }

protected:
    struct Traits {
        int hoverIntervalMs; // the hover timer's period
        int focusLostHotFace; // hot face set on losing the focus: never shown while enabled
        bool boxMoveReportsBoxPlace; // a move over the image box reports its place, not the pointer's
    };
    XpChoiceControl(Traits traits, int initialFace);

    // The row of faces for the current value, or nothing when no face matches the value.
    virtual std::optional<int> faceRow() const = 0;
    // Draws face FACE with its top-left corner at AT (the control's background is there).
    virtual void drawFace(platform::Surface& target, platform::Point at, int face) const = 0;
    // The enabled state the faces and the pointer handlers go by.
    virtual bool isLookEnabled() const { return m_enabled; }
    // What a click, and the release of the Space key, do.
    virtual void activate() = 0;

    // Sets the control's own enabled state (the window gets no input while disabled).
    void setEnabledState(bool enabled);
    void storeBackColor(platform::OleColour colour) { m_backColor = colour; }
    // Draws the whole control again and tells the site.
    void repaint();
    void markChanged(const std::string& name);
    platform::FontInfo containerFont() const;

    void showNormalFace();
    void showDisabledFace();
    // Enabled: the normal face and the caption in ForeColor. Disabled: the disabled face, the
    // caption in grey text and the hover timer off.
    void applyEnabledLook();
    // A pointer move: (re)applies the hot face and starts the hover timer unless the hot face
    // is already shown or a button is held; nothing while disabled.
    void pointerMoved(int button, int shift, float x, float y);
    // A button press: the pressed face, PressedFlag, MouseDown; nothing while disabled.
    void buttonPressed(int button, int shift, float x, float y);
    void raiseSimple(const char* name) const;

private:
    enum class Part { Surface, Box, Label };
    Part partAt(platform::Point p) const;
    platform::Point twipsIn(Part part, platform::Point p) const;
    void showFace(int face);
    void layOut();
    void startHoverTimer();
    void stopHoverTimer();
    void hoverTick();

    Traits m_traits;
    platform::Surface m_surface;
    platform::FontInfo m_font;
    std::string m_caption;
    platform::OleColour m_foreColor = 0;
    platform::OleColour m_backColor = platform::kSysButtonFace;
    platform::OleColour m_captionColour = 0;
    bool m_enabled = true;
    XpChoiceLayout m_layout;
    int m_face;
    int m_hotFace = 1;
    bool m_pressed = false;
    std::optional<Part> m_capture; // the part pressed, while a button is held
    std::unique_ptr<platform::Timer> m_timer;
};

} // namespace controls
