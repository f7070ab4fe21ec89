// SPDX-License-Identifier: GPL-3.0-or-later
// The window's side of knowing what the transmitter holds: the CHANGES
// command and the question before closing with changes not written.
#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "dlgchanges.h"
#include "parambinding.h"
#include "transmitterreview.h"
#include "valuehistory.h"

#include <QMessageBox>
#include <QStyle>

void MainWindow::setUpReview()
{
    m_review = new TransmitterReview(this, *m_binding, *m_history, secLabel);
    m_changesButton = new QPushButton(this);
    m_changesButton->setObjectName(QStringLiteral("pushButtonChanges"));
    m_changesButton->setIcon(style()->standardIcon(QStyle::SP_FileDialogContentsView));
    ui->horizontalLayout_12->addWidget(m_changesButton);
    connect(m_changesButton, &QPushButton::clicked, this, &MainWindow::showChanges);
    retranslateReview();
}

void MainWindow::retranslateReview()
{
    m_changesButton->setText(tr("CHANGES"));
    m_review->refresh();
}

void MainWindow::showChanges()
{
    m_review->refresh();
    DlgChanges dlg(
        *m_review, m_history->stack(),
        [this](const QString &text, const QString &step) { return loadText(text, step); }, this);
    dlg.addActions({m_undo, m_redo});  // the keys work there too
    dlg.exec();
}

// Closing drops the connection, and with it the only record of which values
// the transmitter still lacks.
bool MainWindow::confirmClose()
{
    const qsizetype changes = isComOpen ? m_review->changes().size() : 0;
    if (changes == 0)
        return true;
    const QString question = changes == 1
                                 ? tr("1 change is not written to the transmitter. Close anyway?")
                                 : tr("%1 changes are not written to the transmitter. Close anyway?").arg(changes);
    return QMessageBox::question(this, tr("Close"), question) == QMessageBox::Yes;
}
