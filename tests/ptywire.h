// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The transmitter's end of a serial line, for tests: a pseudo-terminal whose
// slave the editor opens by path, and everything the editor sent, with the
// time each byte arrived. A thread of its own reads the line, so the times
// are the line's even while the test's thread is held up. PtyPair's
// readyRead() still tells when something came, from that thread.
#include "ptypair.h"

#include <QElapsedTimer>
#include <QList>

#include <atomic>
#include <mutex>
#include <poll.h>
#include <pthread.h>
#include <sched.h>
#include <thread>

struct PtyWire {
    PtyWire()
    {
        clock.start();
        pty.stopNotifying();
        m_reader = std::thread([this] { listen(); });
    }
    ~PtyWire() { stopListening(); }

    QByteArray received() const
    {
        const std::lock_guard lock(m_mutex);
        return m_received;
    }
    // Of each byte of received(), in nanoseconds.
    QList<qint64> arrivals() const
    {
        const std::lock_guard lock(m_mutex);
        return m_arrivals;
    }
    // As if the cable were pulled.
    void unplug()
    {
        stopListening();
        pty.closeMaster();
    }

    PtyPair pty;
    QElapsedTimer clock;
    std::atomic<bool> realTime{false};  // the times are exact to well under a millisecond

private:
    void listen()
    {
        // Stamped as they come, ahead of busy threads, where the system
        // allows it; else with an ordinary thread's delays.
        sched_param param{};
        param.sched_priority = 1;
        realTime = pthread_setschedparam(pthread_self(), SCHED_FIFO, &param) == 0;
        while (!m_stop) {
            pollfd p{pty.masterFd(), POLLIN, 0};
            if (::poll(&p, 1, 20) <= 0 || !(p.revents & POLLIN))
                continue;
            const QByteArray chunk = pty.readAll();
            const qint64 at = clock.nsecsElapsed();
            {
                const std::lock_guard lock(m_mutex);
                m_arrivals.insert(m_arrivals.size(), chunk.size(), at);
                m_received += chunk;
            }
            // Those who answer what came do it on their own threads.
            Q_EMIT pty.readyRead();
        }
    }
    void stopListening()
    {
        m_stop = true;
        if (m_reader.joinable())
            m_reader.join();
    }

    mutable std::mutex m_mutex;
    QByteArray m_received;
    QList<qint64> m_arrivals;
    std::atomic<bool> m_stop{false};
    std::thread m_reader;
};
