// SPDX-License-Identifier: GPL-3.0-or-later
#include "txlink.h"

#include "records.h"
#include "virtualtxport.h"

#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QScopedValueRollback>
#include <QSerialPort>
#include <QThread>

#include <chrono>
#include <utility>

#ifdef Q_OS_UNIX
#include <grp.h>
#include <sys/stat.h>
#endif

namespace j3k {

namespace {

// The transmitter takes the G record only this long after the S record.
constexpr std::chrono::milliseconds kRecordPause{500};
// A flush hands over what the driver takes at once; the rest of a message
// must be out before the next one (or the close) all the same.
constexpr int kWriteWaitMs = 1000;

// The group that owns the device node at `path`, whose members may open it;
// empty where there is no such node or no group database.
QString deviceGroup(const QString &path)
{
#ifdef Q_OS_UNIX
    struct stat node {
    };
    if (::stat(QFile::encodeName(path).constData(), &node) != 0)
        return {};
    if (const group *owner = ::getgrgid(node.st_gid))
        return QString::fromLocal8Bit(owner->gr_name);
#else
    Q_UNUSED(path);
#endif
    return {};
}

// How to get the right to open the port `name` that the system refused
// with `error`: join the group that owns the device (dialout on Debian, uucp
// on Arch). Empty where that is not why.
QString permissionHint(const QString &name, QSerialPort::SerialPortError error)
{
#ifdef Q_OS_WIN
    Q_UNUSED(name);
    Q_UNUSED(error);
    return {};
#else
    // QSerialPort takes a name under /dev (ttyUSB0) and a full path alike.
    const QFileInfo file(name.startsWith(QLatin1Char('/')) ? name : QStringLiteral("/dev/") + name);
    if (error != QSerialPort::PermissionError || !file.exists())
        return {};
    // Refused though we may open it: the port's lock, or its exclusive use,
    // is another program's.
    if (file.isReadable() && file.isWritable())
        return TxLink::tr("Another program has this port open: close the port there, or quit that program.");
    QString group = deviceGroup(file.absoluteFilePath());
    if (group.isEmpty())
        group = QStringLiteral("dialout");
    return TxLink::tr("Serial ports belong to the %1 group: add yourself with "
                      "\"sudo usermod -aG %1 $USER\" and log in again.")
        .arg(group);
#endif
}

}  // namespace

TxLink::TxLink(QObject *parent)
    : QObject(parent)
{
    // A precise timer never fires early; a coarse one may, by up to 5 %.
    m_pause.setTimerType(Qt::PreciseTimer);
    m_pause.setSingleShot(true);
    connect(&m_pause, &QTimer::timeout, this, &TxLink::endPause);
}

TxLink::~TxLink()
{
    const Notice notice = m_closeAfterPause.value_or(Notice::Skip);
    if (isPausing()) {
        // No event loop is left to time the G record (the application is
        // gone, or its owner is): the rest of the pause is slept away here.
        const qint64 left = kRecordPause.count() - m_sinceS.elapsed();
        if (left > 0)
            QThread::msleep(ulong(left));
        m_pause.stop();
        send(m_recordG);
    }
    closeNow(notice);
}

bool TxLink::isOpen() const { return m_device && m_device->isOpen(); }

VirtualTransmitter *TxLink::virtualTransmitter() const
{
    auto *port = qobject_cast<VirtualTxPort *>(m_device);
    return port ? &port->transmitter() : nullptr;
}

bool TxLink::open(const PortSettings &settings)
{
    if (isPausing())
        return false;  // the port of the running UPDATE stays until its G record
    close(Notice::Skip);
    m_lost = false;
    m_error.clear();
    m_port = new QSerialPort(settings.portName, this);
    if (!m_port->open(QIODevice::ReadWrite)) {
        m_error = m_port->errorString();
        const QString hint = permissionHint(settings.portName, m_port->error());
        if (!hint.isEmpty())
            m_error += QLatin1Char('\n') + hint;
        delete m_port;
        m_port = nullptr;
        return false;
    }
    applyPortSettings(*m_port, settings);
    connect(m_port, &QSerialPort::errorOccurred, this, &TxLink::onError);
    return attach(m_port);
}

bool TxLink::openVirtual()
{
    if (isPausing())
        return false;  // the port of the running UPDATE stays until its G record
    close(Notice::Skip);
    m_lost = false;
    m_error.clear();
    auto *port = new VirtualTxPort(this);
    port->open(QIODevice::ReadWrite | QIODevice::Unbuffered);
    return attach(port);
}

// The line is open on `device`: what comes in goes out through received(),
// and the transmitter hears "OK".
bool TxLink::attach(QIODevice *device)
{
    m_device = device;
    connect(m_device, &QIODevice::readyRead, this, &TxLink::readPort);
    return send(QByteArrayLiteral("OK"));
}

void TxLink::close(Notice notice)
{
    if (isPausing() && !m_lost) {
        // The G record still goes out at its time; the close follows it.
        if (!m_closeAfterPause || notice == Notice::Send)
            m_closeAfterPause = notice;
        return;
    }
    closeNow(notice);
}

void TxLink::closeNow(Notice notice)
{
    m_pause.stop();
    m_closeAfterPause.reset();
    if (!m_device)
        return;
    if (notice == Notice::Send && !m_lost && m_device->isOpen())
        send(QByteArrayLiteral("DIS"));
    m_device->disconnect(this);
    m_device->close();
    if (m_inPortSignal) {
        // Not deleted from inside one of its own signals; out of the
        // object tree at once all the same.
        m_device->setParent(nullptr);
        m_device->deleteLater();
    } else {
        delete m_device;
    }
    m_device = nullptr;
    m_port = nullptr;
}

bool TxLink::send(const QByteArray &bytes)
{
    if (!isOpen() || m_lost)
        return false;
    if (m_device->write(bytes) != bytes.size()) {
        m_error = m_device->errorString();
        return false;
    }
    if (!m_port)
        return true;  // the virtual transmitter took it whole
    // A line gone since the last message shows here first (EIO), often
    // before the port reports it.
    if (!m_port->flush()) {
        m_error = m_port->errorString();
        return false;
    }
    if (m_port->bytesToWrite() > 0 && !m_port->waitForBytesWritten(kWriteWaitMs)) {
        m_error = tr("the port took nothing for %1 ms").arg(kWriteWaitMs);
        return false;
    }
    return true;
}

bool TxLink::requestRead()
{
    const QByteArray request = QByteArrayLiteral("RRR");
    if (!send(request))
        return false;
    Q_EMIT sent(request.size());
    return true;
}

bool TxLink::startUpdate(const QByteArray &recordS, const QByteArray &recordG)
{
    if (!isIdle() || !send(recordS))
        return false;
    // Counted first, so the pause runs from a moment after the S record
    // went out whoever measures it.
    Q_EMIT sent(recordS.size());
    m_sinceS.start();
    m_pause.start(kRecordPause);
    m_recordG = recordG;
    return true;
}

bool TxLink::startUpdate(const ParamSet &params)
{
    return startUpdate(buildRecord(RecordId::S, params).toLatin1(), buildRecord(RecordId::G, params).toLatin1());
}

void TxLink::endPause()
{
    const bool whole = send(m_recordG);
    if (whole)
        Q_EMIT sent(m_recordG.size());
    const std::optional<Notice> closeNext = std::exchange(m_closeAfterPause, std::nullopt);
    Q_EMIT updateFinished(whole);
    if (closeNext)
        closeNow(*closeNext);
}

void TxLink::readPort()
{
    const QByteArray batch = m_device->readAll();
    if (batch.isEmpty())
        return;
    const QScopedValueRollback<bool> inSignal(m_inPortSignal, true);
    Q_EMIT received(batch);
}

// A pulled adapter (or a closed pseudo-terminal) shows as a resource or read
// error, repeated as fast as the port is polled; the first one counts.
void TxLink::onError()
{
    const QSerialPort::SerialPortError error = m_port->error();
    if ((error != QSerialPort::ResourceError && error != QSerialPort::ReadError) || m_lost)
        return;
    m_lost = true;
    m_error = m_port->errorString();
    // Not from inside the port's own signal: closing the port there deletes
    // the notifier that is emitting.
    QMetaObject::invokeMethod(
        this,
        [this, port = QPointer<QSerialPort>(m_port), reason = m_error] {
            if (!port || port != m_port)
                return;
            // Nothing more comes: the G record cannot go out. That is told
            // before the loss, whose handler may close.
            if (isPausing()) {
                m_pause.stop();
                endPause();
            }
            if (port == m_port)
                Q_EMIT lost(reason);
        },
        Qt::QueuedConnection);
}

}  // namespace j3k
