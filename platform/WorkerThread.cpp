#include "platform/WorkerThread.h"

#include <memory>
#include <sys/resource.h>
#include <unistd.h>

namespace {

struct ThreadStart {
    std::function<void()> body;
    ThreadPriority priority;
};

// Linux keeps a nice value per thread, which the new thread inherits from its creator; raising
// it needs no privilege. Elsewhere the call may fail, and the thread runs at normal priority.
void LowerOwnPriority() {
    const id_t self = static_cast<id_t>(gettid());
    const int nice = getpriority(PRIO_PROCESS, self);
    setpriority(PRIO_PROCESS, self, nice + kBelowNormalNiceSteps);
}

void* RunThread(void* argument) {
    const std::unique_ptr<ThreadStart> start(static_cast<ThreadStart*>(argument));
    if (start->priority == ThreadPriority::kBelowNormal)
        LowerOwnPriority();
    start->body();
    return nullptr;
}

} // namespace

CWorkerThread::~CWorkerThread() {
    Join();
}

bool CWorkerThread::Start(std::function<void()> body, ThreadPriority priority) {
    if (m_started)
        return false;
    auto start = std::make_unique<ThreadStart>(ThreadStart{std::move(body), priority});
    if (pthread_create(&m_thread, nullptr, RunThread, start.get()) != 0)
        return false;
    start.release(); // the thread owns it now
    m_started = true;
    return true;
}

void CWorkerThread::Join() {
    if (!m_started)
        return;
    pthread_join(m_thread, nullptr);
    m_started = false;
}
