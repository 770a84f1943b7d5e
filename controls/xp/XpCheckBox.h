#pragma once

#include "controls/xp/XpChoiceControl.h"
#include "platform/core/Result.h"

namespace controls {

// The XP-style check box: a 13 × 13 face cut from one of 14 look strips (XpCheckBoxLooks.h)
// beside its caption, with three values: 0 unchecked, 1 checked, 2 mixed. It shows the hot
// face while the pointer is over it or it has the focus (a 10 ms hover timer notices the
// pointer leaving), the pressed face while a button or Space is held, and the disabled face
// and a grey caption while disabled.
//
// Click is raised on every click BEFORE the value changes: a handler that reads Value sees the
// value from before the click. The box then toggles 1 to 0, 0 to 1 and 2 to 0 (any other value
// stays) and shows its normal face, even with the pointer still over it.
//
// Orders, for the events listed in XpChoiceControl.h:
//   left click:      MouseDown, MouseUp, Click (Value still the old one), then the toggle
//   one Space stroke: KeyDown, KeyPress, Click, MouseDown, KeyUp, Click, then one toggle
// Setting Value never raises an event.
//
// Stored properties, written and read in this order: "Enabled" (True), "CheckBoxLook" (0),
// "Value" (0), "Caption" ("CheckBox1"), "BackColor" (0x8000000F), "Font" (the container's),
// "ForeColor" (0); a value equal to its default is not stored, and reading runs each setter.
class XpCheckBox : public XpChoiceControl {
public:
    static constexpr const char* kDefaultCaption = "CheckBox1";
    static constexpr int kHoverIntervalMs = 10;

    XpCheckBox();

    std::string className() const override { return "XpCheckBox"; }
    // A brand-new instance: Enabled True, BackColor button face, CheckBoxLook 0, Value 0,
    // Caption "CheckBox1", Font the container's, ForeColor black, set in that order.
    void initProperties() override;
    void readProperties(const platform::PropertyBag& bag) override;
    void writeProperties(platform::PropertyBag& bag) const override;

    // Setters, each in this order of steps:
    //   Enabled: set the enabled state; apply the enabled look; mark changed.
    //   CheckBoxLook: check the number (0-13, else refused: nothing changes); store; mark
    //     changed; take that look's strip; apply the enabled look.
    //   Value: store; show the normal face; mark changed. Values other than 0-2 are stored but
    //     no face matches them: the face stays as it was.
    //   BackColor: store; mark changed; repaint.
    void setEnabled(bool enabled);
    int CheckBoxLook() const { return m_look; }
    platform::Status setCheckBoxLook(int look);
    int Value() const { return m_value; }
    void setValue(int value);
    void setBackColor(platform::OleColour colour);

    // The working strip (a copy of the strip of the current look).
    const platform::Surface& lookStrip() const { return m_strip; }

protected:
    std::optional<int> faceRow() const override;
    void drawFace(platform::Surface& target, platform::Point at, int face) const override;
    // Raise Click, toggle, show the normal face.
    void activate() override;

private:
    int m_look = 0;
    int m_value = 0;
    platform::Surface m_strip;
};

} // namespace controls
