#pragma once

class CStopRequest;

// Every pause of the program's own code goes through SleepMs, so that tests can count the
// pauses or shorten them without changing what the program does.
void SleepMs(int milliseconds);

using SleepFunction = void (*)(int milliseconds);

// Makes SleepMs call `function` instead of really sleeping; null restores real sleeping.
// Returns the function in use before. Safe to call while other threads sleep.
SleepFunction SetSleepFunction(SleepFunction function);

// While it lives, every SleepMs on the thread that made it ends the moment `stop` is made, and
// once it is made none pauses at all. So every wait of that thread, also those deep inside the
// code it calls (a console access, the waits for a busy flag), is cut short by the request,
// and the thread gets through to its end at once. One at a time per thread.
class CStoppablePauses {
public:
    explicit CStoppablePauses(const CStopRequest& stop);
    ~CStoppablePauses();
    CStoppablePauses(const CStoppablePauses&) = delete;
    CStoppablePauses& operator=(const CStoppablePauses&) = delete;
};
