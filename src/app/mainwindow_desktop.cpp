// SPDX-License-Identifier: GPL-3.0-or-later
// The habits of a desktop program: keyboard shortcuts for the commands, a
// parameter file dropped on the window, and what the port list says of each
// adapter.
#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "dlgload.h"
#include "portdescription.h"

#include <QAction>
#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMimeData>
#include <QSerialPortInfo>
#include <QTabWidget>

#include <algorithm>

namespace {

struct Command {
    QPushButton *button;
    QKeySequence keys;
    const char *toolTip;  // %1 is the shortcut
};

std::vector<Command> commands(const Ui::MainWindow &ui, QPushButton *changes)
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
        {changes, QKeySequence(Qt::CTRL | Qt::Key_D),
         QT_TRANSLATE_NOOP("MainWindow", "What an UPDATE would change; compare with a file or a backup (%1)")},
    };
}

// Text fields on X11 take Ctrl+D and Ctrl+U for editing, and every text
// field takes Ctrl+Z for its own undo, so a spin box with the focus would
// keep those commands' shortcuts from ever working. In this window the
// commands come first.
class CommandsFirst : public QObject
{
public:
    CommandsFirst(QWidget *window, std::vector<QAbstractButton *> buttons, QList<QAction *> actions)
        : QObject(window)
        , m_window(window)
        , m_buttons(std::move(buttons))
        , m_actions(std::move(actions))
    {}

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::ShortcutOverride)
            return false;
        const auto *widget = qobject_cast<QWidget *>(watched);
        if (!widget || widget->window() != m_window)
            return false;
        // Not passed on, the override stays unaccepted and the shortcut runs.
        const QKeySequence keys(static_cast<QKeyEvent *>(event)->keyCombination());
        return std::any_of(m_buttons.begin(), m_buttons.end(),
                           [&keys](QAbstractButton *b) { return b->isEnabled() && b->shortcut() == keys; })
               || std::any_of(m_actions.begin(), m_actions.end(),
                              [&keys](QAction *a) { return a->shortcuts().contains(keys); });
    }

private:
    QWidget *m_window;
    std::vector<QAbstractButton *> m_buttons;
    QList<QAction *> m_actions;
};

// The one local file a drag carries, or empty.
QString droppedFile(const QMimeData *data)
{
    const QList<QUrl> urls = data->urls();
    return urls.size() == 1 && urls.first().isLocalFile() ? urls.first().toLocalFile() : QString();
}

}  // namespace

void MainWindow::setUpShortcuts()
{
    std::vector<QAbstractButton *> buttons;
    for (const Command &c : commands(*ui, m_changesButton))
        buttons.push_back(c.button);
    // The usual keys for the next and previous tab, wherever the focus is:
    // a combo box or spin box would otherwise take Ctrl+PgUp as a step of
    // its value, and Ctrl+Tab as a move of the focus.
    const auto tabKeys = [this](int step, QList<QKeySequence> keys) {
        auto *action = new QAction(this);
        action->setShortcuts(keys);
        connect(action, &QAction::triggered, this, [this, step] {
            QTabWidget *tabs = ui->tabWidget_2;
            tabs->setCurrentIndex((tabs->currentIndex() + step + tabs->count()) % tabs->count());
        });
        addAction(action);
        return action;
    };
    QAction *next = tabKeys(1, {QKeySequence(Qt::CTRL | Qt::Key_PageDown), QKeySequence(Qt::CTRL | Qt::Key_Tab)});
    QAction *previous
        = tabKeys(-1, {QKeySequence(Qt::CTRL | Qt::Key_PageUp), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab),
                       QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab)});
    QList<QAction *> actions{m_undo, m_redo, next, previous, m_exportSheet};
    if (m_printSheet)
        actions << m_printSheet;
    qApp->installEventFilter(new CommandsFirst(this, std::move(buttons), actions));
    retranslateShortcuts();
}

// After the buttons' texts: setText() replaces a shortcut with the text's
// mnemonic.
void MainWindow::retranslateShortcuts()
{
    for (const Command &c : commands(*ui, m_changesButton)) {
        c.button->setShortcut(c.keys);
        c.button->setToolTip(tr(c.toolTip).arg(c.keys.toString(QKeySequence::NativeText)));
    }
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
    m_fileFolder = dlg.folder();
    loadText(dlg.getContext(), tr("LOAD %1").arg(QFileInfo(path).fileName()), QFileInfo(path).fileName());
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
