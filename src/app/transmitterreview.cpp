// SPDX-License-Identifier: GPL-3.0-or-later
#include "transmitterreview.h"

#include "mainwindow.h"
#include "parambinding.h"
#include "paramfile.h"
#include "paramtext.h"
#include "rangecheck.h"
#include "valuehistory.h"

#include <QComboBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QMessageBox>
#include <QSpinBox>

using j3k::ParamSet;
using Mark = j3k::TransmitterState::Mark;

namespace {

// How long a transmitter may take to start answering READ.
constexpr int kAnswerTimeoutMs = 1000;
// How long a whole answer may take; frames after it are unasked ones.
constexpr int kReadTimeoutMs = 3000;

const char *const kMarkProperty = "transmitterMark";

QColor mixed(const QColor &a, const QColor &b, qreal t)
{
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t),
                            float(a.greenF() + (b.greenF() - a.greenF()) * t),
                            float(a.blueF() + (b.blueF() - a.blueF()) * t));
}

}  // namespace

TransmitterReview::TransmitterReview(QWidget *window, ParamBinding &binding, ValueHistory &history, QLabel *panel)
    : QObject(window)
    , m_window(window)
    , m_binding(binding)
    , m_history(history)
    , m_panel(panel)
{
    m_noAnswer.setSingleShot(true);
    m_noAnswer.setInterval(kAnswerTimeoutMs);
    connect(&m_noAnswer, &QTimer::timeout, this, [this] {
        m_note = tr("no answer to READ: check port, settings, transmitter power");
        m_noteDetail = tr("The transmitter did not answer READ within a second. Check that the port is the "
                          "transmitter's, that the port settings are its settings, and that it is switched on.");
        refresh();
    });

    m_readEnd.setSingleShot(true);
    m_readEnd.setInterval(kReadTimeoutMs);
    connect(&m_readEnd, &QTimer::timeout, this, &TransmitterReview::endRead);

    // Typing in one box re-marks them all once, when the event loop next runs.
    m_pendingRefresh.setSingleShot(true);
    m_pendingRefresh.setInterval(0);
    connect(&m_pendingRefresh, &QTimer::timeout, this, &TransmitterReview::refresh);
    const auto later = qOverload<>(&QTimer::start);
    for (int i = 0; i < int(j3k::ParamCount); ++i) {
        QWidget *w = m_binding.widget(i);
        m_formTips[std::size_t(i)] = w->toolTip();
        if (auto *spin = qobject_cast<QSpinBox *>(w))
            connect(spin, &QSpinBox::valueChanged, &m_pendingRefresh, later);
        else if (auto *alarm = qobject_cast<QDoubleSpinBox *>(w))
            connect(alarm, &QDoubleSpinBox::valueChanged, &m_pendingRefresh, later);
        else if (auto *combo = qobject_cast<QComboBox *>(w))
            connect(combo, &QComboBox::currentIndexChanged, &m_pendingRefresh, later);
    }
}

void TransmitterReview::portOpened()
{
    m_state.reset(editor());
    m_reading = false;
    m_readEnd.stop();
    m_connected = true;
    m_note.clear();
    m_noteDetail.clear();
    m_noAnswer.stop();
    refresh();
}

void TransmitterReview::portClosed()
{
    m_noAnswer.stop();
    m_readEnd.stop();
    m_reading = false;
}

void TransmitterReview::readSent()
{
    m_state.startRead();
    m_note.clear();
    m_noteDetail.clear();
    m_noAnswer.start();
    m_readEnd.start();
    m_reading = true;
    m_refused.clear();
    refresh();
}

// Three seconds after READ without every frame type: what came is known,
// the rest keeps its "not read", and no backup is made of a part.
void TransmitterReview::endRead()
{
    m_reading = false;
    const QList<quint8> missing = m_state.missingSinceRead();
    if (missing.size() == j3k::FrameTypeCount)
        return;  // nothing came: the note of the missing answer says it
    QStringList groups;
    for (const quint8 type : missing)
        groups << j3k::frameGroup(type);
    m_note = tr("READ incomplete: %1 of %2 groups").arg(j3k::FrameTypeCount - missing.size()).arg(j3k::FrameTypeCount);
    m_noteDetail = tr("Not received: %1").arg(groups.join(QLatin1String("; ")));
    if (!m_refused.isEmpty()) {
        m_note += QLatin1String("; ") + m_refused.join(QLatin1String("; "));
        m_noteDetail += u'\n' + tr("Refused: %1").arg(m_refused.join(QLatin1String("; ")));
    }
    refresh();
}

void TransmitterReview::framesApplied(const ParamSet &params, const QList<int> &set, const j3k::FrameDecoder &decoder)
{
    if (!decoder.lastRefused().isEmpty()) {
        // Refused frames are not received: their values are named, not shown.
        const QStringList faults = j3k::faultMessages(decoder.lastRefused());
        m_refused << faults;
        m_note = tr("frame refused: %1").arg(faults.join(QLatin1String("; ")));
        m_noteDetail
            = tr("A frame held values no parameter can have; nothing of it was applied:\n%1").arg(faults.join(u'\n'));
        refresh();
    }
    if (decoder.lastTypes().isEmpty())
        return;  // part of a frame, refused ones, or bytes that make none
    m_noAnswer.stop();
    if (m_state.noteFrames(params, set, decoder.lastTypes(), decoder.rates()) && m_reading) {
        m_reading = false;
        m_readEnd.stop();
        completeRead();
    }
    refresh();
}

