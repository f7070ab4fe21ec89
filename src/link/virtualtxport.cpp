// SPDX-License-Identifier: GPL-3.0-or-later
#include "virtualtxport.h"

#include <QMetaObject>

#include <cstring>

namespace j3k {

VirtualTxPort::VirtualTxPort(QObject *parent)
    : QIODevice(parent)
{}

qint64 VirtualTxPort::readData(char *data, qint64 maxSize)
{
    const qint64 n = qMin(maxSize, qint64(m_answer.size()));
    std::memcpy(data, m_answer.constData(), size_t(n));
    m_answer.remove(0, n);
    return n;
}

qint64 VirtualTxPort::writeData(const char *data, qint64 size)
{
    const VirtualTransmitter::Reply reply = m_transmitter.feed(QByteArrayView(data, size));
    if (!reply.bytes.isEmpty()) {
        m_answer += reply.bytes;
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (isOpen() && !m_answer.isEmpty())
                    Q_EMIT readyRead();
            },
            Qt::QueuedConnection);
    }
    return size;
}

}  // namespace j3k
