// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "frames.h"
#include "paramdiff.h"
#include "paramset.h"
#include "portsettings.h"
#include "txlink.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <memory>

class PtyTransmitter;

namespace j3k {

// What frames brought: the values of the parameters in `set` (the rest of
// `params` is the base they were applied to), every channel's D/R rates,
// the frame types that passed their checks, and the values of refused
// frames, one fault a line.
struct FrameValues {
    ParamSet params;
    QList<int> set;
    QList<quint8> types;
    DrRates rates;
    bool hasRates = false;  // a D/R frame was among them
    QStringList refused;
};

// What a READ came to: the frames of its answer, taken together.
struct ReadAnswer {
    FrameValues frames;
    int typesSeen = 0;
    QString error;  // the line failed: READ did not go out, or went away
    bool complete() const { return error.isEmpty() && typesSeen == FrameTypeCount; }
};

// One connection to the transmitter over its whole life: OPEN, READ with
// its answer, UPDATE with its pause, the frames nobody asked for, the
// signals that end a program, DIS. The editor's window and j3kctl both
// speak to the transmitter only through this, so each of these exists once.
//
// Everything runs on timers in the caller's event loop; every outcome comes
// back through a signal.
class TxSession : public QObject
{
    Q_OBJECT

public:
    explicit TxSession(QObject *parent = nullptr);
    ~TxSession() override;

    // Opens the port and sends "OK"; false with errorString() saying why.
    bool open(const PortSettings &settings);
    // The virtual transmitter: behind a pseudo-terminal where there is
    // one, so it is reached through the serial port code as a real one is;
    // else inside the program.
    bool openVirtual(const PortSettings &settings);
    // DIS (unless `notice` is Skip or the line is gone) and the port closed;
    // in UPDATE's pause the close waits for the G record.
    void close(TxLink::Notice notice = TxLink::Notice::Send);
    bool isOpen() const { return m_link->isOpen(); }
    QString errorString() const { return m_error.isEmpty() ? m_link->errorString() : m_error; }

    bool isReading() const { return m_reading; }
    bool isPausing() const { return m_link->isPausing(); }
    bool isBusy() const { return m_reading || m_link->isPausing(); }

    // READ: "RRR", then frames until every type is in, `timeoutMs` has
    // passed or the line went away; then readFinished(). `base` gives what
    // frames do not carry (VERSION aside) and the D/R channel whose pair the
    // answer's rates fill. False, and no signal, when nothing went out.
    bool startRead(const ParamSet &base, int timeoutMs);
    // UPDATE: the S record of `params`, the pause, the G record; then
    // updateFinished(). False, and no signal, when the S record did not go
    // out or a command is under way.
    bool startUpdate(const ParamSet &params);

    // A signal that ends the program: outside UPDATE's pause at once, with
    // DIS; in the pause once the G record is out. stopped() tells when.
    void stop(int signal);

    qint64 sentCount() const { return m_sent; }
    qint64 receivedCount() const { return m_received; }

    // The virtual transmitter while it is open, for the tests and txsim's
    // kind of trials; null otherwise.
    PtyTransmitter *virtualTransmitter() const;

Q_SIGNALS:
    void opened();
    void closed();
    // Bytes went out or came in.
    void trafficChanged();
    void readStarted();
    // No frame within a second of READ.
    void noAnswer();
    void readFinished(const j3k::ReadAnswer &answer);
    // Frames that came outside a READ: a late answer, or sent unasked.
    void framesArrived(const j3k::FrameValues &frames);
    void updateStarted(const j3k::ParamSet &params);
    // UPDATE is over: `whole` when the G record went out too.
    void updateFinished(bool whole, const j3k::ParamSet &sent);
    // Neither READ nor UPDATE's pause is under way any more.
    void idle();
    // The line went away; the port is closed already. `updateCut` when it
    // went in UPDATE's pause, so the G record never went out.
    void lost(const QString &reason, bool updateCut);
    // stop() is done: the port is closed, after the G record where an
    // UPDATE was in its pause (`afterUpdate`).
    void stopped(int signal, bool afterUpdate);

private:
    void take(const QByteArray &batch);
    void endRead();
    void onUpdateFinished(bool whole);
    void finishStop(bool afterUpdate);
    void closedNow();

    TxLink *m_link;  // a child, so the port is one of its owner's objects
#ifdef J3K_HAVE_PTY
    std::unique_ptr<PtyTransmitter> m_virtualTx;
#endif
    QString m_error;  // why the virtual transmitter did not start
    FrameDecoder m_decoder;
    qint64 m_sent = 0;
    qint64 m_received = 0;

    bool m_reading = false;
    ReadAnswer m_answer;
    QTimer m_readEnd;
    QTimer m_noAnswer;

    ParamSet m_updating;
    bool m_updateCut = false;
    int m_stopSignal = 0;
};

}  // namespace j3k

Q_DECLARE_METATYPE(j3k::ReadAnswer)
Q_DECLARE_METATYPE(j3k::FrameValues)
