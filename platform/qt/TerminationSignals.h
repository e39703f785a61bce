#pragma once

#include "platform/FileDescriptor.h"

#include <QObject>

class QSocketNotifier;

// The requests to end that the system sends a program (SIGTERM at a logout or shut-down,
// SIGINT from the terminal), turned into a call on the user-interface thread, so that the
// program ends its run in its own orderly way instead of at once. The signal handler only
// records the request to end (IsProgramEndRequested, for work that keeps the user-interface
// thread busy) and writes the signal's number into a pipe; the user-interface thread reads it
// from there. One instance at a time; while it lives, those signals no longer end the process
// by themselves.
class TerminationSignals : public QObject {
    Q_OBJECT

public:
    explicit TerminationSignals(QObject* parent = nullptr);
    // Puts the system's handling of the signals back and forgets the request to end.
    ~TerminationSignals() override;

    // Whether the handlers are in place; false when the pipe or the handlers could not be set.
    bool IsWatching() const { return m_watching; }

signals:
    // On the user-interface thread, once for every signal received.
    void Received(int signal);

private:
    void OnReadable();

    UniqueFd m_readEnd;
    UniqueFd m_writeEnd;
    QSocketNotifier* m_notifier = nullptr;
    bool m_watching = false;
};
