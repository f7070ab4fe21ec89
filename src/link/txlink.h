// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "frames.h"
#include "paramset.h"
#include "portsettings.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <optional>

class QIODevice;
class QSerialPort;

namespace j3k {

class VirtualTransmitter;

// The transmitter at the other end of a serial port, spoken to the way the
// editor speaks to it: "OK" once the port is open, "RRR" for READ, the S
// record and half a second later the G record for UPDATE, "DIS" before the
// port closes. Every message is written and flushed at once.
//
// UPDATE runs on a timer in the caller's event loop and report their
// end through signals; nothing here runs an event loop of its own, so a
// dialog opened meanwhile cannot hold back the G record, and nothing the
// caller does can run inside a wait of the link's.
class TxLink : public QObject
{
    Q_OBJECT

public:
    enum class Notice { Send, Skip };

    explicit TxLink(QObject *parent = nullptr);
    // Closes without a notice; in UPDATE's pause it first sleeps out the
    // pause and sends the G record: the transmitter must never be left with
    // an S record alone while the line is up.
    ~TxLink() override;

    // Opens the port, applies the settings and sends "OK". False when the
    // port does not open (errorString() says why, with the way to the
    // right to open it where that is missing) or "OK" did not go out.
    bool open(const PortSettings &settings);
    // Opens a virtual transmitter inside the program instead of a port
    // (VirtualTxPort, a child of the link until the close) and sends "OK".
    bool openVirtual();
    // Sends "DIS" (not after the line was lost: nobody would hear it) and
    // closes the port, from a handler of the link's own signals too. In
    // UPDATE's pause on a live line the close waits for the G record.
    void close(Notice notice = Notice::Send);
    bool isOpen() const;
    // Whether the line went away under the open port (adapter pulled).
    bool isLost() const { return m_lost; }
    QString errorString() const { return m_error; }

    // The transmitter openVirtual() put behind the line, while it is open;
    // null on a port.
    VirtualTransmitter *virtualTransmitter() const;

    // Between an UPDATE's S record and its end (G record sent or lost).
    bool isPausing() const { return m_pause.isActive(); }
    // No UPDATE under way.
    bool isIdle() const { return !isPausing(); }

    // Sends "RRR"; the frames come back through received().
    bool requestRead();
    // Sends the S record and starts the pause; the G record leaves 500 ms
    // later from the event loop, then updateFinished() tells how it went.
    // False (and no signal) when the S record did not go out or a command
    // is under way.
    bool startUpdate(const QByteArray &recordS, const QByteArray &recordG);
    // The same with both records built first from `params`.
    bool startUpdate(const ParamSet &params);

Q_SIGNALS:
    // Every batch of bytes the port delivered.
    void received(const QByteArray &batch);
    // Bytes of a counted message (READ, a record) handed to the port; the
    // link notices are not counted.
    void sent(qint64 bytes);
    // The line went away; the port is still open until close(). Emitted
    // from the event loop, once per connection, so a handler may close the
    // link; not emitted when the link is closed first.
    void lost(const QString &reason);
    // UPDATE is over: `whole` when the G record went out too.
    void updateFinished(bool whole);

private:
    bool send(const QByteArray &bytes);
    void readPort();
    void onError();
    void endPause();
    void closeNow(Notice notice);

    bool attach(QIODevice *device);

    QIODevice *m_device = nullptr;  // the open line: m_port or a virtual transmitter
    QSerialPort *m_port = nullptr;
    QString m_error;
    bool m_lost = false;
    bool m_inPortSignal = false;  // a handler of received() runs inside the port's readyRead()

    QTimer m_pause;
    QElapsedTimer m_sinceS;
    QByteArray m_recordG;
    std::optional<Notice> m_closeAfterPause;
};

}  // namespace j3k
