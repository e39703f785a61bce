#include "station/BusyFlag.h"

#include "platform/Sleep.h"

namespace {

bool TakeFlag(std::atomic<bool>& flag, int waits, int waitMs) {
    for (int wait = 0;; ++wait) {
        if (!flag.exchange(true, std::memory_order_acquire))
            return true;
        if (wait == waits)
            return false;
        SleepMs(waitMs);
    }
}

} // namespace

CBusyGuard::CBusyGuard(std::atomic<bool>& flag, int waits, int waitMs)
    : m_flag(flag), m_taken(TakeFlag(flag, waits, waitMs)) {}

CBusyGuard::~CBusyGuard() {
    if (m_taken)
        m_flag.store(false, std::memory_order_release);
}
