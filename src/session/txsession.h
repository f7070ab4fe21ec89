// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "portsettings.h"
#include "readanswer.h"
#include "txlink.h"

#include <QObject>
#include <QString>
#include <QThread>

#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>

class PtyTransmitter;

namespace j3k {

class VirtualTransmitter;
class SessionWorker;

// One connection to the transmitter over its whole life: OPEN, READ with
// its answer, UPDATE with its pause, the frames nobody asked for, the
// signals that end a program, DIS. The editor's window and j3kctl both
// speak to the transmitter only through this, so each of these exists once.
//
// The line itself runs on a thread of the session's own (SessionWorker), so
// the G record leaves on time however long the caller's thread is held up.
// The calls here wait for the line's thread to take them (never for the
// transmitter), then deliver, in order, every signal that is due; the rest
// come from the caller's event loop. What isOpen() and the like say is the
// line as of the last signal delivered, so it never contradicts one.
class TxSession : public QObject
{
    Q_OBJECT

public:
    explicit TxSession(QObject *parent = nullptr);
    // Waits for a G record still due, as the line's thread sends it.
    ~TxSession() override;

    // Opens the port and sends "OK"; false with errorString() saying why.
    bool open(const PortSettings &settings);
    // The virtual transmitter: behind a pseudo-terminal where there is
    // one, so it is reached through the serial port code as a real one is;
    // else inside the program.
    bool openVirtual(const PortSettings &settings);
    // DIS (unless `notice` is Skip or the line is gone) and the port closed;
    // in UPDATE's pause the close waits for the G record.
    void close(TxLink::Notice notice = TxLink::Notice::Send);
    bool isOpen() const { return m_state.open; }
    QString errorString() const { return m_error.isEmpty() ? m_state.error : m_error; }

    bool isReading() const { return m_state.reading; }
    bool isPausing() const { return m_state.pausing; }
    bool isBusy() const { return m_state.reading || m_state.pausing; }

    // READ: "RRR", then frames until every type is in or the line has been
    // silent for `silenceMs` after the answer (by default four frames' time
    // at the port's rate), twice and where the answers differ three times
    // (see ReadRounds); it ends there, once `timeoutMs` has passed or when
    // the line went away; then readFinished(). `base` gives what frames do
    // not carry (VERSION aside) and the D/R channel whose pair the answer's
    // rates fill. False, and no signal, when nothing went out.
    bool startRead(const ParamSet &base, int timeoutMs, int silenceMs = 0);
    // UPDATE: the S record of `params`, the pause, the G record; then
    // updateFinished(). False, and no signal, when the S record did not go
    // out or a command is under way.
    bool startUpdate(const ParamSet &params);

    // A signal that ends the program: outside UPDATE's pause at once, with
    // DIS; in the pause once the G record is out. stopped() tells when.
    void stop(int signal);

    qint64 sentCount() const { return m_state.sent; }
    qint64 receivedCount() const { return m_state.received; }

    // The virtual transmitter behind a pseudo-terminal while it is open, on
    // this object's thread; null otherwise.
    PtyTransmitter *virtualTransmitter() const;
    // Runs `use` on the virtual transmitter's values while it is open, on
    // the thread it answers from, as trials of the editor set up what it
    // holds; false when none is open.
    bool withVirtualTransmitter(const std::function<void(VirtualTransmitter &)> &use);

Q_SIGNALS:
    void opened();
    void closed();
    // Bytes went out or came in.
    void trafficChanged();
    void readStarted();
    // No frame within a second of READ.
    void noAnswer();
    void readFinished(const j3k::ReadAnswer &answer);
    // Frames that came outside a READ: a late answer, or sent unasked.
    void framesArrived(const j3k::FrameValues &frames);
    void updateStarted(const j3k::ParamSet &params);
    // UPDATE is over: `whole` when the G record went out too.
    void updateFinished(bool whole, const j3k::ParamSet &sent);
    // Neither READ nor UPDATE's pause is under way any more.
    void idle();
    // The line went away; the port is closed already. `updateCut` when it
    // went in UPDATE's pause, so the G record never went out.
    void lost(const QString &reason, bool updateCut);
    // stop() is done: the port is closed, after the G record where an
    // UPDATE was in its pause (`afterUpdate`).
    void stopped(int signal, bool afterUpdate);

protected:
    // Where the line's thread wakes this one for what it has to deliver.
    bool event(QEvent *event) override;

private:
    // The line as the caller sees it, carried by every signal.
    struct LineState {
        bool open = false;
        bool reading = false;
        bool pausing = false;
        QString error;
        qint64 sent = 0;
        qint64 received = 0;
    };
    using Delivery = std::function<void()>;

    // Runs `call` on the line's thread and waits until it has run; then
    // delivers what it and anything before it made due.
    void onLine(const std::function<void()> &call);
    // On the line's thread: the call onLine() is waiting on.
    void runCall();
    // On the line's thread: passes each of the worker's signals on.
    void relay();
    void deliver(Delivery what);
    void deliverAll();
    bool isWake(QEvent *event);
    LineState stateNow() const;
    void dropVirtualTransmitter();

    QThread m_thread;
    QObject *m_inbox;                   // lives on m_thread: runs the calls there
    SessionWorker *m_worker = nullptr;  // made, used and deleted on m_thread only
#ifdef J3K_HAVE_PTY
    std::unique_ptr<PtyTransmitter> m_virtualTx;
#endif
    QString m_error;  // why the virtual transmitter did not start
    LineState m_state;

    // The hand-over between the threads. Plain standard locks, not queued
    // arguments, carry the data, so a thread checker sees every hand-over.
    std::mutex m_mutex;
    std::condition_variable m_callDone;
    // The one call under way: the caller's thread waits for each, and the
    // line's thread never calls in.
    const std::function<void()> *m_call = nullptr;
    std::deque<Delivery> m_deliveries;
};

}  // namespace j3k
