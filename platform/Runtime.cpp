#include "platform/Runtime.h"

#include <cstdlib>

#include <QApplication>
#include <QEventLoop>
#include <QTimer>

#include "platform/draw/QtDraw.h"
#include "platform/draw/Surface.h"

namespace platform {

struct Runtime::Impl {
    Impl(int& argc, char** argv) : app(argc, argv) {}
    QApplication app;
};

Runtime::Runtime(int& argc, char** argv)
{
    m_impl = std::make_unique<Impl>(argc, argv);
    installFontSubstitutions();
}

Runtime::~Runtime() = default;

int Runtime::exec() { return QApplication::exec(); }

void Runtime::prepareFonts()
{
    for (const char* face : {"宋体", "MS Mincho"})
        (void)Surface::textSize("日本語", FontInfo{face, 9.0});
}

std::string Runtime::programFolder() { return u8(QCoreApplication::applicationDirPath()); }

void Runtime::processEvents(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

void Runtime::quit(int code) { QApplication::exit(code); }

void Runtime::preferHeadless()
{
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    ::setenv("SDL_AUDIODRIVER", "dummy", 0);
    ::setenv("LANG", "C.UTF-8", 0);
}

} // namespace platform
