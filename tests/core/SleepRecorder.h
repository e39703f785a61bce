#pragma once

#include "platform/Sleep.h"

#include <mutex>
#include <vector>

// While it lives, the program's pauses are recorded instead of slept, so tests run fast and
// can check how long the code would have waited.
class SleepRecorder {
public:
    SleepRecorder() : m_previous(SetSleepFunction(Record)) { Pauses().clear(); }
    ~SleepRecorder() { SetSleepFunction(m_previous); }
    SleepRecorder(const SleepRecorder&) = delete;
    SleepRecorder& operator=(const SleepRecorder&) = delete;

    std::vector<int> Recorded() const {
        const std::lock_guard lock(Mutex());
        return Pauses();
    }
    void Clear() {
        const std::lock_guard lock(Mutex());
        Pauses().clear();
    }

private:
    static std::mutex& Mutex() {
        static std::mutex mutex;
        return mutex;
    }
    static std::vector<int>& Pauses() {
        static std::vector<int> pauses;
        return pauses;
    }
    static void Record(int milliseconds) {
        const std::lock_guard lock(Mutex());
        Pauses().push_back(milliseconds);
    }

    SleepFunction m_previous;
};
