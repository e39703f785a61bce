#pragma once

#include "platform/Sleep.h"

#include <atomic>

// A busy flag keeps two threads' accesses to one resource apart. A party takes it by one atomic
// test-and-set, so two can never both hold it, and clears it when its access is over, whatever
// the access's result.
class CBusyGuard {
public:
    // Takes `flag`; while another party holds it, waits `waitMs` and tries again, at most
    // `waits` times. Whether it was taken tells IsTaken. The user-interface thread waits with a
    // function that goes on handling its events, since the holder may be sending to it.
    CBusyGuard(std::atomic<bool>& flag, int waits, int waitMs, SleepFunction pause = SleepMs);
    // Clears the flag when this guard took it.
    ~CBusyGuard();
    CBusyGuard(const CBusyGuard&) = delete;
    CBusyGuard& operator=(const CBusyGuard&) = delete;

    bool IsTaken() const { return m_taken; }
    // Leaves a taken flag set when the guard goes: for a party that ends the program while it
    // holds the resource, so that nobody starts an access meanwhile.
    void KeepTaken() { m_keep = true; }

private:
    std::atomic<bool>& m_flag;
    bool m_taken;
    bool m_keep = false;
};
