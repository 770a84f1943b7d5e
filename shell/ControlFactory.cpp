#include "shell/ControlFactory.h"

#include "controls/button/ButtonEx.h"
#include "controls/xp/XpCheckBox.h"
#include "controls/xp/XpRadioButton.h"
#include "controls/xp/Xp_ProgressBar.h"

namespace shell {

std::unique_ptr<platform::HostedControl> makeHostedControl(const std::string& className)
{
    if (className == "ButtonEx")
        return std::make_unique<controls::ButtonEx>();
    if (className == "XpCheckBox")
        return std::make_unique<controls::XpCheckBox>();
    if (className == "XpRadioButton")
        return std::make_unique<controls::XpRadioButton>();
    if (className == "Xp_ProgressBar")
        return std::make_unique<controls::Xp_ProgressBar>();
    return nullptr;
}

} // namespace shell
