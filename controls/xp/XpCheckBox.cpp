#include "controls/xp/XpCheckBox.h"

#include <cstdint>
#include <string>

#include "controls/xp/XpCheckBoxLooks.h"
#include "platform/window/PropertyBag.h"

namespace controls {

// The working strip starts as look 0's, the face as cell 0, HotCell as 1; the losing-focus
// hot cell 11 is a disabled cell, never shown while enabled.
XpCheckBox::XpCheckBox()
    : XpChoiceControl({ .hoverIntervalMs = kHoverIntervalMs, .focusLostHotFace = 11, .boxMoveReportsBoxPlace = false }, 0)
    , m_strip(checkBoxStrips()[0])
{
}

void XpCheckBox::initProperties()
{
    setEnabled(true);
    setBackColor(platform::kSysButtonFace);
    setCheckBoxLook(0);
    setValue(0);
    setCaption(kDefaultCaption);
    setFont(containerFont());
    setForeColor(0);
}

// A stored look outside 0-13 is refused like any other (the instance keeps look 0) and the
// remaining properties are still read.
void XpCheckBox::readProperties(const platform::PropertyBag& bag)
{
    setEnabled(bag.readBool("Enabled", true));
    setCheckBoxLook(bag.readInt("CheckBoxLook", 0));
    setValue(bag.readInt("Value", 0));
    setCaption(bag.readString("Caption", kDefaultCaption));
    setBackColor(platform::colourFromStored(bag.readInt("BackColor", platform::storedColour(platform::kSysButtonFace))));
    setFont(bag.readFont("Font", containerFont()));
    setForeColor(platform::colourFromStored(bag.readInt("ForeColor", 0)));
}

// The caption is left out when it equals the default it is read back with, so every caption
// survives writing and reading.
void XpCheckBox::writeProperties(platform::PropertyBag& bag) const
{
    bag.writeBool("Enabled", Enabled(), true);
    bag.writeInt("CheckBoxLook", m_look, 0);
    bag.writeInt("Value", m_value, 0);
    bag.writeString("Caption", Caption(), kDefaultCaption);
    bag.writeInt("BackColor", platform::storedColour(BackColor()), platform::storedColour(platform::kSysButtonFace));
    bag.writeFont("Font", Font(), containerFont());
    bag.writeInt("ForeColor", platform::storedColour(ForeColor()), 0);
}

void XpCheckBox::setEnabled(bool enabled)
{
    setEnabledState(enabled);
    applyEnabledLook();
    markChanged("Enabled");
}

platform::Status XpCheckBox::setCheckBoxLook(int look)
{
    if (look < 0 || look >= kCheckBoxLookCount)
        return platform::Error { platform::Error::Code::Unsupported,
            "there is no check-box look " + std::to_string(look) + " (looks are 0 to 13)" };
    m_look = look;
    markChanged("CheckBoxLook");
    m_strip = checkBoxStrips()[static_cast<std::size_t>(look)];
    applyEnabledLook();
    return platform::success();
}

void XpCheckBox::setValue(int value)
{
    m_value = value;
    showNormalFace();
    markChanged("Value");
}

void XpCheckBox::setBackColor(platform::OleColour c)
{
    storeBackColor(c);
    markChanged("BackColor");
    repaint();
}

std::optional<int> XpCheckBox::faceRow() const
{
    if (m_value < 0 || m_value > 2)
        return std::nullopt;
    return m_value;
}

void XpCheckBox::drawFace(platform::Surface& target, platform::Point at, int face) const
{
    target.copyFrom(m_strip, { face * kCheckBoxCellSize, 0, kCheckBoxCellSize, kCheckBoxCellSize }, at);
}

void XpCheckBox::activate()
{
    raiseSimple("Click");
    if (m_value == 0)
        setValue(1);
    else if (m_value == 1 || m_value == 2)
        setValue(0);
    showNormalFace();
}

} // namespace controls
