#include "platform/qt/TerminationSignals.h"

#include "platform/StopRequest.h"

#include <atomic>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

#include <QSocketNotifier>

namespace {

constexpr int kWatchedSignals[] = {SIGTERM, SIGINT};

// The write end of the pipe of the living instance, -1 when there is none.
std::atomic<int> g_signalPipe{-1};

// Only what may be done inside a signal handler: a lock-free flag set and one write, errno kept
// as it was.
void OnSignal(int signal) {
    const int savedErrno = errno;
    RequestProgramEnd();
    const int fd = g_signalPipe.load();
    if (fd >= 0) {
        const unsigned char number = static_cast<unsigned char>(signal);
        [[maybe_unused]] const ssize_t written = write(fd, &number, 1);
    }
    errno = savedErrno;
}

} // namespace

TerminationSignals::TerminationSignals(QObject* parent) : QObject(parent) {
    int ends[2];
    if (pipe2(ends, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    m_readEnd = UniqueFd(ends[0]);
    m_writeEnd = UniqueFd(ends[1]);
    g_signalPipe = m_writeEnd.Get();

    m_notifier = new QSocketNotifier(m_readEnd.Get(), QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &TerminationSignals::OnReadable);

    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    m_watching = true;
    for (const int signal : kWatchedSignals)
        m_watching = sigaction(signal, &action, nullptr) == 0 && m_watching;
}

TerminationSignals::~TerminationSignals() {
    struct sigaction action {};
    action.sa_handler = SIG_DFL;
    sigemptyset(&action.sa_mask);
    for (const int signal : kWatchedSignals)
        sigaction(signal, &action, nullptr);
    g_signalPipe = -1;
    WithdrawProgramEndRequest();
}

void TerminationSignals::OnReadable() {
    unsigned char numbers[16];
    ssize_t got;
    while ((got = read(m_readEnd.Get(), numbers, sizeof numbers)) > 0)
        for (ssize_t i = 0; i < got; ++i)
            emit Received(numbers[i]);
}
