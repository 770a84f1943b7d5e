#include "platform/window/Notices.h"

#include <cstdio>
#include <map>

#include <QApplication>
#include <QMessageBox>
#include <QPointer>

#include "platform/draw/QtDraw.h"
#include "platform/log/ActionLog.h"

namespace platform {
namespace {

class QtNotices : public Notices {
public:
    void tell(const std::string& title, const std::string& message) override
    {
        actionlog::write("notice", title + ": " + message);
        std::fprintf(stderr, "main: %s: %s\n", title.c_str(), message.c_str());
        // A message of a title that still stands replaces its text, so that the same trouble
        // met again and again (a run over many missing clips) leaves one box, not a pile.
        QPointer<QMessageBox>& standing = m_boxes[title];
        if (standing && standing->isVisible()) { // a box answered is hidden until it is deleted
            standing->setText(qs(message));
            standing->raise();
            return;
        }
        // Not modal: the window goes on working while the message stands.
        auto* box = new QMessageBox(QMessageBox::Warning, qs(title), qs(message), QMessageBox::Ok, QApplication::activeWindow());
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->setModal(false);
        box->show();
        standing = box;
    }

private:
    std::map<std::string, QPointer<QMessageBox>> m_boxes;
};

} // namespace

Notices& qtNotices()
{
    static QtNotices notices;
    return notices;
}

} // namespace platform
