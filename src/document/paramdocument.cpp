// SPDX-License-Identifier: GPL-3.0-or-later
#include "paramdocument.h"

#include "paramfile.h"
#include "recoveryfile.h"
#include "smallfile.h"
#include "valuehistory.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QUndoStack>

using j3k::ParamSet;

namespace {

// Unasked frames closer together than this are one step.
constexpr qint64 kBurstGapMs = 1000;

const int kDrChannel = j3k::paramIndex(u"comboBox_2");
const int kDrUp = j3k::paramIndex(u"spinBox_79");
const int kDrDown = j3k::paramIndex(u"spinBox_80");

QList<int> recordIndexes()
{
    QList<int> set;
    for (int i = 0; i < int(j3k::ParamCount); ++i) {
        if (j3k::recordParams().test(std::size_t(i)))
            set << i;
    }
    return set;
}

}  // namespace

ParamDocument::ParamDocument(QObject *parent)
    : QObject(parent)
    , m_history(new ValueHistory(this))
    , m_recovery(new RecoveryFile(*m_history, this))
{
    connect(m_history, &ValueHistory::valuesChanged, this, [this](const QList<int> &indexes) {
        m_recovery->schedule();
        Q_EMIT valuesChanged(indexes);
        Q_EMIT stateChanged();
    });
}

ParamDocument::~ParamDocument() = default;

const ParamSet &ParamDocument::values() const { return m_history->values(); }

void ParamDocument::edit(int index, int value) { m_history->edit(index, value); }

void ParamDocument::commitEdits() { m_history->commitEdits(); }

void ParamDocument::load(const QString &step, const ParamSet &params, const QString &file)
{
    m_file = file;
    m_readAt = QDateTime();
    m_history->apply(step, params, recordIndexes());
    m_recovery->setBaseline(values());
    Q_EMIT stateChanged();
}

void ParamDocument::restore(const QString &step, const ParamSet &params)
{
    m_file.clear();  // they came from no file
    m_readAt = QDateTime();
    m_history->apply(step, params, recordIndexes());
    m_recovery->schedule();  // against the baseline of before
    Q_EMIT stateChanged();
}

// Through LOAD's checks, as one step. The values are still written nowhere
// but in the recovery file: this editor's own, from now on.
ParamDocument::Restored ParamDocument::restoreLeftOver()
{
    Restored r;
    const QString path = m_recovery->claimedPath();
    const QString name = QDir::toNativeSeparators(path);
    const j3k::SmallFileRead file = j3k::readSmallFile(path);
    const j3k::FileParams params = j3k::paramsFromFileText(QString::fromLatin1(file.bytes), values());
    if (!file.ok())
        r.error = tr("The recovery file %1 could not be read: %2").arg(name, file.error);
    else if (!params.isParamFile)
        r.error = tr("The recovery file %1 is not a parameter file.").arg(name);
    else if (!params.ok())
        r.error = tr("The recovery file %1 holds values outside their ranges:\n%2")
                      .arg(name, j3k::faultMessages(params.faults).join(u'\n'));
    if (!r.error.isEmpty())
        return r;
    r.values = int(j3k::compareParams(values(), params.params, j3k::recordParams()).size());
    r.written = QFileInfo(path).lastModified();
    restore(tr("Restore unwritten values"), params.params);
    if (m_recovery->saveNow())
        m_recovery->dropClaimed();
    return r;
}

void ParamDocument::saved(const ParamSet &params, const QString &file)
{
    m_file = file;
    m_readAt = QDateTime();
    m_recovery->setBaseline(params);
    Q_EMIT stateChanged();
}

void ParamDocument::putBack()
{
    QList<int> indexes;
    for (const j3k::ParamChange &c : changes())
        indexes << c.index;
    m_history->apply(tr("Put back the transmitter's values"), m_state.held(values()), indexes);
}

void ParamDocument::undo()
{
    if (canUndo())
        m_history->undo();
}

void ParamDocument::redo()
{
    if (canRedo())
        m_history->redo();
}

bool ParamDocument::canUndo() const { return !m_busy && m_history->stack()->canUndo(); }
bool ParamDocument::canRedo() const { return !m_busy && m_history->stack()->canRedo(); }

QList<j3k::ParamChange> ParamDocument::unkept() const
{
    return j3k::compareParams(m_recovery->baseline(), values(), j3k::recordParams());
}

void ParamDocument::follow(const j3k::TxSession &session)
{
    using j3k::TxSession;
    connect(&session, &TxSession::opened, this, &ParamDocument::connected);
    connect(&session, &TxSession::closed, this, &ParamDocument::disconnected);
    connect(&session, &TxSession::readStarted, this, &ParamDocument::readStarted);
    connect(&session, &TxSession::noAnswer, this, &ParamDocument::noAnswer);
    connect(&session, &TxSession::readFinished, this, &ParamDocument::readFinished);
    connect(&session, &TxSession::framesArrived, this, &ParamDocument::framesArrived);
    connect(&session, &TxSession::updateStarted, this, &ParamDocument::updateStarted);
    connect(&session, &TxSession::updateFinished, this, &ParamDocument::updateFinished);
}

void ParamDocument::connected()
{
    m_state.reset(values());
    m_connected = true;
    m_readEnded = false;
    clearNotes();
    Q_EMIT stateChanged();
}

void ParamDocument::disconnected() { setBusy(false); }

void ParamDocument::clearNotes() { m_notes = Notes(); }

void ParamDocument::readStarted()
{
    m_history->commitEdits();
    m_state.startRead();
    m_readEnded = false;
    clearNotes();
    setBusy(true);
    Q_EMIT stateChanged();
}

