// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "frames.h"
#include "paramset.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QStringList>

namespace j3k {

// A stand-in for the transmitter, for trying the editor without one. It
// keeps a whole parameter set, answers READ with every frame type and stores
// what UPDATE sends, so a READ after an UPDATE gives back what was written.
//
// It is fed the bytes the editor sends, in chunks of any size: a message cut
// short waits for the rest, and bytes that start no message are skipped.
class VirtualTransmitter
{
public:
    // What one chunk of input caused.
    struct Reply {
        QByteArray bytes;  // to send back to the editor
        QStringList log;   // what was understood, one line a message
    };

    // The editor's start values, firmware version 300, every D/R rate 100.
    VirtualTransmitter();

    Reply feed(QByteArrayView chunk);

    const ParamSet &params() const { return m_params; }
    const DrRates &rates() const { return m_rates; }
    // What it holds from now on, as if set on the transmitter itself.
    void hold(const ParamSet &params, const DrRates &rates)
    {
        m_params = params;
        m_rates = rates;
    }
    // Between "OK" and "DIS".
    bool isLinked() const { return m_linked; }

    // From now on records leave this parameter as it is, the way a
    // transmitter that refuses a value would: for trying what the editor
    // says when an UPDATE does not take.
    void keepUnchanged(int index) { m_kept.append(index); }

private:
    // The length of the message at the start of `text` once it is whole,
    // 0 while it may still become one, -1 when it cannot.
    static qsizetype messageLength(QByteArrayView text);
    void handle(QByteArrayView message, Reply &reply);
    QString storeRecord(QByteArrayView record);

    QByteArray m_pending;
    ParamSet m_params;
    DrRates m_rates;
    bool m_linked = false;
    QList<int> m_kept;
};

}  // namespace j3k
