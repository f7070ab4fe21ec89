// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QSocketNotifier;

namespace j3k {

// SIGINT, SIGTERM and SIGHUP turned into a signal of the event loop, so a
// program can end them the way it ends anything else: after an UPDATE's G
// record, with DIS. A signal handler may do almost nothing, so it only
// writes the signal's number into a pipe the event loop watches.
//
// The newest StopSignals gets the signals; destroying it gives them their
// default action back. On Windows, a console's Ctrl+C and Ctrl+Break come
// as SIGINT and its closing as SIGTERM. Where there is no such thing,
// active() is false and caught() never comes.
class StopSignals : public QObject
{
    Q_OBJECT

public:
    explicit StopSignals(QObject *parent = nullptr);
    ~StopSignals() override;

    bool active() const { return m_active; }

Q_SIGNALS:
    void caught(int signal);

private:
    void readPipe();

    int m_pipe[2] = {-1, -1};
    QSocketNotifier *m_notifier = nullptr;
    bool m_active = false;
};

}  // namespace j3k
