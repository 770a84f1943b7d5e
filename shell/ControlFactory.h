#pragma once

#include "platform/window/HostedControl.h"

#include <memory>
#include <string>

namespace shell {

// The self-drawn controls the lesson window's description names: "ButtonEx", "XpCheckBox",
// "XpRadioButton" and "Xp_ProgressBar"; nullptr for any other class name.
std::unique_ptr<platform::HostedControl> makeHostedControl(const std::string& className);

// The lesson window's description (JSON), built into the program.
const std::string& lessonWindowDescription();

} // namespace shell
