// SPDX-License-Identifier: GPL-3.0-or-later
#include "ptytransmitter.h"

PtyTransmitter::PtyTransmitter(QObject *parent)
    : QObject(parent)
{
    connect(&m_pty, &PtyPair::readyRead, this, &PtyTransmitter::answer);
}

void PtyTransmitter::answer()
{
    const j3k::VirtualTransmitter::Reply reply = m_transmitter.feed(m_pty.readAll());
    if (!reply.bytes.isEmpty())
        m_pty.write(m_noise ? m_noise->pass(reply.bytes) : reply.bytes);
    for (const QString &line : reply.log)
        Q_EMIT logged(line);
}
