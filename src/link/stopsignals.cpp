// SPDX-License-Identifier: GPL-3.0-or-later
#include "stopsignals.h"

#include <QSocketNotifier>

#ifdef Q_OS_UNIX
#include <atomic>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>
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

#else

StopSignals::StopSignals(QObject *parent)
    : QObject(parent)
{}

StopSignals::~StopSignals() = default;

void StopSignals::readPipe() {}

#endif

}  // namespace j3k
