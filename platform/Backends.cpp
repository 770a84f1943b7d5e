#include "platform/Backends.h"

#include "platform/process/PosixProgramLauncher.h"
#include "platform/settings/IniProfileFile.h"
#include "platform/store/MdbLessonSource.h"

namespace platform {

std::unique_ptr<ProfileFile> makeProfileFile(const std::string& path)
{
    return std::make_unique<IniProfileFile>(path);
}

std::unique_ptr<LessonSource> makeLessonSource(const std::string& path)
{
    return std::make_unique<MdbLessonSource>(path);
}

std::unique_ptr<ProgramLauncher> makeProgramLauncher()
{
    return std::make_unique<PosixProgramLauncher>();
}

} // namespace platform
