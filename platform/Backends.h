#pragma once

#include <memory>
#include <string>

#include "platform/process/ProgramLauncher.h"
#include "platform/settings/ProfileFile.h"
#include "platform/store/LessonSource.h"

namespace platform {

// The real implementations behind the platform interfaces, chosen in this one place; main()
// builds them and hands them to the window, tests use the fakes instead. Paths are full paths
// with '/' separators.

// The shared settings file at PATH (the course folder's "setting/system.ini").
std::unique_ptr<ProfileFile> makeProfileFile(const std::string& path);
// The lesson data file at PATH (the course folder's "data/shuju.dat").
std::unique_ptr<LessonSource> makeLessonSource(const std::string& path);
// Starts the sibling programs.
std::unique_ptr<ProgramLauncher> makeProgramLauncher();

} // namespace platform
