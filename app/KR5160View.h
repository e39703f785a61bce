#pragma once

#include "app/FrameStatusRelay.h"
#include "app/LiveDisplay.h"
#include "app/core/MonitorThread.h"
#include "platform/WorkerThread.h"
#include "platform/qt/FormView.h"

#include <array>
#include <atomic>

#include <QPixmap>

class CAlarmBell;
class CRainLevel;
class CTempLevel;
class CWindDir;
class CWindLevel;

// The main window's client: the main form of the current language with the current weather
// on gauges, twenty value texts, twenty-five alarm bells and twenty-five min/max texts, all on
// the background picture, scrolled when the window is smaller than the form. Its first initial
// update starts the monitor thread (unless "SearchData" is off), which shows what it reads
// through the display operations below; they may be called from any thread and change the
// widgets on the user-interface thread.
class CKR5160View : public CFormView, private IMonitorView {
    Q_OBJECT

public:
    explicit CKR5160View(QWidget* parent = nullptr);
    // Asks the monitor thread to stop, which ends any pause of it, wakes it from its wait
    // between readings, makes a console read under way give up and waits for the thread to end,
    // while still carrying out what it sends to this thread meanwhile.
    ~CKR5160View() override;

    // Called by the frame once it has placed the view and shown itself: background, frame
    // size, gauge ranges and empty values, and, the first time only, the monitor thread.
    void OnInitialUpdate();

    // The record in the settings' display units: gauges, then the value texts.
    void ShowLiveData(const CWeatherRecord& record, const CWeatherSettings& settings) override;
    // The same record; the settings as read from the console, thresholds not yet scaled.
    void ShowAlarms(const CWeatherRecord& record, const CWeatherSettings& settings) override;
    // Min/max values already in display units.
    void ShowMinMax(const CWeatherSettings& settings) override;

    // Arms bell `item`: the disabled bell, the quiet bell, or the ringing bell that blinks.
    void SetBell(int item, bool enabled, bool active);
    // Flips the blink phase of every bell; the frame's timer calls it each second.
    void ToggleBells();

    bool HasMonitorThread() const { return m_monitor.IsStarted(); }

private:
    // Offered to the monitor thread besides the display operations.
    const CStopRequest& StopRequest() const override { return m_stopMonitor; }
    IStatusTextTarget* StatusTarget() override { return &m_statusRelay; }
    void SetTitle(const std::string& title) override;
    void Invalidate() override;

    void BuildMainForm();
    void ResizeParentToFit();
    void SetInitialRanges();
    void SetItemText(int item, const std::string& text);
    void StartMonitor();
    void StopMonitor();

    CStopRequest m_stopMonitor;
    std::array<CAlarmBell*, kBellCount> m_bells{};
    CTempLevel* m_indoorThermometer = nullptr;
    CTempLevel* m_outdoorThermometer = nullptr;
    CWindLevel* m_windLevel = nullptr;
    CWindLevel* m_gustLevel = nullptr;
    static constexpr std::size_t kRainBarCount = 5; // hour, 24 hours, week, month, total
    std::array<CRainLevel*, kRainBarCount> m_rainGauges{};
    CWindDir* m_compass = nullptr;
    const QPixmap m_bellBlinkBitmap;
    const QPixmap m_bellEnabledBitmap;
    const QPixmap m_bellDisabledBitmap;
    const QPixmap m_bellAlarmBitmap;

    bool m_initialUpdateDone = false;
    CFrameStatusRelay m_statusRelay{*this};
    CWorkerThread m_monitor;
    std::atomic<bool> m_monitorEnded{false};
};
