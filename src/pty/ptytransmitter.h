// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ptypair.h"
#include "virtualtransmitter.h"

#include <QObject>

// The virtual transmitter on the master end of a pseudo-terminal: open
// slavePath() as a serial port and talk to it like to the real thing.
class PtyTransmitter : public QObject
{
    Q_OBJECT

public:
    explicit PtyTransmitter(QObject *parent = nullptr);

    bool isOpen() const { return m_pty.isOpen(); }
    QString errorString() const { return m_pty.errorString(); }
    QString slavePath() const { return m_pty.slavePath(); }
    const j3k::VirtualTransmitter &transmitter() const { return m_transmitter; }
    j3k::VirtualTransmitter &transmitter() { return m_transmitter; }

Q_SIGNALS:
    // One line for each message understood (or bytes skipped).
    void logged(const QString &line);

private:
    void answer();

    PtyPair m_pty;
    j3k::VirtualTransmitter m_transmitter;
};
