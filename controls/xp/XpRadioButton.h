#pragma once

#include "controls/xp/XpChoiceControl.h"

namespace controls {

// The XP-style option button: one of eight round faces (XpRadioFaces.h) beside its caption,
// with a Boolean Value. Pointer, hover timer (50 ms), press and focus behave as the check
// box's; a click does not toggle but selects.
//
// Selecting (a click, or the release of Space): when the button is already chosen it only
// shows its normal chosen face again. Otherwise it walks every control of the window in the
// window's order and sets Value False on each XpRadioButton that sits in the very same
// container (ControlSite::containerId()) and has the same Group, itself included; then it
// sets its own Value True. Selecting raises no event.
//
// A mouse click raises no Click; the host reports the container's focus notification, which
// a press gives (the host moves the focus before delivering mouseDown). Orders:
//   left click on an unchosen button: (focus) MouseDown, MouseUp, then the selection
//   one Space stroke: KeyDown, KeyPress, Click, MouseDown, KeyUp, then the selection
// A move over the image box reports X = the box's left and Y = its top (twips), not the
// pointer's place; over the label or the rest of the control it reports the pointer's.
//
// Stored properties, written and read in this order: "Enabled" (True), "Value" (False),
// "Group" (False), "Font" (the container's), "Caption" ("Option1"), "BackColor"
// (0x8000000F), "ForeColor" (0). Reading runs each setter, except that Group is only stored.
class XpRadioButton : public XpChoiceControl {
public:
    static constexpr const char* kDefaultCaption = "Option1";
    static constexpr int kHoverIntervalMs = 50;

    XpRadioButton();

    std::string className() const override { return "XpRadioButton"; }
    // A brand-new instance: Caption "Option1", Enabled True, Value False, Font the
    // container's, BackColor button face, ForeColor black, set in that order.
    void initProperties() override;
    void readProperties(const platform::PropertyBag& bag) override;
    void writeProperties(platform::PropertyBag& bag) const override;

    // Setters, each in this order of steps:
    //   Enabled: set the enabled state; EnabledCache = the new value; apply the enabled
    //     look; mark changed.
    //   Value: store; show the normal face; mark changed. Never clears other buttons.
    //   BackColor: store; repaint (the image box shows it through the faces' corners); mark
    //     changed.
    void setEnabled(bool enabled);
    bool Value() const { return m_value; }
    void setValue(bool value);
    void setBackColor(platform::OleColour colour);
    // Which of two groups of its container the button belongs to; only stored properties set it.
    bool Group() const { return m_group; }
    // The enabled state as last set: the faces and the pointer handlers go by it.
    bool EnabledCache() const { return m_enabledCache; }

protected:
    std::optional<int> faceRow() const override { return m_value ? 1 : 0; }
    void drawFace(platform::Surface& target, platform::Point at, int face) const override;
    bool isLookEnabled() const override { return m_enabledCache; }
    void activate() override { select(); }

private:
    void select();
    void storeGroup(bool group) { m_group = group; }

    bool m_value = false;
    bool m_group = false;
    bool m_enabledCache = false;
};

} // namespace controls
