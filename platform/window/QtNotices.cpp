#include "platform/window/Notices.h"

#include <cstdio>

#include <QApplication>
#include <QMessageBox>

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
        // Not modal: the window goes on working while the message stands.
        auto* box = new QMessageBox(QMessageBox::Warning, qs(title), qs(message), QMessageBox::Ok, QApplication::activeWindow());
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->setModal(false);
        box->show();
    }
};

} // namespace

Notices& qtNotices()
{
    static QtNotices notices;
    return notices;
}

} // namespace platform
