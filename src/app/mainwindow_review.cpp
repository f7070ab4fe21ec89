// The window's side of knowing what the transmitter holds: the CHANGES
// command and the question before closing with changes not written.
#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "dlgchanges.h"
#include "parambinding.h"
#include "transmitterreview.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMessageBox>
#include <QStyle>

namespace {

// Text fields on X11 take Ctrl+D to delete a character, so a spin box with
// the focus would keep CHANGES' shortcut from ever working. In this window
// the button's shortcut comes first.
class ShortcutFirst : public QObject
{
public:
    explicit ShortcutFirst(QAbstractButton *button)
        : QObject(button)
        , m_button(button)
    {}

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::ShortcutOverride)
            return false;
        const auto *widget = qobject_cast<QWidget *>(watched);
        if (!widget || widget->window() != m_button->window())
            return false;
        // Not passed on, the override stays unaccepted and the shortcut runs.
        return QKeySequence(static_cast<QKeyEvent *>(event)->keyCombination()) == m_button->shortcut();
    }

private:
    QAbstractButton *m_button;
};

}  // namespace

void MainWindow::setUpReview()
{
    m_review = new TransmitterReview(this, *m_binding, secLabel);
    m_changesButton = new QPushButton(this);
    m_changesButton->setObjectName(QStringLiteral("pushButtonChanges"));
    m_changesButton->setIcon(style()->standardIcon(QStyle::SP_FileDialogContentsView));
    ui->horizontalLayout_12->addWidget(m_changesButton);
    connect(m_changesButton, &QPushButton::clicked, this, &MainWindow::showChanges);
    qApp->installEventFilter(new ShortcutFirst(m_changesButton));
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
