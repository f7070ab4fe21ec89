// SPDX-License-Identifier: GPL-3.0-or-later
#include "sessionworker.h"

#include "records.h"

#include <utility>

namespace j3k {

namespace {

// How long a transmitter may take to start answering READ.
constexpr int kAnswerTimeoutMs = 1000;

}  // namespace

SessionWorker::SessionWorker(QObject *parent)
    : QObject(parent)
    , m_link(new TxLink(this))
    , m_roundEnd(new QTimer(this))
    , m_readEnd(new QTimer(this))
    , m_noAnswer(new QTimer(this))
{
    m_readEnd->setSingleShot(true);
    connect(m_readEnd, &QTimer::timeout, this, &SessionWorker::endRead);
    m_roundEnd->setSingleShot(true);
    connect(m_roundEnd, &QTimer::timeout, this, &SessionWorker::endRound);
    m_noAnswer->setSingleShot(true);
    m_noAnswer->setInterval(kAnswerTimeoutMs);
    connect(m_noAnswer, &QTimer::timeout, this, &SessionWorker::noAnswer);

    connect(m_link, &TxLink::received, this, &SessionWorker::take);
    connect(m_link, &TxLink::sent, this, [this](qint64 bytes) {
        m_sent += bytes;
        Q_EMIT trafficChanged();
    });
    connect(m_link, &TxLink::updateFinished, this, &SessionWorker::onUpdateFinished);
    connect(m_link, &TxLink::lost, this, [this](const QString &reason) {
        // Nothing more comes: what a READ has is its answer.
        if (m_reading)
            m_answer.error = tr("the line went away: %1").arg(reason);
        endRead();
        close(TxLink::Notice::Skip);  // nobody is left to hear a DIS
        Q_EMIT lost(reason, std::exchange(m_updateCut, false));
    });
}

SessionWorker::~SessionWorker() = default;

bool SessionWorker::open(const PortSettings &settings)
{
    if (isBusy() || !m_link->open(settings))
        return false;
    m_portSilenceMs = ReadRounds::silenceMs(settings.baudRate);
    // Half a frame left by the last connection belongs to nothing that
    // comes on this one.
    m_decoder.reset();
    Q_EMIT opened();
    return true;
}

bool SessionWorker::openVirtual(const PortSettings &settings)
{
    if (isBusy() || !m_link->openVirtual())
        return false;
    m_portSilenceMs = ReadRounds::silenceMs(settings.baudRate);
    m_decoder.reset();
    Q_EMIT opened();
    return true;
}

void SessionWorker::close(TxLink::Notice notice)
{
    const bool wasOpen = m_link->isOpen();
    if (m_reading) {
        m_answer.error = tr("the port was closed");
        endRead();
    }
    m_link->close(notice);
    if (m_link->isPausing())
        return;  // the close follows the G record
    m_noAnswer->stop();
    if (wasOpen)
        Q_EMIT closed();
}

bool SessionWorker::startRead(const ParamSet &base, int timeoutMs, int silenceMs)
{
    if (isBusy() || !m_link->isOpen())
        return false;
    if (!m_link->requestRead())
        return false;
    // Whatever came before the request belongs to no answer.
    m_decoder.reset();
    m_answer = ReadAnswer();
    m_answer.frames.params = base;
    m_readBase = base;
    m_silenceMs = silenceMs > 0 ? silenceMs : m_portSilenceMs;
    m_rounds.start();
    m_rounds.beginRound();  // its silence counts from the first byte: a transmitter may be slow to start
    m_reading = true;
    m_readEnd->start(timeoutMs);
    m_noAnswer->start();
    Q_EMIT readStarted();
    return true;
}

// A round is over: every group came, or the line went quiet after the
// answer, or a later round waited a second for any answer at all.
void SessionWorker::endRound()
{
    if (!m_reading)
        return;
    if (m_rounds.needsAnotherRound() && m_link->requestRead()) {
        m_rounds.beginRound();
        m_roundEnd->start(kAnswerTimeoutMs);
        return;
    }
    endRead();
}

void SessionWorker::endRead()
{
    if (!m_reading)
        return;
    m_reading = false;
    m_readEnd->stop();
    m_noAnswer->stop();
    m_roundEnd->stop();
    m_rounds.fill(m_answer, m_readBase);
    Q_EMIT readFinished(m_answer);
    if (!isBusy())
        Q_EMIT idle();
}

bool SessionWorker::startUpdate(const ParamSet &params)
{
    if (isBusy())
        return false;
    // Both records hold the values of this moment, whatever changes while
    // the pause runs.
    if (!m_link->startUpdate(buildRecord(RecordId::S, params).toLatin1(), buildRecord(RecordId::G, params).toLatin1()))
        return false;
    m_updating = params;
    m_updateCut = false;
    Q_EMIT updateStarted(params);
    return true;
}

void SessionWorker::onUpdateFinished(bool whole)
{
    m_updateCut = !whole;
    Q_EMIT updateFinished(whole, m_updating);
    if (m_stopSignal) {
        finishStop(whole);
        return;
    }
    if (!m_link->isOpen()) {
        m_noAnswer->stop();
        Q_EMIT closed();  // a close waited for the G record
    }
    if (!isBusy())
        Q_EMIT idle();
}

void SessionWorker::stop(int signal)
{
    if (m_stopSignal)
        return;
    m_stopSignal = signal;
    if (!m_link->isPausing())
        finishStop(false);
}

void SessionWorker::finishStop(bool afterUpdate)
{
    close(TxLink::Notice::Send);
    Q_EMIT stopped(m_stopSignal, afterUpdate);
}

void SessionWorker::take(const QByteArray &batch)
{
    m_received += batch.size();
    if (m_reading) {
        Q_EMIT trafficChanged();
        m_rounds.feed(batch);
        if (m_rounds.roundHasFrames())
            m_noAnswer->stop();
        // Not from inside the port's signal: the next round writes to it.
        m_roundEnd->start(m_rounds.roundComplete() ? 0 : m_silenceMs);
        return;
    }
    FrameValues unasked;  // on start values: the document takes only what they carry
    unasked.set = m_decoder.feed(batch, unasked.params);
    unasked.types = m_decoder.lastTypes();
    unasked.refused = faultMessages(m_decoder.lastRefused());
    if (m_decoder.lastTypes().contains(quint8(0xA5))) {
        unasked.rates = m_decoder.rates();
        unasked.hasRates = true;
    }
    Q_EMIT trafficChanged();
    if (!unasked.set.isEmpty() || !unasked.refused.isEmpty() || !unasked.types.isEmpty())
        Q_EMIT framesArrived(unasked);
}

}  // namespace j3k
