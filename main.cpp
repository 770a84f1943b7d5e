// main: the lesson player. Builds the real platform back ends and hands them to the shell.

#include <cstdio>
#include <string>
#include <vector>

#include "platform/Backends.h"
#include "platform/Runtime.h"
#include "platform/audio/SdlAudio.h"
#include "platform/draw/Artwork.h"
#include "platform/log/ActionLog.h"
#include "platform/window/FormLoader.h"
#include "platform/window/Notices.h"
#include "platform/window/QtFormView.h"
#include "shell/CommandLine.h"
#include "shell/ControlFactory.h"
#include "shell/LessonWindow.h"
#include "shell/MirrorForm.h"

int main(int argc, char** argv)
{
    platform::Runtime runtime(argc, argv);
    // The pictures decode in the background while the fonts load here.
    platform::prefetchArtwork();
    platform::Runtime::prepareFonts();
    const shell::CommandLine options = shell::CommandLine::parse(std::vector<std::string>(argv + 1, argv + argc));
    if (!options.error.empty()) {
        std::fprintf(stderr, "main: %s\n%s\n", options.error.c_str(), shell::CommandLine::usage());
        return 2;
    }
    if (!options.logFile.empty() && !platform::actionlog::openFile(options.logFile))
        std::fprintf(stderr, "main: cannot write the log file %s\n", options.logFile.c_str());

    const std::string folder = options.folder.empty() ? platform::Runtime::programFolder() : options.folder;
    platform::actionlog::write("program.start", folder);

    platform::SdlAudio audio;
    platform::AudioBackends sound = audio.createBackends();
    auto launcher = platform::makeProgramLauncher();

    const platform::FormServices services = platform::QtFormView::services();
    auto loaded = platform::loadForm(shell::lessonWindowDescription(), services, shell::makeHostedControl,
                                     [](const std::string& name) { return platform::loadArtwork(name); });
    if (!loaded) {
        std::fprintf(stderr, "main: %s\n", loaded.error().message.c_str());
        return 1;
    }
    std::unique_ptr<platform::Form> mainForm = std::move(loaded).value();
    std::unique_ptr<platform::Form> mirror = shell::makeMirrorForm(services, mainForm->icon());

    shell::WindowServices io;
    io.programFolder = folder;
    io.wmp = sound.player.get();
    io.effects = sound.effects.get();
    io.mmc = sound.recorder.get();
    io.launcher = launcher.get();
    io.messages = &platform::qtNotices();
    io.openProfile = [](const std::string& path) { return platform::makeProfileFile(path); };
    io.openStore = [](const std::string& path) { return platform::makeLessonSource(path); };
    io.endProgram = [] { platform::Runtime::quit(0); };

    platform::QtFormView mainView(*mainForm);
    platform::QtFormView mirrorView(*mirror, mainView);
    shell::LessonWindow window(*mainForm, *mirror, io);
    if (const platform::Status bound = window.bind(); !bound) {
        std::fprintf(stderr, "main: %s\n", bound.error().message.c_str());
        return 1;
    }
    window.formLoad();
    if (!audio.hasSound())
        platform::qtNotices().tell("没有声音设备", "找不到可用的声音设备：原音、提示音和录音都无法使用。");
    const int code = runtime.exec();
    platform::actionlog::write("program.end", std::to_string(code));
    return code;
}
