// SPDX-License-Identifier: GPL-3.0-or-later
#include "txsession.h"

#include "sessionworker.h"
#include "virtualtransmitter.h"

#include <QCoreApplication>
#include <QEvent>
#ifdef J3K_HAVE_PTY
#include "ptytransmitter.h"
#endif

#ifdef Q_OS_LINUX
#include <pthread.h>
#include <sched.h>
#endif

namespace j3k {

namespace {

// Each thread wakes the other with a bare event: no arguments and no slot
// objects cross between them, only what the locks guard. An event is made
// before the lock that hands its news over is let go, and read only after
// the receiver has taken that lock, so a thread checker sees the order that
// Qt's own (unchecked) queue keeps.
const QEvent::Type kWake = QEvent::Type(QEvent::registerEventType());

// Runs the calls on the line's thread, where it lives.
class LineInbox : public QObject
{
public:
    explicit LineInbox(std::function<bool(QEvent *)> handle)
        : m_handle(std::move(handle))
    {}

    // From here on it runs nothing: the session is going.
    void detach() { m_handle = nullptr; }

protected:
    bool event(QEvent *event) override { return (m_handle && m_handle(event)) || QObject::event(event); }

private:
    std::function<bool(QEvent *)> m_handle;
};

// The line's thread does little but wait, and when UPDATE's pause ends it
// must run at once, every core busy or not. Where the system allows it
// (root, or a real-time limit as audio users are given) it takes the
// lowest real-time class, above every ordinary thread; elsewhere the
// request is refused and the thread runs as any other.
void raiseLineThread()
{
#ifdef Q_OS_LINUX
    sched_param param{};
    param.sched_priority = 1;
    pthread_setschedparam(pthread_self(), SCHED_RR, &param);
#endif
}

}  // namespace

TxSession::TxSession(QObject *parent)
    : QObject(parent)
    , m_inbox(new LineInbox([this](QEvent *event) {
        if (!isWake(event))
            return false;
        runCall();
        return true;
    }))
{
    qRegisterMetaType<j3k::ReadAnswer>();
    qRegisterMetaType<j3k::FrameValues>();
    m_thread.setObjectName(QStringLiteral("j3k line"));
    m_inbox->moveToThread(&m_thread);
    connect(&m_thread, &QThread::finished, m_inbox, &QObject::deleteLater);
    // Windows raises the thread as asked; Linux needs raiseLineThread().
    m_thread.start(QThread::TimeCriticalPriority);
    onLine([this] {
        raiseLineThread();
        m_worker = new SessionWorker;
        relay();
    });
}

TxSession::~TxSession()
{
    // The worker's end sleeps out a pause under way and sends its G record.
    onLine([this] {
        delete m_worker;
        m_worker = nullptr;
        static_cast<LineInbox *>(m_inbox)->detach();
    });
    m_thread.quit();
    m_thread.wait();
}

void TxSession::onLine(const std::function<void()> &call)
{
    auto *ring = new QEvent(kWake);
    std::unique_lock lock(m_mutex);
    m_call = &call;
    lock.unlock();
    QCoreApplication::postEvent(m_inbox, ring);
    lock.lock();
    m_callDone.wait(lock, [this] { return !m_call; });
    lock.unlock();
    if (m_worker)
        deliverAll();
}

void TxSession::runCall()
{
    const std::function<void()> *call = nullptr;
    {
        const std::lock_guard lock(m_mutex);
        call = m_call;
    }
    (*call)();
    // The last call ends the session: once it is reported done, this
    // thread touches nothing of it again.
    const bool last = !m_worker;
    // A call that changed the line without a signal (a failed open, a READ
    // refused) still shows in what the caller sees.
    if (!last)
        deliver([this, state = stateNow()] { m_state = state; });
    const std::lock_guard lock(m_mutex);
    m_call = nullptr;
    m_callDone.notify_all();
}

TxSession::LineState TxSession::stateNow() const
{
    LineState state;
    state.open = m_worker->isOpen();
    state.reading = m_worker->isReading();
    state.pausing = m_worker->isPausing();
    state.error = m_worker->errorString();
    state.sent = m_worker->sentCount();
    state.received = m_worker->receivedCount();
    return state;
}

void TxSession::deliver(Delivery what)
{
    auto *ring = new QEvent(kWake);
    {
        const std::lock_guard lock(m_mutex);
        m_deliveries.push_back(std::move(what));
    }
    QCoreApplication::postEvent(this, ring);
}

bool TxSession::isWake(QEvent *event)
{
    {
        const std::lock_guard lock(m_mutex);
    }  // what came before the event, first
    return event->type() == kWake;
}

bool TxSession::event(QEvent *event)
{
    if (!isWake(event))
        return QObject::event(event);
    deliverAll();
    return true;
}

void TxSession::deliverAll()
{
    for (;;) {
        Delivery next;
        {
            const std::lock_guard lock(m_mutex);
            if (m_deliveries.empty())
                return;
            next = std::move(m_deliveries.front());
            m_deliveries.pop_front();
        }
        next();  // may call back in, which delivers what follows first
    }
}

// Each of the worker's signals becomes the same signal of this object, on
// the caller's thread, with the line as it was when it was emitted.
void TxSession::relay()
{
    SessionWorker *w = m_worker;
    const auto pass = [this, w](auto signal, auto emitter) {
        connect(w, signal, w, [this, emitter](auto &&...args) {
            deliver([this, emitter, state = stateNow(), args...] {
                m_state = state;
                emitter(this, args...);
            });
        });
    };
    pass(&SessionWorker::opened, [](TxSession *s) { Q_EMIT s->opened(); });
    pass(&SessionWorker::closed, [](TxSession *s) {
        s->dropVirtualTransmitter();
        Q_EMIT s->closed();
    });
    pass(&SessionWorker::trafficChanged, [](TxSession *s) { Q_EMIT s->trafficChanged(); });
    pass(&SessionWorker::readStarted, [](TxSession *s) { Q_EMIT s->readStarted(); });
    pass(&SessionWorker::noAnswer, [](TxSession *s) { Q_EMIT s->noAnswer(); });
    pass(&SessionWorker::readFinished, [](TxSession *s, const ReadAnswer &a) { Q_EMIT s->readFinished(a); });
    pass(&SessionWorker::framesArrived, [](TxSession *s, const FrameValues &f) { Q_EMIT s->framesArrived(f); });
    pass(&SessionWorker::updateStarted, [](TxSession *s, const ParamSet &p) { Q_EMIT s->updateStarted(p); });
    pass(&SessionWorker::updateFinished,
         [](TxSession *s, bool whole, const ParamSet &sent) { Q_EMIT s->updateFinished(whole, sent); });
    pass(&SessionWorker::idle, [](TxSession *s) { Q_EMIT s->idle(); });
    pass(&SessionWorker::lost,
         [](TxSession *s, const QString &reason, bool updateCut) { Q_EMIT s->lost(reason, updateCut); });
    pass(&SessionWorker::stopped,
         [](TxSession *s, int signal, bool afterUpdate) { Q_EMIT s->stopped(signal, afterUpdate); });
}

bool TxSession::open(const PortSettings &settings)
{
    m_error.clear();
    bool opened = false;
    onLine([&] { opened = m_worker->open(settings); });
    return opened;
}

bool TxSession::openVirtual(const PortSettings &settings)
{
    if (isBusy())
        return false;
    m_error.clear();
    bool opened = false;
#ifdef J3K_HAVE_PTY
    m_virtualTx = std::make_unique<PtyTransmitter>();
    if (!m_virtualTx->isOpen()) {
        m_error = m_virtualTx->errorString();
        m_virtualTx.reset();
        return false;
    }
    PortSettings pty = settings;
    pty.portName = m_virtualTx->slavePath();
    onLine([&] { opened = m_worker->open(pty); });
    if (!opened && !isOpen())
        m_virtualTx.reset();
#else
    onLine([&] { opened = m_worker->openVirtual(settings); });
#endif
    return opened;
}

void TxSession::close(TxLink::Notice notice)
{
    onLine([&] { m_worker->close(notice); });
}

bool TxSession::startRead(const ParamSet &base, int timeoutMs, int silenceMs)
{
    bool started = false;
    onLine([&] { started = m_worker->startRead(base, timeoutMs, silenceMs); });
    return started;
}

bool TxSession::startUpdate(const ParamSet &params)
{
    bool started = false;
    onLine([&] { started = m_worker->startUpdate(params); });
    return started;
}

void TxSession::stop(int signal)
{
    onLine([&] { m_worker->stop(signal); });
}

PtyTransmitter *TxSession::virtualTransmitter() const
{
#ifdef J3K_HAVE_PTY
    return m_virtualTx.get();
#else
    return nullptr;
#endif
}

bool TxSession::withVirtualTransmitter(const std::function<void(VirtualTransmitter &)> &use)
{
#ifdef J3K_HAVE_PTY
    if (!m_virtualTx)
        return false;
    use(m_virtualTx->transmitter());
    return true;
#else
    bool found = false;
    onLine([&] {
        if (VirtualTransmitter *transmitter = m_worker->virtualTransmitter()) {
            use(*transmitter);
            found = true;
        }
    });
    return found;
#endif
}

void TxSession::dropVirtualTransmitter()
{
#ifdef J3K_HAVE_PTY
    m_virtualTx.reset();
#endif
}

}  // namespace j3k
