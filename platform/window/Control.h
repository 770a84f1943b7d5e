#pragma once

#include "platform/draw/Colour.h"
#include "platform/draw/FontInfo.h"
#include "platform/draw/Picture.h"
#include "platform/window/ControlEvent.h"

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace platform {

class Control;
class Form;

enum class ControlKind {
    Label,      // a caption; Text is the caption
    TextBox,    // an edit box; the learner may type into it unless locked
    Frame,      // a container shown or hidden as a whole
    Image,      // a picture that can be clicked
    PictureBox, // a container with a back colour and an optional picture
    Timer,      // no window; see TimerControl
    ListView,   // rows with columns; see ListView
    Custom,     // a self-drawn control; see CustomControl
    Hidden      // a non-visual control the window keeps only by name (data source, image list, devices)
};

// Which part of a control changed, for the view that shows it.
enum class ControlChange { Visible, Enabled, Text, Geometry, Picture, Font, Colours, ToolTip, Pointer, Surface, Shape, Rows, Selection, Columns };

// Told of every change a view must mirror. The view never calls back into logic from here.
class ControlObserver {
public:
    virtual ~ControlObserver() = default;
    virtual void changed(Control& control, ControlChange what) = 0;
};

// One control of a form: a name (and an index inside a control array), a kind, a container
// (nullptr: the form itself), a place in twips relative to the container, and the common
// properties. Setting a property notifies the form's view. Events the control raises are
// delivered to the handlers registered with on(); a handler for an event nobody registered
// is simply not called. All of this is plain state: a form works without any view, which is
// how its handlers are tested.
class Control {
public:
    Control(Form& form, ControlKind kind, std::string name, int index);
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    Form& form() const { return m_form; }
    ControlKind kind() const { return m_kind; }
    const std::string& name() const { return m_name; }
    int index() const { return m_index; } // -1 when not part of a control array
    std::string displayName() const;      // "name" or "name(index)"

    Control* container() const { return m_container; }
    void setContainer(Control* container) { m_container = container; }

    int left() const { return m_left; }
    int top() const { return m_top; }
    int width() const { return m_width; }
    int height() const { return m_height; }
    void move(int left, int top, int width, int height);

    bool visible() const { return m_visible; }
    void setVisible(bool visible);
    // Visible, and every container up to the form visible too.
    bool isShown() const;
    bool enabled() const { return m_enabled; }
    void setEnabled(bool enabled);
    // Enabled, and every container up to the form enabled too.
    bool isEffectivelyEnabled() const;

    // The caption of a label or frame, the text of a text box.
    const std::string& text() const { return m_text; }
    void setText(const std::string& text);

    const FontInfo& font() const { return m_font; }
    void setFont(const FontInfo& font);
    // The language of the text shown ("ja" gives Japanese glyph forms; default Chinese).
    const std::string& language() const { return m_language; }
    void setLanguage(const std::string& language);
    OleColour backColour() const { return m_backColour; }
    OleColour foreColour() const { return m_foreColour; }
    bool isBackTransparent() const { return m_backTransparent; }
    void setColours(OleColour back, OleColour fore, bool backTransparent);

    const Picture& picture() const { return m_picture; }
    void setPicture(const Picture& picture);
    const std::string& toolTip() const { return m_toolTip; }
    void setToolTip(const std::string& text);
    int mousePointer() const { return m_mousePointer; }
    const Picture& mouseIcon() const { return m_mouseIcon; }
    void setPointer(int mousePointer, const Picture& icon);

    // View hints from the form description ("multiline", "locked", "align" ...); "" when unset.
    std::string attribute(const std::string& key) const;
    void setAttribute(const std::string& key, const std::string& value) { m_attributes[key] = value; }

    // Whether the control takes the keyboard focus when clicked or tabbed to.
    bool takesFocus() const { return m_takesFocus; }
    void setTakesFocus(bool takes) { m_takesFocus = takes; }
    // Gives the control the keyboard focus (the form raises "GotFocus").
    void setFocus();
    bool hasFocus() const;

    // Events: register a handler for an event name; raise() calls it with a copy.
    void on(const std::string& event, std::function<void(const ControlEvent&)> handler);
    void raise(const ControlEvent& event);
    void raise(const std::string& event) { raise(ControlEvent{event}); }

protected:
    void notify(ControlChange what);

private:
    Form& m_form;
    ControlKind m_kind;
    std::string m_name;
    int m_index;
    Control* m_container = nullptr;
    int m_left = 0, m_top = 0, m_width = 0, m_height = 0;
    bool m_visible = true;
    bool m_enabled = true;
    std::string m_text;
    FontInfo m_font;
    std::string m_language;
    OleColour m_backColour = kSysButtonFace;
    OleColour m_foreColour = kSysButtonText;
    bool m_backTransparent = false;
    Picture m_picture;
    std::string m_toolTip;
    int m_mousePointer = 0;
    Picture m_mouseIcon;
    bool m_takesFocus = false;
    std::map<std::string, std::string> m_attributes;
    std::map<std::string, std::function<void(const ControlEvent&)>> m_handlers;
};

// Twips and pixels: the window is designed at 15 twips per pixel (96 dots per inch).
constexpr int kTwipsPerPixel = 15;
constexpr int twipsToPixels(int twips) { return (twips + (twips >= 0 ? 7 : -7)) / kTwipsPerPixel; }

} // namespace platform