void TransmitterReview::updateSent(const QString &sRecord, const QString &gRecord)
{
    // What went out on the line, read back from the records themselves.
    if (const std::optional<ParamSet> sent = j3k::paramsFromFileText(sRecord + gRecord, editor()))
        m_state.noteWritten(*sent);
    m_note.clear();
    m_noteDetail.clear();
    refresh();
}

// Every frame type has arrived: a backup of what the transmitter holds, and
// the check of the UPDATE before it.
void TransmitterReview::completeRead()
{
    QStringList notes;
    const j3k::BackupStore::Result saved = m_backups.add(m_state.reportedSet(editor()));
    if (!saved.ok()) {
        notes << tr("no backup written");
        m_noteDetail = tr("The backup of this READ could not be written in %1: %2")
                           .arg(QDir::toNativeSeparators(m_backups.folder()), saved.error);
    }
    if (const std::optional<QList<j3k::ParamChange>> notTaken = m_state.confirmWritten()) {
        if (notTaken->isEmpty()) {
            notes << tr("UPDATE confirmed: every value written came back");
        } else {
            notes << tr("UPDATE did not take every value");
            // Not from inside the receive handler: the box waits for the user.
            QTimer::singleShot(0, this, [this, list = *notTaken] { showNotTaken(list); });
        }
    }
    m_note = notes.join(QLatin1String("; "));
}

void TransmitterReview::showNotTaken(const QList<j3k::ParamChange> &notTaken)
{
    QStringList lines{tr("UPDATE did not take:")};
    for (const j3k::ParamChange &c : notTaken) {
        lines << tr("%1: sent %2, the transmitter has %3")
                     .arg(j3k::paramLabel(c.index), j3k::valueText(c.index, c.a), j3k::valueText(c.index, c.b));
    }
    auto *box
        = new QMessageBox(QMessageBox::Warning, tr("UPDATE"), lines.join(QLatin1Char('\n')), QMessageBox::Ok, m_window);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

ParamSet TransmitterReview::editor() const { return m_binding.read(); }

QList<j3k::ParamChange> TransmitterReview::changes() const { return m_state.changes(editor()); }

void TransmitterReview::putBack()
{
    const ParamSet ed = editor();
    QList<int> indexes;
    for (const j3k::ParamChange &c : m_state.changes(ed))
        indexes << c.index;
    m_history.apply(tr("Put back the transmitter's values"), m_state.held(ed), indexes);
    refresh();
}

void TransmitterReview::refresh()
{
    m_pendingRefresh.stop();
    const ParamSet ed = editor();
    const ParamSet held = m_state.held(ed);
    const j3k::ParamMask known = m_state.known(ed);
    const QList<Mark> marks = m_state.marks(ed);
    for (int i = 0; i < int(j3k::ParamCount); ++i) {
        QString tip = m_formTips[std::size_t(i)];
        if (known.test(std::size_t(i))) {
            const QString value = j3k::valueText(i, held.value(i));
            tip = m_state.reported(i, ed) == held.value(i)
                      ? tr("The transmitter holds %1").arg(value)
                      : tr("UPDATE wrote %1; READ to confirm that the transmitter holds it").arg(value);
        }
        markWidget(i, marks[i], tip);
    }

    if (!m_connected)
        return;  // nothing to say before the first connection
    const qsizetype changes = j3k::compareParams(held, ed, known).size();
    QString words;
    if (!m_state.hasReported() && !m_state.hasWritten())
        words = tr("not read");
    else if (changes == 1)
        words = tr("1 change not written");
    else if (changes > 1)
        words = tr("%1 changes not written").arg(changes);
    else if (m_state.hasWritten())
        words = tr("written, READ to confirm");
    else if (!m_state.knowsAll(ed))
        words = tr("not all read");  // nothing may be called the same that was never read
    else
        words = tr("same as the transmitter");
    // Short enough to leave the status line its room; the rest is in the tooltip.
    m_panel->setText(m_note.isEmpty() ? words : words + QStringLiteral(" \u2013 ") + m_note);
    m_panel->setToolTip(m_noteDetail);
}

// A mark is more than a colour: a changed value is underlined and a written
// one in italics, both on a background tinted towards the palette's own
// highlight, so they read in light and dark palettes alike.
void TransmitterReview::markWidget(int index, Mark mark, const QString &tip)
{
    QWidget *w = m_binding.widget(index);
    if (w->toolTip() != tip)
        w->setToolTip(tip);
    const QString name = mark == Mark::Changed   ? QStringLiteral("changed")
                         : mark == Mark::Written ? QStringLiteral("written")
                                                 : QString();
    if (w->property(kMarkProperty).toString() == name)
        return;
    w->setProperty(kMarkProperty, name);

    QFont font = w->font();
    font.setUnderline(mark == Mark::Changed);
    font.setItalic(mark == Mark::Written);
    w->setFont(font);
    if (mark == Mark::None) {
        w->setPalette(QPalette());  // the surroundings' again
        return;
    }
    QPalette palette = w->parentWidget()->palette();
    const qreal tint = mark == Mark::Changed ? 0.45 : 0.2;
    const QColor highlight = palette.color(QPalette::Highlight);
    palette.setColor(QPalette::Base, mixed(palette.color(QPalette::Base), highlight, tint));
    palette.setColor(QPalette::Button, mixed(palette.color(QPalette::Button), highlight, tint));
    w->setPalette(palette);
}
