#include "platform/qt/SingleInstance.h"

#include "platform/ProgramStart.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>

#include <QApplication>
#include <QDeadlineTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>
#include <QWidget>

namespace {

constexpr char kRaised[] = "1\n";
constexpr char kNotFound[] = "0\n";
constexpr char kEnding[] = "2\n";

} // namespace

bool RaiseWindowTitled(const QString& title) {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (!window->isWindow() || !window->isVisible() || window->windowTitle() != title)
            continue;
        if (window->isMinimized())
            window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
        window->raise();
        window->activateWindow();
        return true;
    }
    return false;
}

SingleInstance::SingleInstance(const QString& name, QObject* parent) : QObject(parent) {
    const QString folder = RuntimeFolder();
    if (!folder.isEmpty()) {
        m_lockPath = folder + '/' + name + ".lock";
        m_socketPath = folder + '/' + name + ".socket";
    }
}

SingleInstance::~SingleInstance() {
    // The socket file goes before the lock, so that the next holder never removes a live one.
    if (m_server)
        m_server->close();
}

QString SingleInstance::RuntimeFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
}

bool SingleInstance::Claim(int waitMs) {
    if (m_lockPath.isEmpty())
        return true;
    if (!AdoptHandedDownLock()) {
        UniqueFd lock(
            open(m_lockPath.toLocal8Bit().constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600));
        if (!lock.IsValid())
            return true;
        const QDeadlineTimer deadline(waitMs);
        while (flock(lock.Get(), LOCK_EX | LOCK_NB) != 0) {
            if (errno != EWOULDBLOCK)
                return true;
            if (deadline.hasExpired())
                return false;
            QThread::msleep(kClaimRetryMs);
        }
        m_lock = std::move(lock);
    }
    Listen();
    return true;
}

// A lock handed down by the instance that started this one counts only when it is this name's
// lock file and its lock is held through it.
bool SingleInstance::AdoptHandedDownLock() {
    UniqueFd lock(TakeHandedDownFd(kHandedDownLockVariable));
    struct stat handed {
    }, named{};
    if (!lock.IsValid() || fstat(lock.Get(), &handed) != 0 ||
        stat(m_lockPath.toLocal8Bit().constData(), &named) != 0 || handed.st_dev != named.st_dev ||
        handed.st_ino != named.st_ino || flock(lock.Get(), LOCK_EX | LOCK_NB) != 0)
        return false;
    m_lock = std::move(lock);
    return true;
}

void SingleInstance::Listen() {
    // A socket file left by a holder that died, or that handed its claim over, is stale: the
    // lock proves nobody listens on it.
    QLocalServer::removeServer(m_socketPath);
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::OnConnection);
    m_server->listen(m_socketPath);
}

int SingleInstance::HandOver() {
    if (!m_lock.IsValid())
        return -1;
    // Closed now, while the socket file is still ours: the new holder makes its own.
    delete m_server;
    m_server = nullptr;
    return m_lock.Get();
}

void SingleInstance::TakeBack() {
    if (m_lock.IsValid() && !m_server)
        Listen();
}

void SingleInstance::OnConnection() {
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { OnRequest(socket); });
        if (socket->canReadLine())
            OnRequest(socket);
    }
}

void SingleInstance::OnRequest(QLocalSocket* socket) {
    if (!socket->canReadLine())
        return;
    const QString title = QString::fromUtf8(socket->readLine()).chopped(1);
    socket->write(m_ending ? kEnding : RaiseWindowTitled(title) ? kRaised : kNotFound);
    socket->flush();
    socket->disconnectFromServer();
}

SingleInstance::Answer SingleInstance::AskHolderToRaise(const QString& title, int timeoutMs) const {
    if (m_socketPath.isEmpty())
        return Answer::kNoAnswer;
    QLocalSocket socket;
    socket.connectToServer(m_socketPath);
    if (!socket.waitForConnected(timeoutMs))
        return Answer::kNoAnswer;
    socket.write(title.toUtf8() + '\n');
    if (!socket.waitForBytesWritten(timeoutMs))
        return Answer::kNoAnswer;
    while (!socket.canReadLine())
        if (!socket.waitForReadyRead(timeoutMs))
            return Answer::kNoAnswer;
    const QByteArray answer = socket.readLine();
    return answer == kRaised   ? Answer::kRaised
           : answer == kEnding ? Answer::kEnding
                               : Answer::kNoSuchWindow;
}
