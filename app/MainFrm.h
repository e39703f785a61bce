#pragma once

#include "app/MainView.h"
#include "dialogs/core/RangePreset.h"
#include "station/link/WeatherComm.h"
#include "station/threads/StatusText.h"

#include <atomic>
#include <ctime>

#include <QMainWindow>
#include <QTimer>

class CDebugDlg;
class CMyStatusBar;
class CommandActions;
class QToolBar;

// The main window: menu, keys and toolbar of the current language, the status bar with the
// link picture, and the view of the current weather. Its one-second link timer keeps the
// console link alive, redraws the link picture when the link changes and makes the alarm bells
// blink. It receives the status texts of the console reading, and keeps the time range last
// chosen in the history or graph dialog for the next opening of either.
class CMainFrame : public QMainWindow, public IStatusTextTarget {
    Q_OBJECT

public:
    static constexpr int kLinkTimerId = 1124;
    static constexpr int kLinkTimerMs = 1000;

    explicit CMainFrame(CWeatherComm& comm = g_weatherComm,
                        MainViewFactory makeView = CreateMainView);
    ~CMainFrame() override;

    // Builds the window in the current language: place and size, menu, keys, toolbar, status
    // bar and view, then starts the link timer. False when a resource of the frame is missing;
    // the frame is then not to be shown.
    bool OnCreate();
    // Shows the frame, then lets the view set itself up.
    void InitialUpdateFrame();

    // Status texts, from any thread.
    bool IsWindow() const override { return m_windowExists; }
    int OnStatusText(const char* text) override;

    // One tick of the link timer.
    void OnTimer();

    // The time range the history and graph dialogs hand back when they close, in their own
    // member order; the frame never looks inside. Load gives false and leaves its arguments as
    // they are while nothing was saved, so that the dialog keeps its own defaults.
    bool LoadSavedRange(int& preset, time_t (&times)[kRangeTimeCount]) const;
    void SaveRange(int preset, const time_t (&times)[kRangeTimeCount]);

    CommandActions& Commands() const { return *m_commands; }
    CMyStatusBar& StatusBar() const { return *m_wndStatusBar; }
    QToolBar& ToolBar() const { return *m_wndToolBar; }
    QWidget* View() const { return m_view.widget; }
    const QTimer& LinkTimer() const { return m_linkTimer; }
    CDebugDlg* DebugDialog() const { return m_debugDlg; }

    // Command handlers.
    void OnSetup();
    void OnAlarm();
    void OnScope();
    void OnDebug();
    void OnHistory();
    void OnGraph();
    void OnLanguage();
    void OnViewToolBar();
    void OnViewStatusBar();
    void OnAppExit();
    // New and Open start the one document afresh. It holds nothing, so only the view sets
    // itself up again (without a second monitor thread).
    void OnFileNew();

protected:
    // Command prompts go to pane 0; the idle text when the pointer leaves the command.
    bool event(QEvent* event) override;

private:
    void PreCreateWindow();
    bool CreateMenu(int resourceId);
    bool CreateToolBar();
    void OnCommand(int command);
    // Pane 0's text when nothing else is to be shown: why the link is down, or the idle text.
    QString IdleText() const;
    void ShowConsoleAbsence(ConsoleAbsence absence);

    CWeatherComm& m_comm;
    MainViewFactory m_makeView;
    MainView m_view;
    CommandActions* m_commands;
    CMyStatusBar* m_wndStatusBar;
    QToolBar* m_wndToolBar;
    QTimer m_linkTimer;
    QString m_idleText;
    ConsoleAbsence m_shownAbsence = ConsoleAbsence::kNone;
    // Whether pane 0 holds a status text of the console reading.
    bool m_statusTextShown = false;
    int m_rangePreset = -1;
    time_t m_rangeTimes[kRangeTimeCount] = {};
    std::atomic<bool> m_windowExists{false};
    // The debug dialog from the first Debug command on; the frame deletes it.
    CDebugDlg* m_debugDlg = nullptr;
};
