#pragma once

#include "station/threads/BusyFlag.h"
#include "store/FDB.h"

// The data-file busy flag (g_fdb.m_busy) keeps apart the record operations that read every
// line of the data file or change it. An operation waits at most three times 100 ms for the
// flag; when it is still set then, the operation gives up and has no effect at all.
inline constexpr int kDataFileBusyWaits = 3;
inline constexpr int kDataFileBusyWaitMs = 100;

// Takes the data-file busy flag by the rule above (or with another number of waits) for one
// operation; the flag is cleared when the guard goes, on every return. When the guard is not
// taken, the caller gives up. No holder of the flag ever waits for the other thread, so a
// waiter always sees the flag clear again after a finite operation.
[[nodiscard]] inline CBusyGuard WaitAndTakeDataFile(int waits = kDataFileBusyWaits) {
    return CBusyGuard(g_fdb.m_busy, waits, kDataFileBusyWaitMs);
}
