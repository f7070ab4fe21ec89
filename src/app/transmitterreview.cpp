// SPDX-License-Identifier: GPL-3.0-or-later
#include "transmitterreview.h"

#include "mainwindow.h"
#include "parambinding.h"
#include "paramdocument.h"
#include "paramfile.h"
#include "paramtext.h"
#include "rangecheck.h"
#include "readrounds.h"

#include <QComboBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QMessageBox>
#include <QSpinBox>

#include <utility>

using j3k::ParamSet;
using Mark = j3k::TransmitterState::Mark;

namespace {

constexpr qint64 kRefreshGapMs = 40;

const char *const kMarkProperty = "transmitterMark";

QColor mixed(const QColor &a, const QColor &b, qreal t)
{
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t),
                            float(a.greenF() + (b.greenF() - a.greenF()) * t),
                            float(a.blueF() + (b.blueF() - a.blueF()) * t));
}

}  // namespace

TransmitterReview::TransmitterReview(QWidget *window, ParamBinding &binding, ParamDocument &document, QLabel *panel)
    : QObject(window)
    , m_window(window)
    , m_binding(binding)
    , m_document(document)
    , m_panel(panel)
{
    m_pendingRefresh.setSingleShot(true);
    m_pendingRefresh.setInterval(0);
    connect(&m_pendingRefresh, &QTimer::timeout, this, &TransmitterReview::refresh);
    // A stream of frames changes the state hundreds of times a second; the
    // marks follow at most every kRefreshGapMs, the first change at once.
    connect(&document, &ParamDocument::stateChanged, this, [this] {
        if (!m_pendingRefresh.isActive())
            m_pendingRefresh.start(int(qMax<qint64>(0, kRefreshGapMs - m_sinceRefresh.elapsed())));
    });
    // Not from inside the receive handler: the box waits for the user.
    connect(&document, &ParamDocument::notTaken, this, &TransmitterReview::showNotTaken, Qt::QueuedConnection);
    for (int i = 0; i < int(j3k::ParamCount); ++i)
        m_formTips[std::size_t(i)] = m_binding.widget(i)->toolTip();
}

// What the last commands came to, short for the panel and at length in
// `detail` for its tooltip.
QString TransmitterReview::panelNote(QString &detail) const
{
    const ParamDocument::Notes n = m_document.notes();
    QStringList notes;
    QStringList details;
    if (n.noAnswer) {
        notes << tr("no answer to READ: check port, settings, transmitter power");
        details << tr("The transmitter did not answer READ within a second. Check that the port is the "
                      "transmitter's, that the port settings are its settings, and that it is switched on.");
    }
    if (!n.missing.isEmpty()) {
        QStringList groups;
        for (const quint8 type : n.missing) {
            if (!n.disagreed.contains(type))
                groups << j3k::frameGroup(type);
        }
        notes << tr("READ incomplete: %1 of %2 groups")
                     .arg(j3k::FrameTypeCount - n.missing.size())
                     .arg(j3k::FrameTypeCount);
        // A note for the groups two answers brought and one for those three
        // did, not one a group: a noisy line leaves several.
        for (const int answers : {2, j3k::ReadRounds::MaxRounds}) {
            QStringList named;
            for (const quint8 type : n.missing) {  // in the form's order
                if (n.disagreed.value(type) == answers)
                    named << j3k::frameGroup(type);
            }
            if (!named.isEmpty())
                notes << j3k::ReadRounds::disagreement(named.join(QLatin1String(" / ")), answers);
        }
        if (!groups.isEmpty())
            details << tr("Not received: %1").arg(groups.join(QLatin1String("; ")));
        if (!n.disagreed.isEmpty())
            details << tr("READ asked three times; no two answers brought the same values for the groups named, "
                          "so their values stay not read.");
        if (!n.refused.isEmpty()) {
            notes << n.refused;
            details << tr("Refused: %1").arg(n.refused.join(QLatin1String("; ")));
        }
    } else if (!n.refused.isEmpty() && !n.refusedInRead) {
        notes << tr("frame refused: %1").arg(n.refused.join(QLatin1String("; ")));
        details << tr("A frame held values no parameter can have; nothing of it was applied:\n%1")
                       .arg(n.refused.join(u'\n'));
    }
    if (!n.backupReason.isEmpty()) {
        notes << tr("no backup written: %1").arg(n.backupReason);
        details << tr("The backup of this READ could not be written: %1").arg(n.backupError);
    }
    if (n.confirmed) {
        notes << (n.confirmed->isEmpty() ? tr("UPDATE confirmed: every value written came back")
                                         : tr("UPDATE did not take every value"));
    }
    detail = details.join(u'\n');
    return notes.join(QLatin1String("; "));
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

void TransmitterReview::refresh()
{
    m_pendingRefresh.stop();
    m_sinceRefresh.start();
    const j3k::TransmitterState &state = m_document.transmitter();
    const ParamSet &ed = m_document.values();
    const ParamSet held = state.held(ed);
    const j3k::ParamMask known = state.known(ed);
    const QList<Mark> marks = state.marks(ed);
    for (int i = 0; i < int(j3k::ParamCount); ++i) {
        QString tip = m_formTips[std::size_t(i)];
        const QString value = j3k::valueText(i, held.value(i));
        if (known.test(std::size_t(i))) {
            tip = state.reported(i, ed) == held.value(i)
                      ? tr("The transmitter holds %1").arg(value)
                      : tr("UPDATE wrote %1; READ to confirm that the transmitter holds it").arg(value);
        }
        markWidget(i, marks[i], tip);
        m_binding.describe(i, marks[i], value);
    }

    if (!m_document.hasConnected())
        return;  // nothing to say before the first connection
    const qsizetype changes = j3k::compareParams(held, ed, known).size();
    QString words;
    if (!state.hasReported() && !state.hasWritten())
        words = tr("not read");
    else if (changes == 1)
        words = tr("1 change not written");
    else if (changes > 1)
        words = tr("%1 changes not written").arg(changes);
    else if (state.hasWritten())
        words = tr("written, READ to confirm");
    else if (!state.knowsAll(ed))
        words = tr("not all read");  // nothing may be called the same that was never read
    else
        words = tr("same as the transmitter");
    // Short enough to leave the status line its room; the rest is in the tooltip.
    QString detail;
    const QString note = panelNote(detail);
    const QString text = note.isEmpty() ? words : words + QStringLiteral(" \u2013 ") + note;
    // A screen reader hears what a command came to ("no answer to READ")
    // without having to look for it: a label without a name of its own is
    // named by its text, and setText() tells the accessibility bus of the
    // new name (once: a second event of ours was heard twice). Qt 6.4 has no
    // live region, nor an announcement, to say it otherwise.
    if (text != m_panel->text())
        m_panel->setText(text);
    m_panel->setToolTip(detail);
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
