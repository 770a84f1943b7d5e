#include "platform/Runtime.h"

#include <cstdlib>

#include <QApplication>

#include "platform/draw/QtDraw.h"

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

std::string Runtime::programFolder() { return u8(QCoreApplication::applicationDirPath()); }

void Runtime::quit(int code) { QApplication::exit(code); }

void Runtime::preferHeadless()
{
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    ::setenv("SDL_AUDIODRIVER", "dummy", 0);
    ::setenv("LANG", "C.UTF-8", 0);
}

} // namespace platform
