// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The transmitter's end of a serial line, for tests: a pseudo-terminal whose
// slave the editor opens by path, and everything the editor sent, with the
// time each byte arrived.
#include "ptypair.h"

#include <QElapsedTimer>
#include <QList>

struct PtyWire {
    PtyWire()
    {
        clock.start();
        QObject::connect(&pty, &PtyPair::readyRead, [this] {
            const QByteArray chunk = pty.readAll();
            arrivals.insert(arrivals.size(), chunk.size(), clock.nsecsElapsed());
            received += chunk;
        });
    }

    PtyPair pty;
    QByteArray received;
    QList<qint64> arrivals;  // of each byte of `received`, in nanoseconds
    QElapsedTimer clock;
};
