#include "txlink.h"

#include "records.h"

#include <QEventLoop>
#include <QFileInfo>
#include <QSerialPort>
#include <QTimer>

#include <chrono>

namespace j3k {

namespace {

// The transmitter takes the G record only this long after the S record.
constexpr std::chrono::milliseconds kRecordPause{500};
// A flush hands over what the driver takes at once; the rest of a message
// must be out before the next one (or the close) all the same.
constexpr int kWriteWaitMs = 1000;

void wait(std::chrono::milliseconds time)
{
    QEventLoop loop;
    // A precise timer never fires early; a coarse one may, by up to 5 %.
    QTimer::singleShot(time, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

}  // namespace

TxLink::TxLink(QObject *parent)
    : QObject(parent)
{}

TxLink::~TxLink() = default;

bool TxLink::isOpen() const { return m_port && m_port->isOpen(); }

bool TxLink::open(const PortSettings &settings)
{
    close(Notice::Skip);
    m_lost = false;
    m_error.clear();
    m_port = new QSerialPort(settings.portName, this);
    if (!m_port->open(QIODevice::ReadWrite)) {
        m_error = m_port->errorString();
#ifndef Q_OS_WIN
        const QString &name = settings.portName;
        const QFileInfo file(name.startsWith(QLatin1Char('/')) ? name : QStringLiteral("/dev/") + name);
        if (m_port->error() == QSerialPort::PermissionError && file.exists()
            && !(file.isReadable() && file.isWritable())) {
            m_error += QLatin1Char('\n')
                       + tr("Serial ports belong to the dialout group: add yourself with "
                            "\"sudo usermod -aG dialout $USER\" and log in again.");
        }
#endif
        delete m_port;
        m_port = nullptr;
        return false;
    }
    applyPortSettings(*m_port, settings);
    connect(m_port, &QSerialPort::readyRead, this, &TxLink::readPort);
    connect(m_port, &QSerialPort::errorOccurred, this, &TxLink::onError);
    return send(QByteArrayLiteral("OK"));
}

void TxLink::close(Notice notice)
{
    if (!m_port)
        return;
    if (notice == Notice::Send && !m_lost && m_port->isOpen())
        send(QByteArrayLiteral("DIS"));
    m_port->close();
    // Not deleted from inside one of its own signals.
    m_port->disconnect(this);
    m_port->deleteLater();
    m_port = nullptr;
}

bool TxLink::send(const QByteArray &bytes)
{
    if (!isOpen() || m_lost)
        return false;
    if (m_port->write(bytes) != bytes.size()) {
        m_error = m_port->errorString();
        return false;
    }
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

bool TxLink::update(const ParamSet &params)
{
    const QByteArray s = buildRecord(RecordId::S, params).toLatin1();
    const QByteArray g = buildRecord(RecordId::G, params).toLatin1();
    if (!send(s))
        return false;
    Q_EMIT sent(s.size());
    wait(kRecordPause);
    if (!send(g))
        return false;
    Q_EMIT sent(g.size());
    return true;
}

TxLink::ReadResult TxLink::read(const ParamSet &base, int timeoutMs)
{
    ReadResult result{base, 0};
    if (!isOpen())
        return result;
    // Whatever came unasked before the request belongs to no answer.
    m_port->readAll();
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
    const QByteArray batch = m_port->readAll();
    if (!batch.isEmpty())
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
    Q_EMIT lost(m_error);
}

}  // namespace j3k
