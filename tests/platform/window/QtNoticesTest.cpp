#include "platform/window/Notices.h"

#include <algorithm>
#include <string>
#include <vector>

#include <QApplication>
#include <QMessageBox>

#include <gtest/gtest.h>

#include "tests/support/LogCapture.h"

namespace {

// The notice boxes standing now, as "title: text".
std::vector<std::string> standingBoxes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    std::vector<std::string> boxes;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible())
            boxes.push_back(box->windowTitle().toStdString() + ": " + box->text().toStdString());
    return boxes;
}

} // namespace

TEST(QtNotices, OneBoxStandsPerTitleAndEveryNoticeIsLogged)
{
    testpaths::LogCapture log;
    platform::Notices& notices = platform::qtNotices();
    notices.tell("A", "one");
    notices.tell("A", "two"); // replaces the text of the box that stands
    notices.tell("B", "three");
    auto boxes = standingBoxes();
    std::sort(boxes.begin(), boxes.end());
    EXPECT_EQ(boxes, (std::vector<std::string> { "A: two", "B: three" }));

    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* box = qobject_cast<QMessageBox*>(w); box && box->windowTitle() == QStringLiteral("A"))
            box->close(); // the learner answers it
    notices.tell("A", "four"); // a new box
    boxes = standingBoxes();
    std::sort(boxes.begin(), boxes.end());
    EXPECT_EQ(boxes, (std::vector<std::string> { "A: four", "B: three" }));
    EXPECT_EQ(log.lines, (std::vector<std::string> { "notice A: one", "notice A: two", "notice B: three", "notice A: four" }));

    for (QWidget* w : QApplication::topLevelWidgets())
        if (qobject_cast<QMessageBox*>(w))
            w->close();
    EXPECT_TRUE(standingBoxes().empty());
}
