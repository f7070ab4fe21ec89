// SPDX-License-Identifier: GPL-3.0-or-later
#include "stopsignals.h"

#include <QSocketNotifier>

#ifdef Q_OS_UNIX
#include <atomic>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>
#elif defined(Q_OS_WIN)
#include <csignal>
#include <mutex>
#include <qt_windows.h>
#endif

namespace j3k {

#ifdef Q_OS_UNIX
namespace {

constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP};

std::atomic<int> writeEnd{-1};

extern "C" void onStopSignal(int signal)
{
    const int fd = writeEnd.load();
    const char byte = char(signal);
    if (fd >= 0) [[maybe_unused]]
        const ssize_t n = ::write(fd, &byte, 1);
}

}  // namespace

StopSignals::StopSignals(QObject *parent)
    : QObject(parent)
{
    if (::pipe(m_pipe) != 0)
        return;
    for (const int fd : m_pipe)
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
    writeEnd.store(m_pipe[1]);
    struct sigaction action {
    };
    action.sa_handler = onStopSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int s : kSignals)
        ::sigaction(s, &action, nullptr);
    m_notifier = new QSocketNotifier(m_pipe[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &StopSignals::readPipe);
    m_active = true;
}

StopSignals::~StopSignals()
{
    if (m_pipe[1] < 0)
        return;
    int mine = m_pipe[1];
    if (writeEnd.compare_exchange_strong(mine, -1)) {
        for (const int s : kSignals)
            ::signal(s, SIG_DFL);
    }
    delete m_notifier;
    ::close(m_pipe[0]);
    ::close(m_pipe[1]);
}

void StopSignals::readPipe()
{
    char byte = 0;
    while (::read(m_pipe[0], &byte, 1) == 1)
        Q_EMIT caught(int(uchar(byte)));
}

#elif defined(Q_OS_WIN)
namespace {

// The console calls its handlers on a thread of its own, so the newest
// StopSignals is reached under a lock that its destructor takes too.
std::mutex current;
StopSignals *newest = nullptr;
HANDLE ended = nullptr;  // set when the newest StopSignals is gone

BOOL WINAPI onConsoleEvent(DWORD event)
{
    int signal = SIGINT;  // Ctrl+C and Ctrl+Break, as a terminal's Ctrl+C
    if (event == CTRL_CLOSE_EVENT || event == CTRL_LOGOFF_EVENT || event == CTRL_SHUTDOWN_EVENT)
        signal = SIGTERM;
    else if (event != CTRL_C_EVENT && event != CTRL_BREAK_EVENT)
        return FALSE;
    HANDLE wait = nullptr;
    {
        const std::lock_guard lock(current);
        if (!newest)
            return FALSE;
        StopSignals *const to = newest;
        QMetaObject::invokeMethod(
            to, [to, signal] { Q_EMIT to->caught(signal); }, Qt::QueuedConnection);
        wait = ended;
    }
    // Windows ends the process as soon as a close handler returns, and
    // gives it 5 s at most: the program gets that long to send its G
    // record and DIS and come to its end.
    if (signal == SIGTERM)
        ::WaitForSingleObject(wait, 5000);
    return TRUE;
}

}  // namespace

StopSignals::StopSignals(QObject *parent)
    : QObject(parent)
{
    const std::lock_guard lock(current);
    if (!ended)
        ended = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
    ::ResetEvent(ended);
    newest = this;
    m_active = ::SetConsoleCtrlHandler(onConsoleEvent, TRUE);
}

StopSignals::~StopSignals()
{
    const std::lock_guard lock(current);
    if (newest != this)
        return;
    newest = nullptr;
    ::SetConsoleCtrlHandler(onConsoleEvent, FALSE);
    ::SetEvent(ended);
}

void StopSignals::readPipe() {}

#else

StopSignals::StopSignals(QObject *parent)
    : QObject(parent)
{}

StopSignals::~StopSignals() = default;

void StopSignals::readPipe() {}

#endif

}  // namespace j3k
