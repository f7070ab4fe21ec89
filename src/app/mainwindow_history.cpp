// SPDX-License-Identifier: GPL-3.0-or-later
// The editor's values over time: undo and redo of every change, and the
// recovery file that keeps values not written anywhere through a crash.
#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "paramdocument.h"
#include "recoveryfile.h"
#include "transmitterreview.h"
#include "valuehistory.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTextStream>
#include <QTimer>
#include <QToolBar>
#include <QUndoStack>

namespace {

// As the backups are named, which reads the same in either language.
QString writtenAt(const QDateTime &t) { return t.toString(QStringLiteral("yyyy-MM-dd HH:mm")); }

}  // namespace

void MainWindow::setUpHistory()
{
    connect(this, &MainWindow::stopping, this, &MainWindow::saveRecoveryNow);
    // In the panel for as long as it is so: those values live in the window
    // alone.
    const RecoveryFile &recovery = m_document->recovery();
    connect(&recovery, &RecoveryFile::writeFailed, this, [this](const QString &reason) {
        secLabel->setText(tr("unwritten values could not be kept: %1").arg(reason));
    });
    connect(&recovery, &RecoveryFile::failureOver, this, [this] {
        secLabel->clear();
        m_review->refresh();
    });

    m_undo = new QAction(this);
    m_undo->setObjectName(QStringLiteral("undoAction"));
    m_undo->setShortcut(QKeySequence::Undo);
    connect(m_undo, &QAction::triggered, this, [this] {
        const QString step = m_document->history().stack()->undoText();
        if (m_document->canUndo()) {
            m_document->undo();
            statusBar()->showMessage(tr("undone: %1").arg(step), 5000);
        }
    });
    m_redo = new QAction(this);
    m_redo->setObjectName(QStringLiteral("redoAction"));
    m_redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    connect(m_redo, &QAction::triggered, this, [this] {
        const QString step = m_document->history().stack()->redoText();
        if (m_document->canRedo()) {
            m_document->redo();
            statusBar()->showMessage(tr("redone: %1").arg(step), 5000);
        }
    });
    addActions({m_undo, m_redo});
    // Undo waits while a READ or UPDATE's pause is under way.
    const QUndoStack *stack = m_document->history().stack();
    connect(stack, &QUndoStack::canUndoChanged, this, &MainWindow::updateHistoryActions);
    connect(stack, &QUndoStack::canRedoChanged, this, &MainWindow::updateHistoryActions);
    connect(m_document, &ParamDocument::busyChanged, this, &MainWindow::updateHistoryActions);
    updateHistoryActions();

    // Not before the window shows: a start without a recovery file costs
    // nothing, and one with it shows the window first.
    QTimer::singleShot(0, this, &MainWindow::offerRecovery);
}

void MainWindow::updateHistoryActions()
{
    m_undo->setEnabled(m_document->canUndo());
    m_redo->setEnabled(m_document->canRedo());
}

void MainWindow::saveRecoveryNow()
{
    m_keepRecovery = true;
    RecoveryFile &recovery = m_document->recovery();
    // The window is about to go: whoever sent the signal hears it.
    if (!recovery.saveNow()) {
        QTextStream(stderr) << "j3k-editor: " << tr("unwritten values could not be kept: %1").arg(recovery.failure())
                            << Qt::endl;
    }
}

// The values editors that are gone did not write anywhere: the newest
// offered, not forced, and left for the next start if the user does
// neither; the rest counted, and one click for all of them.
void MainWindow::offerRecovery()
{
    if (m_recoveryBar)
        return;
    m_leftOvers = m_document->recovery().claimLeftOvers();
    const bool offered = !m_leftOvers.path.isEmpty();
    if (!offered && m_leftOvers.unoffered.isEmpty())
        return;
    m_recoveryBar = new QToolBar(this);
    m_recoveryBar->setObjectName(QStringLiteral("recoveryBar"));
    m_recoveryBar->setMovable(false);
    m_recoveryBar->setFloatable(false);
    m_recoveryBar->setContextMenuPolicy(Qt::PreventContextMenu);
    auto *label = new QLabel;
    label->setObjectName(QStringLiteral("recoveryText"));
    auto *row = new QWidget;
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(6, 0, 6, 0);
    layout->addWidget(label);
    const bool several = !m_leftOvers.others.isEmpty() || !m_leftOvers.unoffered.isEmpty();
    const auto addButton = [&](const char *name, bool shown, void (MainWindow::*act)()) {
        auto *button = new QPushButton;
        button->setObjectName(QLatin1String(name));
        button->setVisible(shown);
        button->setEnabled(shown);
        layout->addWidget(button);
        connect(button, &QPushButton::clicked, this, act);
    };
    addButton("restoreButton", offered, &MainWindow::restoreRecovery);
    addButton("discardButton", offered, &MainWindow::discardRecovery);
    addButton("discardAllButton", m_leftOvers.deletable > 0 && several, &MainWindow::discardAllRecovery);
    addButton("hideButton", !offered, &MainWindow::closeRecoveryBar);
    layout->addStretch();
    m_recoveryBar->addWidget(row);
    addToolBar(Qt::TopToolBarArea, m_recoveryBar);
    retranslateHistory();
    // The form is laid out for its own size: the bar adds to the window.
    resize(width(), height() + m_recoveryBar->sizeHint().height());
}

