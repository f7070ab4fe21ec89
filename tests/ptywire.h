#pragma once

// The transmitter's end of a serial line, for tests: a pseudo-terminal whose
// slave the editor opens by path, and everything the editor sent, with the
// time each byte arrived.
#include "ptypair.h"

#include <QElapsedTimer>
#include <QList>

class PtyWire
{
public:
    PtyWire()
    {
        m_clock.start();
        QObject::connect(&pty, &PtyPair::readyRead, [this] {
            const QByteArray chunk = pty.readAll();
            const qint64 now = m_clock.nsecsElapsed();
            for (qsizetype i = 0; i < chunk.size(); ++i)
                arrivals << now;
            received += chunk;
        });
    }

    // When byte `index` of `received` arrived, in nanoseconds.
    qint64 arrival(qsizetype index) const { return arrivals.at(index); }

    PtyPair pty;
    QByteArray received;
    QList<qint64> arrivals;

private:
    QElapsedTimer m_clock;
};
