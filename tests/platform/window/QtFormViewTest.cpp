// The Qt view driven as the learner drives it, offscreen: clicks, keys and typing reach the
// form's controls, and the form's changes reach the widgets.

#include "platform/window/QtFormView.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QTreeView>

#include "platform/window/CustomControl.h"
#include "platform/window/FormLoader.h"
#include "platform/window/ListView.h"

namespace {

// A self-drawn control that records what it is told and has a cut-out corner.
class Recorder : public platform::HostedControl {
public:
    std::string className() const override { return "Recorder"; }
    const platform::Surface& surface() const override { return m_surface; }
    void resized(int w, int h) override
    {
        m_surface.resize(w, h, platform::rgb(200, 0, 0));
        m_surface.fillRect({0, 0, 4, 4}, platform::rgb(0, 0, 255));
        if (site())
            site()->setShape(&m_surface, platform::rgb(0, 0, 255));
    }
    void mouseDown(int b, int, int x, int y) override { log.push_back("down " + std::to_string(b) + " " + std::to_string(x) + "," + std::to_string(y)); }
    void mouseUp(int b, int, int, int) override { log.push_back("up " + std::to_string(b)); }
    void click() override { log.push_back("click"); }
    void keyDown(int key, int) override { log.push_back("keydown " + std::to_string(key)); }
    void keyPress(int ascii) override { log.push_back("keypress " + std::to_string(ascii)); }
    void keyUp(int key, int) override { log.push_back("keyup " + std::to_string(key)); }
    void gotFocus() override { log.push_back("focus"); }
    std::vector<std::string> log;

private:
    platform::Surface m_surface;
};

const char* kForm = R"({
 "name": "test", "caption": "Tovanel", "width": 6000, "height": 4500,
 "controls": [
  {"name": "list", "kind": "ListView", "place": [0, 0, 4500, 2250]},
  {"name": "box", "kind": "TextBox", "place": [0, 2400, 1500, 300], "text": "1"},
  {"name": "probe", "kind": "Recorder", "place": [3000, 3000, 600, 300]},
  {"name": "frame", "kind": "Frame", "place": [0, 0, 6000, 4500], "visible": false},
  {"name": "cover", "kind": "Label", "in": "frame", "place": [0, 0, 600, 300], "text": "over"}
 ]})";

struct Shown {
    std::unique_ptr<platform::Form> form;
    std::unique_ptr<platform::QtFormView> view;
    std::vector<std::string> events;
    QWidget* window = nullptr;

    Shown()
    {
        auto loaded = platform::loadForm(kForm, platform::QtFormView::services(),
                                         [](const std::string& kind) -> std::unique_ptr<platform::HostedControl> {
                                             return kind == "Recorder" ? std::make_unique<Recorder>() : nullptr;
                                         },
                                         {});
        EXPECT_TRUE(loaded) << (loaded ? "" : loaded.error().message);
        form = std::move(loaded).value();
        auto& list = *form->findAs<platform::ListView>("list");
        list.addColumn("日文", 2250);
        list.addColumn("中文", 2250);
        for (const char* text : {"一", "二", "三"}) {
            const int row = list.addRow(text, 0);
            list.setSubItem(row, 1, std::string(text) + "cn");
        }
        for (const char* e : {"Click", "DblClick", "KeyUp", "GotFocus"})
            list.on(e, [this, &list](const platform::ControlEvent& ev) {
                events.push_back(ev.name + " row " + std::to_string(list.selectedRow()) + (ev.keyCode ? " key " + std::to_string(ev.keyCode) : ""));
            });
        view = std::make_unique<platform::QtFormView>(*form);
        form->setVisible(true);
        window = static_cast<QWidget*>(view->window());
        QApplication::processEvents();
    }
    template <typename T>
    T* widget(const char* name) const
    {
        return static_cast<T*>(view->widgetOf(*form->find(name)));
    }
    QPoint rowCentre(int row) const
    {
        auto* tree = widget<QTreeView>("list");
        return tree->visualRect(tree->model()->index(row - 1, 0)).center();
    }
};

} // namespace

TEST(QtFormView, ListClicksKeysAndDoubleClicksReachTheFormAfterTheSelectionMoved)
{
    Shown s;
    auto* tree = s.widget<QTreeView>("list");
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, s.rowCentre(2));
    QTest::keyClick(tree, Qt::Key_Down);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, s.rowCentre(1));
    QTest::mouseDClick(tree->viewport(), Qt::LeftButton, {}, s.rowCentre(1));
    // Focus comes first; an unselected list selects its first row on taking it.
    EXPECT_EQ(s.events, (std::vector<std::string>{"GotFocus row 1", "Click row 2", "KeyUp row 3 key 40", "Click row 1", "DblClick row 1"}));
    // The form's own selection reaches the widget.
    s.form->findAs<platform::ListView>("list")->select(2);
    EXPECT_EQ(tree->currentIndex().row(), 1);
}

TEST(QtFormView, SelfDrawnControlGetsPressesKeysAndItsOutline)
{
    Shown s;
    auto* custom = s.form->findAs<platform::CustomControl>("probe");
    auto& probe = static_cast<Recorder&>(custom->hosted());
    QWidget* w = s.widget<QWidget>("probe");
    EXPECT_FALSE(w->mask().contains(QPoint(1, 1))); // the key-coloured corner is a hole
    EXPECT_TRUE(w->mask().contains(QPoint(20, 10)));
    QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(20, 10));
    QTest::mouseClick(w, Qt::RightButton, {}, QPoint(20, 10));
    QTest::keyClick(w, Qt::Key_Space);
    EXPECT_EQ(probe.log, (std::vector<std::string>{"focus", "down 1 20,10", "up 1", "click", "down 2 20,10", "up 2", "keydown 32", "keypress 32", "keyup 32"}));
    // A disabled control's window gets nothing.
    probe.log.clear();
    custom->setWindowEnabled(false);
    QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(20, 10));
    EXPECT_TRUE(probe.log.empty());
}

TEST(QtFormView, TypingChangesTheTextBoxAndFormChangesReachTheWidgets)
{
    Shown s;
    auto* edit = s.widget<QWidget>("box")->findChild<QLineEdit*>();
    ASSERT_TRUE(edit);
    edit->selectAll();
    QTest::keyClicks(edit, "12");
    EXPECT_EQ(s.form->find("box")->text(), "12");
    s.form->find("box")->setText("7");
    EXPECT_EQ(edit->text(), QStringLiteral("7"));
    // A frame shown later covers what lies under it; hiding it hides its children.
    QWidget* cover = s.widget<QWidget>("cover");
    EXPECT_FALSE(cover->isVisible());
    s.form->find("frame")->setVisible(true);
    EXPECT_TRUE(cover->isVisible());
    // The frame takes the pointer over what it covers (its label lets it through).
    EXPECT_EQ(QApplication::widgetAt(s.window->mapToGlobal(QPoint(5, 5))), s.widget<QWidget>("frame"));
}

TEST(QtFormView, WindowTakesTheFormsOutlineCaptionAndSize)
{
    Shown s;
    EXPECT_EQ(s.window->windowTitle(), QStringLiteral("Tovanel"));
    EXPECT_EQ(s.window->size(), QSize(400, 300));
    s.form->setShape(platform::Region::roundRect(0, 0, 400, 300, 28, 28));
    EXPECT_FALSE(s.window->mask().contains(QPoint(0, 0)));
    EXPECT_TRUE(s.window->mask().contains(QPoint(200, 150)));
    EXPECT_TRUE(s.window->windowFlags().testFlag(Qt::FramelessWindowHint));
}
