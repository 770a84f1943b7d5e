#include "controls/xp/XpRadioButton.h"

#include <cstdint>

#include "controls/xp/XpRadioFaces.h"
#include "platform/window/ControlSite.h"
#include "platform/window/PropertyBag.h"

namespace controls {

// Until Enabled is first set, EnabledCache is False: the face at creation is the disabled
// unchosen image 3. HotImage starts as 1; the losing-focus hot image 7 is a disabled image,
// never shown while enabled.
XpRadioButton::XpRadioButton()
    : XpChoiceControl({ .hoverIntervalMs = kHoverIntervalMs, .focusLostHotFace = 7, .boxMoveReportsBoxPlace = true }, 3)
{
}

void XpRadioButton::initProperties()
{
    setCaption(kDefaultCaption);
    setEnabled(true);
    setValue(false);
    setFont(containerFont());
    setBackColor(platform::kSysButtonFace);
    setForeColor(0);
}

void XpRadioButton::readProperties(const platform::PropertyBag& bag)
{
    setEnabled(bag.readBool("Enabled", true));
    setValue(bag.readBool("Value", false));
    storeGroup(bag.readBool("Group", false));
    setFont(bag.readFont("Font", containerFont()));
    setCaption(bag.readString("Caption", kDefaultCaption));
    setBackColor(platform::colourFromStored(bag.readInt("BackColor", platform::storedColour(platform::kSysButtonFace))));
    setForeColor(platform::colourFromStored(bag.readInt("ForeColor", 0)));
}

// The caption is left out when it equals the default it is read back with, so every caption
// survives writing and reading.
void XpRadioButton::writeProperties(platform::PropertyBag& bag) const
{
    bag.writeBool("Enabled", Enabled(), true);
    bag.writeBool("Value", m_value, false);
    bag.writeBool("Group", m_group, false);
    bag.writeFont("Font", Font(), containerFont());
    bag.writeString("Caption", Caption(), kDefaultCaption);
    bag.writeInt("BackColor", platform::storedColour(BackColor()), platform::storedColour(platform::kSysButtonFace));
    bag.writeInt("ForeColor", platform::storedColour(ForeColor()), 0);
}

void XpRadioButton::setEnabled(bool enabled)
{
    setEnabledState(enabled);
    m_enabledCache = enabled;
    applyEnabledLook();
    markChanged("Enabled");
}

void XpRadioButton::setValue(bool value)
{
    m_value = value;
    showNormalFace();
    markChanged("Value");
}

void XpRadioButton::setBackColor(platform::OleColour c)
{
    storeBackColor(c);
    repaint();
    markChanged("BackColor");
}

void XpRadioButton::drawFace(platform::Surface& target, platform::Point at, int face) const
{
    target.drawOver(radioFaces()[static_cast<std::size_t>(face)], at);
}

void XpRadioButton::select()
{
    if (m_value) {
        applyEnabledLook();
        return;
    }
    if (site()) {
        const void* container = site()->containerId();
        for (platform::HostedControl* control : site()->windowControls()) {
            auto* other = dynamic_cast<XpRadioButton*>(control);
            if (other && other->site() && other->site()->containerId() == container && other->Group() == m_group)
                other->setValue(false);
        }
    }
    setValue(true);
}

} // namespace controls
