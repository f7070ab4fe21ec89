// The window's side of knowing what the transmitter holds: the CHANGES
// command and the question before closing with changes not written.
#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "dlgchanges.h"
#include "parambinding.h"
#include "transmitterreview.h"

#include <QCloseEvent>
#include <QMessageBox>
#include <QStyle>

void MainWindow::setUpReview()
{
    m_review = new TransmitterReview(this, *m_binding, secLabel);
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
    // After the text: setText() replaces the shortcut with the text's mnemonic.
    m_changesButton->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    m_changesButton->setToolTip(tr("What an UPDATE would change; compare with a file or a backup (%1)")
                                    .arg(m_changesButton->shortcut().toString(QKeySequence::NativeText)));
    m_review->refresh();
}

void MainWindow::showChanges()
{
    m_review->refresh();
    DlgChanges dlg(*m_review, this);
    dlg.exec();
}

// Closing drops the connection, and with it the only record of which values
// the transmitter still lacks.
void MainWindow::closeEvent(QCloseEvent *e)
{
    const qsizetype changes = isComOpen ? m_review->changes().size() : 0;
    if (changes > 0) {
        const QString question = changes == 1
                                     ? tr("1 change is not written to the transmitter. Close anyway?")
                                     : tr("%1 changes are not written to the transmitter. Close anyway?").arg(changes);
        if (QMessageBox::question(this, tr("Close"), question) != QMessageBox::Yes) {
            e->ignore();
            return;
        }
    }
    QMainWindow::closeEvent(e);
}
