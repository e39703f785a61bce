#pragma once

#include "platform/qt/SingleInstance.h"

#include <memory>
#include <string>

class CMainFrame;
class TerminationSignals;

// The application: start-up in its order, the About command and the end of the run. All
// station data lives in the station link and the data file; the application keeps only the
// main frame and its claim to be the one running instance.
class CKR5160App {
public:
    // The name a second start finds taken, and the window title it then looks for.
    static constexpr const char* kInstanceName = "Talvorin Radio Controlled";

    // `programFolder`, with a trailing separator, holds the configuration and the data file.
    explicit CKR5160App(std::string programFolder);
    ~CKR5160App();
    CKR5160App(const CKR5160App&) = delete;
    CKR5160App& operator=(const CKR5160App&) = delete;

    // False to end the program at once: another instance runs, the program was asked to end
    // while a start-up message was shown, or the frame could not be made.
    bool InitInstance();
    // True when this is the only instance. A later start raises the first one's window when
    // that window carries exactly the instance name as its title; beside a copy that is ending
    // it waits a few seconds for that end and is then the only instance.
    bool CheckSingleInstance();
    // Ends the run: the frame goes (and with it the monitor thread), then the data file is
    // closed. Returns `exitCode`.
    int ExitInstance(int exitCode);

    // Leaves the event loop, and any modal run inside it, as the Exit command does; the run then
    // ends through ExitInstance. SIGTERM and SIGINT come here too, also while a start-up message
    // is shown: the message closes as its OK would, and start-up goes no further.
    void EndRun();
    // Starts a new copy of the program, hands it the single-instance claim and ends this run;
    // the new copy opens the data file only once this process has ended. False when no copy
    // could be started: this program then goes on as before.
    bool Restart();

    // The environment variable under which a restarted copy finds the pipe whose closing tells
    // it that the program it replaces has ended.
    static constexpr const char* kPredecessorVariable = "TALVORIN_PREDECESSOR";

    void OnAppAbout();

    CMainFrame* MainFrame() const { return m_frame.get(); }

private:
    void AwaitPredecessor();

    std::string m_programFolder;
    SingleInstance m_instance{kInstanceName};
    std::unique_ptr<CMainFrame> m_frame;
    std::unique_ptr<TerminationSignals> m_signals;
    bool m_ending = false;
};
