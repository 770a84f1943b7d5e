#pragma once

#include <functional>
#include <memory>
#include <string>

#include "platform/audio/EffectPlayer.h"
#include "platform/audio/ItemPlayer.h"
#include "platform/process/ProgramLauncher.h"
#include "platform/record/RecordingDevice.h"
#include "platform/settings/ProfileFile.h"
#include "platform/store/LessonSource.h"
#include "platform/window/Notices.h"

namespace shell {

// The platform back ends the lesson window works with; the window owns none of them.
struct WindowServices {
    std::string programFolder; // the folder of the program (or --folder), without a trailing separator
    platform::ItemPlayer* wmp = nullptr;
    platform::EffectPlayer* effects = nullptr;
    platform::RecordingDevice* mmc = nullptr;
    platform::ProgramLauncher* launcher = nullptr;
    platform::Notices* messages = nullptr;
    // Opens the settings file at a path (the start-up and the study menu each name it).
    std::function<std::unique_ptr<platform::ProfileFile>(const std::string& path)> openProfile;
    // Opens the lesson data file at a path.
    std::function<std::unique_ptr<platform::LessonSource>(const std::string& path)> openStore;
    // Ends the program at once (every window closes, no further handler runs).
    std::function<void()> endProgram;
};

} // namespace shell
