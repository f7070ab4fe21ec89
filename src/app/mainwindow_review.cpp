// SPDX-License-Identifier: GPL-3.0-or-later
// The window's side of knowing what the transmitter holds: the CHANGES
// command and the question before closing with changes not written.
#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "dlgchanges.h"
#include "paramdocument.h"
#include "transmitterreview.h"
#include "valuehistory.h"

#include <QMessageBox>

void MainWindow::setUpReview()
{
    m_review = new TransmitterReview(this, *m_binding, *m_document, secLabel);
    m_changesButton = new QPushButton(this);
    m_changesButton->setObjectName(QStringLiteral("pushButtonChanges"));
    ui->horizontalLayout_12->addWidget(m_changesButton);
    connect(m_changesButton, &QPushButton::clicked, this, &MainWindow::showChanges);
    setTabOrder(ui->pushButtonSave, m_changesButton);  // the last command, left to right
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
        *m_document, m_document->history().stack(),
        [this](const QString &text, const QString &step, const QString &file) { return loadText(text, step, file); },
        this);
    dlg.addActions({m_undo, m_redo});  // the keys work there too
    dlg.exec();
}

// Values no file and no transmitter holds: the user's edits, a restored
// recovery file, put back undone... A fresh window, or a LOAD or SAVE with
// no edit after it, has none.
bool MainWindow::confirmLoss()
{
    m_document->commitEdits();
    const qsizetype changes = m_document->unkept().size();
    if (changes == 0)
        return true;
    QMessageBox box(QMessageBox::Question, tr("Close"),
                    changes == 1 ? tr("1 change is not saved or written to the transmitter.")
                                 : tr("%1 changes are not saved or written to the transmitter.").arg(changes),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, this);
    box.setDefaultButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Save:
        return saveAs(m_document->values());
    case QMessageBox::Discard:
        return true;
    default:
        return false;
    }
}

bool MainWindow::confirmRead()
{
    m_document->commitEdits();
    const qsizetype changes = m_document->unkept().size();
    if (changes == 0)
        return true;
    QMessageBox box(QMessageBox::Question, tr("READ"),
                    changes == 1 ? tr("READ will replace 1 change not written.")
                                 : tr("READ will replace %1 changes not written.").arg(changes),
                    QMessageBox::Cancel, this);
    QPushButton *read = box.addButton(tr("READ"), QMessageBox::AcceptRole);
    read->setObjectName(QStringLiteral("readAnywayButton"));
    box.setDefaultButton(QMessageBox::Cancel);
    box.exec();
    return box.clickedButton() == read;
}
