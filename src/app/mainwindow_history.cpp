// SPDX-License-Identifier: GPL-3.0-or-later
// The editor's values over time: undo and redo of every change, and the
// recovery file that keeps values not written anywhere through a crash.
#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "paramdocument.h"
#include "recoveryfile.h"
#include "smallfile.h"
#include "transmitterreview.h"
#include "valuehistory.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QUndoStack>

void MainWindow::setUpHistory()
{
    connect(this, &MainWindow::stopping, this, &MainWindow::saveRecoveryNow);
    connect(&m_document->recovery(), &RecoveryFile::writeFailed, this, [this](const QString &reason) {
        statusBar()->showMessage(tr("Unwritten values could not be kept: %1").arg(reason), 10000);
    });

    m_undo = new QAction(this);
    m_undo->setObjectName(QStringLiteral("undoAction"));
    m_undo->setShortcut(QKeySequence::Undo);
    connect(m_undo, &QAction::triggered, m_document, &ParamDocument::undo);
    m_redo = new QAction(this);
    m_redo->setObjectName(QStringLiteral("redoAction"));
    m_redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    connect(m_redo, &QAction::triggered, m_document, &ParamDocument::redo);
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
    m_document->recovery().saveNow();
}

// The values an editor that is gone did not write anywhere: offered, not
// forced, and left for the next start if the user does neither.
void MainWindow::offerRecovery()
{
    if (m_recoveryBar || m_document->recovery().claimLeftOver().isEmpty())
        return;
    m_recoveryBar = new QToolBar(this);
    m_recoveryBar->setObjectName(QStringLiteral("recoveryBar"));
    m_recoveryBar->setMovable(false);
    m_recoveryBar->setFloatable(false);
    m_recoveryBar->setContextMenuPolicy(Qt::PreventContextMenu);
    auto *label = new QLabel;
    label->setObjectName(QStringLiteral("recoveryText"));
    auto *restore = new QPushButton;
    restore->setObjectName(QStringLiteral("restoreButton"));
    auto *discard = new QPushButton;
    discard->setObjectName(QStringLiteral("discardButton"));
    auto *row = new QWidget;
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(6, 0, 6, 0);
    layout->addWidget(label);
    layout->addWidget(restore);
    layout->addWidget(discard);
    layout->addStretch();
    m_recoveryBar->addWidget(row);
    connect(restore, &QPushButton::clicked, this, &MainWindow::restoreRecovery);
    connect(discard, &QPushButton::clicked, this, [this] {
        m_document->recovery().dropClaimed();
        closeRecoveryBar();
    });
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
    const auto text = [this](const char *name, const QString &t) {
        m_recoveryBar->findChild<QAbstractButton *>(QLatin1String(name))->setText(t);
    };
    m_recoveryBar->findChild<QLabel *>(QStringLiteral("recoveryText"))
        ->setText(tr("Unwritten values from the last session were kept:"));
    text("restoreButton", tr("Restore"));
    text("discardButton", tr("Discard"));
    // Said in the panel too until a port is opened and the panel has the
    // transmitter to speak of.
    if (!isComOpen())
        secLabel->setText(tr("unwritten values of the last session kept"));
}

// Through LOAD's checks, as one step. The values are still written nowhere
// but in the recovery file: this editor's own, from now on.
void MainWindow::restoreRecovery()
{
    RecoveryFile &recovery = m_document->recovery();
    const j3k::SmallFileRead file = j3k::readSmallFile(recovery.claimedPath());
    if (!file.ok()) {
        showCritical(tr("错误"), tr("不能读取指定的文件"), file.error);
        return;
    }
    if (!loadText(QString::fromLatin1(file.bytes), tr("Restore unwritten values"), {}, true))
        return;
    if (recovery.saveNow())
        recovery.dropClaimed();
    closeRecoveryBar();
}

void MainWindow::closeRecoveryBar()
{
    const int barHeight = m_recoveryBar->height();
    removeToolBar(m_recoveryBar);
    m_recoveryBar->deleteLater();
    m_recoveryBar = nullptr;
    resize(width(), height() - barHeight);
    secLabel->clear();
    m_review->refresh();
    offerRecovery();  // another editor may have left values too
}
