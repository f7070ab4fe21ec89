// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "linenoise.h"
#include "ptypair.h"
#include "virtualtransmitter.h"

#include <QObject>

#include <optional>

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
    // From now on its answers go out through `noise`: a poor line to try
    // the editor on. What it hears stays clean.
    void setNoise(const j3k::LineNoise &noise) { m_noise = noise; }

Q_SIGNALS:
    // One line for each message understood (or bytes skipped).
    void logged(const QString &line);

private:
    void answer();

    PtyPair m_pty;
    j3k::VirtualTransmitter m_transmitter;
    std::optional<j3k::LineNoise> m_noise;
};