void MainWindow::retranslateHistory()
{
    m_undo->setText(tr("Undo"));
    m_redo->setText(tr("Redo"));
    if (!m_recoveryBar)
        return;
    const RecoveryFile::LeftOvers &left = m_leftOvers;
    QStringList lines;
    if (!left.path.isEmpty()) {
        lines << tr("Unwritten values of a session that ended were kept, written %1: %n value(s) unlike the window's.",
                    nullptr, left.differing)
                     .arg(writtenAt(left.written));
    }
    if (!left.others.isEmpty()) {
        QStringList times;  // each of a few, the span of many
        for (const QDateTime &t : left.others)
            times << writtenAt(t);
        if (times.size() > 3)
            times = QStringList{tr("%1 to %2").arg(times.last(), times.first())};
        lines << tr("%n older session(s) left values too, written %1.", nullptr, int(left.others.size()))
                     .arg(times.join(QLatin1String(", ")));
    }
    QStringList unoffered;
    for (const RecoveryFile::Unoffered &u : left.unoffered)
        unoffered << tr("Not offered: %1 (%2)").arg(u.name, u.reason);
    lines << unoffered.mid(0, 3);
    if (unoffered.size() > 3)
        lines << tr("%n more not offered, named in the tooltip.", nullptr, int(unoffered.size() - 3));
    auto *label = m_recoveryBar->findChild<QLabel *>(QStringLiteral("recoveryText"));
    label->setText(lines.join(u'\n'));
    label->setToolTip(unoffered.size() > 3 ? unoffered.join(u'\n') : QString());
    const auto button
        = [this](const char *name) { return m_recoveryBar->findChild<QAbstractButton *>(QLatin1String(name)); };
    button("restoreButton")->setText(tr("Restore"));
    button("discardButton")->setText(tr("Discard"));
    button("discardAllButton")->setText(tr("Discard all"));
    button("discardAllButton")
        ->setToolTip(
            tr("Deletes the %n file(s) this editor can read and owns; the others stay.", nullptr, left.deletable));
    button("hideButton")->setText(tr("Hide"));
    // Said in the panel too until a port is opened and the panel has the
    // transmitter to speak of.
    if (!isComOpen() && !left.path.isEmpty())
        secLabel->setText(tr("unwritten values of the last session kept"));
}

void MainWindow::restoreRecovery()
{
    const ParamDocument::Restored restored = m_document->restoreLeftOver();
    if (!restored.error.isEmpty()) {
        showCritical(tr("错误"), tr("The unwritten values could not be restored."), restored.error);
        return;
    }
    closeRecoveryBar();
    QStringList said{tr("restored %n value(s) written %1", nullptr, restored.values).arg(writtenAt(restored.written))};
    if (!m_document->recovery().failure().isEmpty())
        said << tr("unwritten values could not be kept: %1").arg(m_document->recovery().failure());
    secLabel->setText(said.join(QLatin1String("; ")));
}

// The next one, if another editor left values too.
void MainWindow::discardRecovery()
{
    m_document->recovery().dropClaimed();
    closeRecoveryBar();
    offerRecovery();
}

void MainWindow::discardAllRecovery()
{
    m_document->recovery().dropAll();
    closeRecoveryBar();
}

void MainWindow::closeRecoveryBar()
{
    const int barHeight = m_recoveryBar->height();
    removeToolBar(m_recoveryBar);
    m_recoveryBar->deleteLater();
    m_recoveryBar = nullptr;
    m_leftOvers = {};
    resize(width(), height() - barHeight);
    secLabel->clear();
    m_review->refresh();
}
