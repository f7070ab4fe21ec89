// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "frames.h"
#include "paramset.h"
#include "portsettings.h"

#include <QByteArray>
#include <QObject>
#include <QString>

class QIODevice;
class QSerialPort;

namespace j3k {

// The transmitter at the other end of a serial port, spoken to the way the
// editor speaks to it: "OK" once the port is open, "RRR" for READ, the S
// record and half a second later the G record for UPDATE, "DIS" before the
// port closes. Every message is written and flushed at once, so none of
// them waits for the event loop. The waits run an event loop of their own,
// so a command-line program can use the link straight from main(), and a
// window stays live in them.
class TxLink : public QObject
{
    Q_OBJECT

public:
    enum class Notice { Send, Skip };

    explicit TxLink(QObject *parent = nullptr);
    ~TxLink() override;  // closes without a notice

    // Opens the port, applies the settings and sends "OK". False when the
    // port does not open (errorString() says why, with the way to the
    // right to open it where that is missing) or "OK" did not go out.
    bool open(const PortSettings &settings);
    // Opens a virtual transmitter inside the program instead of a port
    // (VirtualTxPort, a child of the link until the close) and sends "OK".
    bool openVirtual();
    // Sends "DIS" (not after the line was lost: nobody would hear it) and
    // closes the port, from a handler of the link's own signals too.
    void close(Notice notice = Notice::Send);
    bool isOpen() const;
    // Whether the line went away under the open port (adapter pulled).
    bool isLost() const { return m_lost; }
    QString errorString() const { return m_error; }

    // Sends "RRR"; the frames come back through received().
    bool requestRead();
    // Sends the S record, pauses 500 ms with the event loop running, then
    // sends the G record. False when the port failed or was lost in the
    // pause, in which case the G record was not sent. The pause lasts even
    // when the application exits in it: the transmitter must not get the G
    // record early.
    bool update(const QByteArray &recordS, const QByteArray &recordG);
    // The same with both records built first from `params`.
    bool update(const ParamSet &params);

    struct ReadResult {
        ParamSet params;
        int typesSeen = 0;
        bool complete() const { return typesSeen == FrameTypeCount; }
    };
    // READ as one call: sends "RRR" and applies the frames that come back
    // to `base` until every frame type is in, `timeoutMs` has passed or the
    // line is lost. VERSION and the rates of the D/R channel `base` selects
    // come only from here; the parameter files do not carry the one and
    // hold one pair of the other.
    ReadResult read(const ParamSet &base, int timeoutMs);

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

private:
    bool send(const QByteArray &bytes);
    void readPort();
    void onError();

    bool attach(QIODevice *device);

    QIODevice *m_device = nullptr;  // the open line: m_port or a virtual transmitter
    QSerialPort *m_port = nullptr;
    QString m_error;
    bool m_lost = false;
    bool m_inPortSignal = false;  // a handler of received() runs inside the port's readyRead()
};

}  // namespace j3k
