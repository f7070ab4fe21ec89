// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QObject>
#include <QString>

class QSocketNotifier;

// A pseudo-terminal in raw mode. This object works the master end; the
// slave end is a serial port that another program (or QSerialPort in this
// one) opens by slavePath().
//
// The slave descriptor openpty() hands out stays open here, unread, until
// the master closes: with no slave open the master reports a hang-up on
// every poll, and a peer that closes and reopens the port would find the
// master gone deaf in between.
class PtyPair : public QObject
{
    Q_OBJECT

public:
    explicit PtyPair(QObject *parent = nullptr);
    ~PtyPair() override;

    bool isOpen() const { return m_master >= 0; }
    QString errorString() const { return m_error; }
    QString slavePath() const { return m_slavePath; }

    // What the slave side has sent so far.
    QByteArray readAll();
    // Hands `data` to the slave side; false when it could not all go.
    bool write(QByteArrayView data);
    // As if the cable were pulled: the slave side sees a hang-up.
    void closeMaster();
    // For a reader on a thread of its own, which polls masterFd() and calls
    // readAll() itself: readyRead() is no longer emitted.
    void stopNotifying();
    int masterFd() const { return m_master; }
    // The slave end this object keeps open: its line settings are the ones
    // whoever opened the port applied.
    int slaveFd() const { return m_slave; }

Q_SIGNALS:
    void readyRead();

private:
    void fail(const char *what);

    int m_master = -1;
    int m_slave = -1;
    QString m_slavePath;
    QString m_error;
    QSocketNotifier *m_notifier = nullptr;
};
