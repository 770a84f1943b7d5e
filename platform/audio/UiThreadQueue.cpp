#include "platform/audio/UiThreadQueue.h"

#include <exception>
#include <string>

#include <QObject>

#include "platform/log/ActionLog.h"

namespace platform {

struct UiThreadQueue::Impl {
    QObject context; // lives on the thread that made the queue; queued calls die with it
};

UiThreadQueue::UiThreadQueue()
    : m_impl(std::make_unique<Impl>())
{
}

UiThreadQueue::~UiThreadQueue() = default;

void UiThreadQueue::post(std::function<void()> work)
{
    QMetaObject::invokeMethod(
        &m_impl->context,
        [work = std::move(work)] {
            try {
                work();
            } catch (const std::exception& e) {
                actionlog::write("audio.error", std::string("a handler failed: ") + e.what());
            } catch (...) {
                actionlog::write("audio.error", "a handler failed");
            }
        },
        Qt::QueuedConnection);
}

} // namespace platform
