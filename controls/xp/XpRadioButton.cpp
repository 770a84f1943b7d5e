#include "controls/xp/XpRadioButton.h"

#include <cstdint>

#include "controls/xp/XpRadioFaces.h"
#include "platform/window/ControlSite.h"
#include "platform/window/PropertyBag.h"

namespace controls {
namespace {

constexpr std::int32_t stored(platform::OleColour c)
{
    return static_cast<std::int32_t>(c);
}
constexpr platform::OleColour colour(std::int32_t v)
{
    return static_cast<platform::OleColour>(v);
}

} // namespace

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
    setBackColor(colour(bag.readInt("BackColor", stored(platform::kSysButtonFace))));
    setForeColor(colour(bag.readInt("ForeColor", 0)));
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
    bag.writeInt("BackColor", stored(BackColor()), stored(platform::kSysButtonFace));
    bag.writeInt("ForeColor", stored(ForeColor()), 0);
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
