// SPDX-License-Identifier: GPL-3.0-or-later
#include "txlink.h"

#include "records.h"
#include "virtualtxport.h"

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QScopedValueRollback>
#include <QSerialPort>
#include <QThread>
#include <QTimer>

#include <chrono>

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

void wait(std::chrono::milliseconds time)
{
    // A precise timer never fires early; a coarse one may, by up to 5 %.
    const QDeadlineTimer deadline(time, Qt::PreciseTimer);
    while (!deadline.hasExpired()) {
        QEventLoop loop;
        QTimer::singleShot(int(deadline.remainingTime()), Qt::PreciseTimer, &loop, &QEventLoop::quit);
        // An application that exits ends every event loop at once and lets
        // no new one run; the time that is left is then slept away.
        if (loop.exec() != 0)
            QThread::msleep(ulong(deadline.remainingTime()));
    }
}

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
    if (error != QSerialPort::PermissionError || !file.exists() || (file.isReadable() && file.isWritable()))
        return {};
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
{}

TxLink::~TxLink() = default;

bool TxLink::isOpen() const { return m_device && m_device->isOpen(); }

bool TxLink::open(const PortSettings &settings)
{
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
    m_port->flush();
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

bool TxLink::update(const QByteArray &recordS, const QByteArray &recordG)
{
    if (!send(recordS))
        return false;
    Q_EMIT sent(recordS.size());
    wait(kRecordPause);
    if (!send(recordG))
        return false;
    Q_EMIT sent(recordG.size());
    return true;
}

bool TxLink::update(const ParamSet &params)
{
    return update(buildRecord(RecordId::S, params).toLatin1(), buildRecord(RecordId::G, params).toLatin1());
}

TxLink::ReadResult TxLink::read(const ParamSet &base, int timeoutMs)
{
    ReadResult result{base, 0};
    if (!isOpen())
        return result;
    // Whatever came unasked before the request belongs to no answer.
    m_device->readAll();
    FrameDecoder decoder;
    QEventLoop loop;
    connect(this, &TxLink::received, &loop, [&](const QByteArray &batch) {
        decoder.feed(batch, result.params);
        if (decoder.typesSeen() == FrameTypeCount)
            loop.quit();
    });
    connect(this, &TxLink::lost, &loop, &QEventLoop::quit);
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    if (requestRead())
        loop.exec();
    result.typesSeen = decoder.typesSeen();
    return result;
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
            if (port && port == m_port)
                Q_EMIT lost(reason);
        },
        Qt::QueuedConnection);
}

}  // namespace j3k
