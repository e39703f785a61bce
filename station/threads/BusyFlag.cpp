#include "station/threads/BusyFlag.h"

namespace {

bool TakeFlag(std::atomic<bool>& flag, int waits, int waitMs, SleepFunction pause) {
    for (int wait = 0;; ++wait) {
        if (!flag.exchange(true, std::memory_order_acquire))
            return true;
        if (wait == waits)
            return false;
        pause(waitMs);
    }
}

} // namespace

CBusyGuard::CBusyGuard(std::atomic<bool>& flag, int waits, int waitMs, SleepFunction pause)
    : m_flag(flag), m_taken(TakeFlag(flag, waits, waitMs, pause)) {}

CBusyGuard::~CBusyGuard() {
    if (m_taken && !m_keep)
        m_flag.store(false, std::memory_order_release);
}
