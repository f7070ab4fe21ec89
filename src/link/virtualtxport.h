// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "virtualtransmitter.h"

#include <QByteArray>
#include <QIODevice>

namespace j3k {

// The virtual transmitter inside the program, where no pseudo-terminal can
// stand in for a serial port (Windows): the link writes to it and reads its
// answers as it would a port's. Like a port's, the answers arrive from the
// event loop, never from inside the write that asked for them.
class VirtualTxPort : public QIODevice
{
    Q_OBJECT

public:
    explicit VirtualTxPort(QObject *parent = nullptr);

    VirtualTransmitter &transmitter() { return m_transmitter; }
    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override { return m_answer.size() + QIODevice::bytesAvailable(); }

protected:
    qint64 readData(char *data, qint64 maxSize) override;
    qint64 writeData(const char *data, qint64 size) override;

private:
    VirtualTransmitter m_transmitter;
    QByteArray m_answer;  // sent back, not read yet
};

}  // namespace j3k