void ParamDocument::noAnswer()
{
    m_notes.noAnswer = true;
    Q_EMIT stateChanged();
}

// The whole answer as one step: undo never leaves half of a READ.
void ParamDocument::readFinished(const j3k::ReadAnswer &answer)
{
    const j3k::FrameValues &f = answer.frames;
    m_notes.refused = f.refused;
    m_notes.refusedInRead = true;
    m_notes.disagreed = answer.disagreed;
    if (!f.set.isEmpty())
        m_notes.noAnswer = false;
    m_history->apply(tr("READ"), f.params, f.set, 0, f.hasRates ? &f.rates : nullptr);
    // What came is what the transmitter holds, shown or not.
    m_recovery->setBaseline(values(), f.set);
    const bool complete = m_state.noteFrames(values(), f.set, f.types, f.rates);
    m_readEnded = true;
    if (complete) {
        m_file.clear();
        m_readAt = QDateTime::currentDateTime();
        completeRead();
    }
    setBusy(false);
    Q_EMIT stateChanged();
}

// Frames nobody asked for change only the values the user has not changed
// since the transmitter's were last known; one step per burst of them.
void ParamDocument::framesArrived(const j3k::FrameValues &frames)
{
    if (!frames.refused.isEmpty()) {
        m_notes.refused << frames.refused;
        m_notes.refusedInRead = false;
    }
    if (frames.types.isEmpty()) {
        Q_EMIT stateChanged();
        return;
    }
    m_history->commitEdits();
    const ParamSet before = values();
    const j3k::ParamMask edited = m_state.edited(before);
    QList<int> shown = frames.set;
    shown.removeIf([&](int index) { return edited.test(std::size_t(index)); });
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    if (m_lastFramesMs < 0 || now - m_lastFramesMs > kBurstGapMs)
        ++m_frameBurst;
    m_lastFramesMs = now;

    // What the transmitter holds, with the D/R pair of the editor's channel.
    ParamSet known = before;
    for (int i : frames.set)
        known.set(i, frames.params.value(i));
    j3k::DrRates rates = frames.rates;
    if (frames.hasRates) {
        const auto ch = std::size_t(before.value(kDrChannel));
        known.set(kDrUp, rates.up[ch]);
        known.set(kDrDown, rates.down[ch]);
        // An edited pair stays as the user left it.
        if (edited.test(std::size_t(kDrUp)))
            rates.up[ch] = before.value(kDrUp);
        if (edited.test(std::size_t(kDrDown)))
            rates.down[ch] = before.value(kDrDown);
    }
    m_history->apply(tr("frames from the transmitter"), frames.params, shown, -m_frameBurst,
                     frames.hasRates ? &rates : nullptr);
    m_recovery->setBaseline(known, frames.set);
    if (m_state.noteFrames(known, frames.set, frames.types, frames.rates))
        m_notes.disagreed.clear();  // late frames made the READ whole
    Q_EMIT stateChanged();
}

void ParamDocument::updateStarted()
{
    m_history->commitEdits();
    setBusy(true);
}

void ParamDocument::updateFinished(bool whole, const ParamSet &sent)
{
    if (whole) {
        m_state.noteWritten(sent);
        m_recovery->setBaseline(sent);
        clearNotes();
        m_readEnded = false;
    }
    setBusy(false);
    Q_EMIT stateChanged();
}

// Every frame type has arrived: a backup of what the transmitter holds, and
// the check of the UPDATE before it.
void ParamDocument::completeRead()
{
    const j3k::BackupStore::Result saved = m_backups.add(m_state.reportedSet(values()));
    if (!saved.ok()) {
        m_notes.backupReason = saved.reason;
        m_notes.backupError = saved.error;
    }
    if (std::optional<QList<j3k::ParamChange>> notTakenList = m_state.confirmWritten()) {
        m_notes.confirmed = notTakenList;
        m_confirmedOn = values();
        if (!notTakenList->isEmpty())
            Q_EMIT notTaken(*notTakenList);
    }
}

j3k::SheetFacts ParamDocument::sheetFacts() const
{
    j3k::SheetFacts facts;
    facts.values = values();
    facts.file = m_file;
    facts.readAt = m_readAt;
    // The editor keeps every channel's pair; they are the transmitter's
    // once a READ brought them, else only the one shown means anything.
    if (m_state.reported(kDrUp, values()))
        facts.rates = m_history->rates();
    facts.versionRead = m_state.reported(j3k::paramIndex(u"spinBox_46"), values()).has_value();
    if (m_state.hasReported()) {
        facts.marks = m_state.marks(values());
        facts.held = m_state.held(values());
    }
    return facts;
}

ParamDocument::Notes ParamDocument::notes() const
{
    Notes n = m_notes;
    n.disagreed.clear();
    if (m_readEnded && !n.noAnswer) {
        n.missing = m_state.missingSinceRead();
        // A group that came late is no longer in doubt.
        for (auto it = m_notes.disagreed.cbegin(); it != m_notes.disagreed.cend(); ++it) {
            if (n.missing.contains(it.key()))
                n.disagreed.insert(it.key(), it.value());
        }
        if (n.missing.size() == j3k::FrameTypeCount && n.disagreed.isEmpty())
            n.missing.clear();  // nothing came: the missing answer says it
    }
    if (n.confirmed && values() != m_confirmedOn)
        n.confirmed.reset();
    return n;
}

void ParamDocument::setBusy(bool busy)
{
    if (busy == m_busy)
        return;
    m_busy = busy;
    Q_EMIT busyChanged(busy);
}
