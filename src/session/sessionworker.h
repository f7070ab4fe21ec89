// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "frames.h"
#include "portsettings.h"
#include "readanswer.h"
#include "readrounds.h"
#include "txlink.h"

#include <QObject>
#include <QString>
#include <QTimer>

namespace j3k {

// The line's side of a session: the port, READ with its answer, UPDATE
// with its pause, the frames nobody asked for, a stop. It lives on the
// session's own thread and is reached only through TxSession, so nothing
// the caller's thread does (a long paint, a slow disk, a modal dialog) can
// hold back a record or a frame.
class SessionWorker : public QObject
{
    Q_OBJECT

public:
    explicit SessionWorker(QObject *parent = nullptr);
    // The link's own end sends a G record still due.
    ~SessionWorker() override;

    bool open(const PortSettings &settings);
    // The virtual transmitter inside the program (where there is no
    // pseudo-terminal to put it behind).
    bool openVirtual(const PortSettings &settings);
    void close(TxLink::Notice notice);
    bool isOpen() const { return m_link->isOpen(); }
    QString errorString() const { return m_link->errorString(); }

    bool isReading() const { return m_reading; }
    bool isPausing() const { return m_link->isPausing(); }
    bool isBusy() const { return m_reading || m_link->isPausing(); }

    bool startRead(const ParamSet &base, int timeoutMs, int silenceMs);
    bool startUpdate(const ParamSet &params);
    void stop(int signal);

    VirtualTransmitter *virtualTransmitter() const { return m_link->virtualTransmitter(); }
    qint64 sentCount() const { return m_sent; }
    qint64 receivedCount() const { return m_received; }

Q_SIGNALS:
    // The same as TxSession's, emitted on this object's thread.
    void opened();
    void closed();
    void trafficChanged();
    void readStarted();
    void noAnswer();
    void readFinished(const j3k::ReadAnswer &answer);
    void framesArrived(const j3k::FrameValues &frames);
    void updateStarted(const j3k::ParamSet &params);
    void updateFinished(bool whole, const j3k::ParamSet &sent);
    void idle();
    void lost(const QString &reason, bool updateCut);
    void stopped(int signal, bool afterUpdate);

private:
    void take(const QByteArray &batch);
    void endRound();
    void endRead();
    void onUpdateFinished(bool whole);
    void finishStop(bool afterUpdate);

    TxLink *m_link;  // a child: it lives and dies on this object's thread
    FrameDecoder m_decoder;
    qint64 m_sent = 0;
    qint64 m_received = 0;

    bool m_reading = false;
    ReadAnswer m_answer;
    ReadRounds m_rounds;
    ParamSet m_readBase;
    int m_silenceMs = 0;
    int m_portSilenceMs = ReadRounds::silenceMs(PortSettings().baudRate);
    QTimer *m_roundEnd;
    QTimer *m_readEnd;
    QTimer *m_noAnswer;

    ParamSet m_updating;
    bool m_updateCut = false;
    int m_stopSignal = 0;
};

}  // namespace j3k
