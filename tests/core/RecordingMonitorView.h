#pragma once

#include "app/core/MonitorThread.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

// A main view and frame for the monitor thread: every call it makes, in order, in one log.
class RecordingView : public IMonitorView, private IStatusTextTarget {
public:
    // Looked at on the top of each cycle (and a few times more within a reading).
    const CStopRequest& StopRequest() const override {
        ++m_cycles;
        return *m_stop;
    }
    void RequestStop() { m_stop->Request(); }
    // A request not yet made, for the next run of the thread.
    void RenewStopRequest() { m_stop.emplace(); }
    IStatusTextTarget* StatusTarget() override { return this; }
    void SetTitle(const std::string& title) override { Log("title " + title); }
    void ShowLiveData(const CWeatherRecord& record, const CWeatherSettings&) override {
        Log("live", [&] { m_live = record; });
    }
    void ShowAlarms(const CWeatherRecord&, const CWeatherSettings&) override { Log("alarms"); }
    void ShowMinMax(const CWeatherSettings&) override { Log("minmax"); }
    void Invalidate() override { Log("invalidate"); }

    // Waits (at most 20 s) until the log holds `count` entries that begin with `start`.
    bool WaitFor(const std::string& start, std::size_t count = 1) {
        std::unique_lock lock(m_mutex);
        return m_changed.wait_for(lock, std::chrono::seconds(20),
                                  [&] { return Count(start) >= count; });
    }
    bool WaitForCycles(int cycles) {
        const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        while (m_cycles < cycles && std::chrono::steady_clock::now() < until)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        return m_cycles >= cycles;
    }
    std::vector<std::string> Log() const {
        const std::lock_guard lock(m_mutex);
        return m_log;
    }
    CWeatherRecord LastLive() const {
        const std::lock_guard lock(m_mutex);
        return m_live;
    }
    int Cycles() const { return m_cycles; }

    // The status text on which the view asks the thread to stop, as a user's Exit would.
    std::string stopAt;

private:
    bool IsWindow() const override { return true; }
    int OnStatusText(const char* text) override {
        Log(std::string("status ") + text);
        if (!stopAt.empty() && stopAt == text)
            RequestStop();
        return 0;
    }

    void Log(const std::string& entry, const std::function<void()>& alsoDo = {}) {
        {
            const std::lock_guard lock(m_mutex);
            m_log.push_back(entry);
            if (alsoDo)
                alsoDo();
        }
        m_changed.notify_all();
    }
    std::size_t Count(const std::string& start) const {
        return std::count_if(m_log.begin(), m_log.end(),
                             [&](const std::string& entry) { return entry.starts_with(start); });
    }

    std::optional<CStopRequest> m_stop{std::in_place};
    mutable std::mutex m_mutex;
    std::condition_variable m_changed;
    std::vector<std::string> m_log;
    CWeatherRecord m_live;
    mutable std::atomic<int> m_cycles{0};
};

inline const std::string kSummary = "status Last Read Time: ";
