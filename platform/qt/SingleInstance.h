#pragma once

#include "platform/FileDescriptor.h"

#include <QObject>
#include <QString>

class QLocalServer;
class QLocalSocket;

// One running instance of the program per user, in place of a named mutex. The first instance
// claims a name by locking a file of that name in the user's runtime folder, keeps the lock for
// its whole life (the system drops it when the process ends, however it ends) and listens on a
// local socket beside it. A later start finds the lock taken and may ask the first instance,
// through that socket, to bring up its window.
class SingleInstance : public QObject {
    Q_OBJECT

public:
    explicit SingleInstance(const QString& name, QObject* parent = nullptr);
    ~SingleInstance() override;

    // Claims the name for this process. False when another instance holds it, and still holds
    // it after `waitMs` (tried again every kClaimRetryMs). True also when the claim cannot be
    // made at all (no runtime folder, no lock file): the program then runs without the
    // guarantee.
    bool Claim(int waitMs = 0);
    static constexpr int kClaimRetryMs = 50;

    // This instance is ending: from now on it tells later starts so, and they wait for its end
    // instead of asking it for a window.
    void Withdraw() { m_ending = true; }

    // Hands the claim to a new copy of the program: stops answering later starts and gives the
    // open lock file, which the new copy inherits (see ProgramStart.h) under the environment
    // variable kHandedDownLockVariable; -1 when this instance holds no lock. The claim stays
    // with this process as well until it ends, so the name is never free in between.
    int HandOver();
    // After a hand-over whose new copy did not start: answers later starts again.
    void TakeBack();

    // The environment variable under which a new copy finds the lock handed down to it.
    static constexpr const char* kHandedDownLockVariable = "TALVORIN_INSTANCE_LOCK";

    // What the instance that holds the name answers a later start.
    enum class Answer {
        kRaised,       // it had the window and brought it up
        kNoSuchWindow, // it runs, without a window of that title
        kEnding,       // it is ending and lets go of the name within seconds
        kNoAnswer,     // it could not be reached or did not answer in time
    };
    // For a start that found the name taken: asks the instance that holds it to restore, raise
    // and activate its top-level window whose title is exactly `title`, and waits up to
    // `timeoutMs` for the answer.
    Answer AskHolderToRaise(const QString& title, int timeoutMs = 3000) const;

    // The folder of the lock and the socket: $XDG_RUNTIME_DIR, or the desktop's fallback.
    static QString RuntimeFolder();

private:
    bool AdoptHandedDownLock();
    void Listen();
    void OnConnection();
    void OnRequest(QLocalSocket* socket);

    QString m_lockPath;
    QString m_socketPath;
    UniqueFd m_lock;
    QLocalServer* m_server = nullptr;
    bool m_ending = false;
};

// Restores (when minimised), raises and activates the first visible top-level window of this
// process whose title is exactly `title`. False when there is none.
bool RaiseWindowTitled(const QString& title);
