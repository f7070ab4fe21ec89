// SPDX-License-Identifier: GPL-3.0-or-later
#include "ptypair.h"

#include <QSocketNotifier>

#if __has_include(<pty.h>)
#include <pty.h>
#else
#include <util.h>
#endif
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

namespace {

bool makeRaw(int fd)
{
    termios t{};
    if (::tcgetattr(fd, &t) != 0)
        return false;
    ::cfmakeraw(&t);
    return ::tcsetattr(fd, TCSANOW, &t) == 0;
}

}  // namespace

PtyPair::PtyPair(QObject *parent)
    : QObject(parent)
{
    char name[256] = {};
    if (::openpty(&m_master, &m_slave, name, nullptr, nullptr) != 0) {
        m_master = m_slave = -1;
        fail("openpty");
        return;
    }
    // Raw on both ends: no echo, no line editing, no CR/LF translation, so
    // every byte arrives as sent.
    if (!makeRaw(m_slave) || !makeRaw(m_master)) {
        fail("tcsetattr");
        closeMaster();
        return;
    }
    ::fcntl(m_master, F_SETFL, ::fcntl(m_master, F_GETFL) | O_NONBLOCK);
    // A program started meanwhile must not keep the line up: closing the
    // master is the unplugging.
    for (const int fd : {m_master, m_slave})
        ::fcntl(fd, F_SETFD, ::fcntl(fd, F_GETFD) | FD_CLOEXEC);
    m_slavePath = QString::fromLocal8Bit(name);
    m_notifier = new QSocketNotifier(m_master, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &PtyPair::readyRead);
}

PtyPair::~PtyPair() { closeMaster(); }

void PtyPair::fail(const char *what)
{
    m_error = QStringLiteral("%1: %2").arg(QLatin1String(what), QString::fromLocal8Bit(std::strerror(errno)));
}

QByteArray PtyPair::readAll()
{
    QByteArray out;
    char buf[4096];
    while (m_master >= 0) {
        const ssize_t n = ::read(m_master, buf, sizeof buf);
        if (n > 0) {
            out.append(buf, n);
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && errno != EAGAIN && m_notifier) {
            // Not going to get better; a notifier left on would fire nonstop.
            fail("read");
            m_notifier->setEnabled(false);
        }
        break;
    }
    return out;
}

bool PtyPair::write(QByteArrayView data)
{
    qsizetype done = 0;
    while (m_master >= 0 && done < data.size()) {
        const ssize_t n = ::write(m_master, data.data() + done, std::size_t(data.size() - done));
        if (n > 0) {
            done += n;
        } else if (n < 0 && errno == EAGAIN) {
            // The slave's input queue is full: give its reader a moment.
            pollfd p{m_master, POLLOUT, 0};
            if (::poll(&p, 1, 1000) <= 0)
                break;
        } else if (!(n < 0 && errno == EINTR)) {
            fail("write");
            break;
        }
    }
    return done == data.size();
}

void PtyPair::stopNotifying()
{
    delete m_notifier;
    m_notifier = nullptr;
}

void PtyPair::closeMaster()
{
    delete m_notifier;
    m_notifier = nullptr;
    if (m_master >= 0)
        ::close(m_master);
    if (m_slave >= 0)
        ::close(m_slave);
    m_master = m_slave = -1;
}
