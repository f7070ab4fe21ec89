// The habits of a desktop program: keyboard shortcuts for the commands, a
// parameter file dropped on the window, and what the port list says of each
// adapter.
#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "dlgload.h"
#include "portdescription.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QSerialPortInfo>

namespace {

struct Command {
    QPushButton *button;
    QKeySequence keys;
    const char *toolTip;  // %1 is the shortcut
};

std::vector<Command> commands(const Ui::MainWindow &ui)
{
    return {
        {ui.pushButtonRead, QKeySequence(Qt::Key_F5),
         QT_TRANSLATE_NOOP("MainWindow", "Read the transmitter's settings (%1)")},
        {ui.pushButtonSend2, QKeySequence(Qt::CTRL | Qt::Key_U),
         QT_TRANSLATE_NOOP("MainWindow", "Send the settings to the transmitter (%1)")},
        {ui.pushButtonLoad, QKeySequence(QKeySequence::Open),
         QT_TRANSLATE_NOOP("MainWindow", "Load settings from a file (%1)")},
        {ui.pushButtonSave, QKeySequence(QKeySequence::Save),
         QT_TRANSLATE_NOOP("MainWindow", "Save the settings to a file (%1)")},
    };
}

// The one local file a drag carries, or empty.
QString droppedFile(const QMimeData *data)
{
    const QList<QUrl> urls = data->urls();
    return urls.size() == 1 && urls.first().isLocalFile() ? urls.first().toLocalFile() : QString();
}

}  // namespace

void MainWindow::setUpShortcuts()
{
    for (const Command &c : commands(*ui))
        c.button->setShortcut(c.keys);
    retranslateShortcuts();
}

void MainWindow::retranslateShortcuts()
{
    for (const Command &c : commands(*ui))
        c.button->setToolTip(tr(c.toolTip).arg(c.keys.toString(QKeySequence::NativeText)));
}

void MainWindow::dragEnterEvent(QDragEnterEvent *e)
{
    if (!droppedFile(e->mimeData()).isEmpty())
        e->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent *e)
{
    const QString path = droppedFile(e->mimeData());
    if (path.isEmpty())
        return;
    e->acceptProposedAction();
    loadFile(path);
}

// As if LOAD had browsed to `path` and been accepted: the same reading, the
// same checks, the same messages when the file is refused.
void MainWindow::loadFile(const QString &path)
{
    DlgLoad dlg(this);
    if (!dlg.readFile(path))
        return;
    m_loadFolder = dlg.folder();
    loadText(dlg.getContext());
}

// Each port's tooltip tells what the system knows of its adapter, so two
// alike names can be told apart.
void MainWindow::describePorts()
{
    QComboBox *box = ui->comboBoxComm;
    const QList<QSerialPortInfo> ports = QSerialPortInfo::availablePorts();
    for (int i = 0; i < box->count(); ++i) {
        QString tip;
        if (box->itemText(i) == tr("VIRTUAL-TX"))
            tip = tr("A transmitter simulated inside the editor");
        for (const QSerialPortInfo &port : ports) {
            if (port.portName() == box->itemText(i))
                tip = portToolTip(port);
        }
        box->setItemData(i, tip.isEmpty() ? QVariant() : QVariant(tip), Qt::ToolTipRole);
    }
}
