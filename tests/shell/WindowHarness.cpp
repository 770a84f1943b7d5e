#include "tests/shell/WindowHarness.h"

#include <gtest/gtest.h>

#include "platform/draw/Artwork.h"
#include "platform/window/FormLoader.h"
#include "shell/ControlFactory.h"
#include "shell/MirrorForm.h"

namespace harness {
namespace {

class ProfileProxy : public platform::ProfileFile {
public:
    explicit ProfileProxy(fakes::InMemoryProfile& p) : m_p(p) {}
    std::string read(std::string_view s, std::string_view k, std::string_view f) const override { return m_p.read(s, k, f); }
    platform::Status write(std::string_view s, std::string_view k, std::string_view v) override { return m_p.write(s, k, v); }

private:
    fakes::InMemoryProfile& m_p;
};

class StoreProxy : public platform::LessonSource {
public:
    explicit StoreProxy(fakes::InMemoryLessonSource& s) : m_s(s) {}
    platform::Result<std::vector<platform::LessonRow>> query(const std::string& t, const std::string& id) override { return m_s.query(t, id); }

private:
    fakes::InMemoryLessonSource& m_s;
};

class MissingStore : public platform::LessonSource {
public:
    explicit MissingStore(std::string path) : m_path(std::move(path)) {}
    platform::Result<std::vector<platform::LessonRow>> query(const std::string&, const std::string&) override
    {
        return platform::Error{platform::Error::Code::NotFound, "the lesson data file \"" + m_path + "\" does not exist"};
    }

private:
    std::string m_path;
};

} // namespace

Window::Window()
{
    const platform::FormServices services{&clock, &pointer, &alerts};
    auto loaded = platform::loadForm(shell::lessonWindowDescription(), services, shell::makeHostedControl,
                                     [](const std::string& name) { return platform::loadArtwork(name); });
    if (!loaded)
        ADD_FAILURE() << loaded.error().message;
    main = std::move(loaded).value();
    mirror = shell::makeMirrorForm(services, main->icon());
    shell::WindowServices io;
    io.programFolder = kFolder;
    io.wmp = &player;
    io.effects = &effects;
    io.mmc = &recorder;
    io.launcher = &launcher;
    io.messages = &alerts;
    io.openProfile = [this](const std::string& path) -> std::unique_ptr<platform::ProfileFile> {
        profilePaths.push_back(path);
        if (!hasProfile)
            return nullptr;
        return std::make_unique<ProfileProxy>(profile);
    };
    io.openStore = [this](const std::string& path) -> std::unique_ptr<platform::LessonSource> {
        storePaths.push_back(path);
        if (!hasStore)
            return std::make_unique<MissingStore>(path);
        return std::make_unique<StoreProxy>(store);
    };
    io.endProgram = [this] { ++ended; };
    window = std::make_unique<shell::LessonWindow>(*main, *mirror, io);
}

Window::~Window() = default;

void Window::start()
{
    const platform::Status bound = window->bind();
    ASSERT_TRUE(bound) << bound.error().message;
    window->formLoad();
}

void Window::click(const shell::Button& button)
{
    // A skinned button's visible face: its middle pixel.
    const int x = platform::twipsToPixels(button.host->width()) / 2, y = platform::twipsToPixels(button.host->height()) / 2;
    pointer.restOn(button.host, {x, y});
    button.host->deliverMouseMove(0, 0, x, y);
    button.host->deliverMouseDown(1, 0, x, y);
    button.host->deliverMouseUp(1, 0, x, y, true);
}

void Window::click(const shell::CheckBox& box)
{
    pointer.restOn(box.host, {5, 8});
    box.host->deliverMouseDown(1, 0, 5, 8);
    box.host->deliverMouseUp(1, 0, 5, 8, true);
}

void Window::click(const shell::RadioButton& radio)
{
    pointer.restOn(radio.host, {5, 8});
    radio.host->deliverMouseDown(1, 0, 5, 8);
    radio.host->deliverMouseUp(1, 0, 5, 8, true);
}

void Window::click(platform::Control* image)
{
    image->raise(platform::ControlEvent{"MouseDown", 1});
    image->raise(platform::ControlEvent{"MouseUp", 1});
    image->raise("Click");
}

void Window::mouseDown(platform::Control* image, int button) { image->raise(platform::ControlEvent{"MouseDown", button}); }

void Window::clickRow(int row)
{
    c().ListView1->setFocus();
    c().ListView1->selectedByUser(row);
    c().ListView1->raise("Click");
}

void Window::doubleClickRow(int row)
{
    clickRow(row);
    c().ListView1->raise("DblClick");
}

void Window::keyUp(int keyCode, int rowAfter)
{
    c().ListView1->selectedByUser(rowAfter);
    platform::ControlEvent e{"KeyUp"};
    e.keyCode = keyCode;
    c().ListView1->raise(e);
}

std::vector<std::string> Window::playerCalls()
{
    std::vector<std::string> calls = player.calls();
    player.clearCalls();
    return calls;
}

std::string Window::pane(int i) const { return window->controls().zhengwentext[static_cast<size_t>(i)]->text(); }

} // namespace harness
