#pragma once

#include <functional>
#include <memory>

namespace platform {

// Hands work from the audio threads to the user-interface thread. Made on the UI thread
// (the one running the Qt event loop); post() may be called from any thread, and the work
// runs later on the UI thread, in the order posted, each item after the call that posted it
// has returned. Work not yet run when the queue is destroyed is dropped. The owner must make
// sure no other thread posts while the queue is being destroyed (close the device or unhook
// the callback first). An exception thrown by the work is caught and logged.
class UiThreadQueue {
public:
    UiThreadQueue();
    ~UiThreadQueue();
    UiThreadQueue(const UiThreadQueue&) = delete;
    UiThreadQueue& operator=(const UiThreadQueue&) = delete;

    void post(std::function<void()> work);

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};

} // namespace platform
