// SPDX-License-Identifier: GPL-3.0-or-later
// What the window remembers between runs: the port and its line settings,
// where the window stood, and the folders SAVE and LOAD last used.
#include "mainwindow.h"
#include "ui_mainwindow.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>

namespace {

// The settings boxes whose texts are kept, by key.
std::vector<std::pair<const char *, QComboBox *>> lineBoxes(const Ui::MainWindow &ui)
{
    return {{"port/name", ui.comboBoxComm},        {"port/baudRate", ui.comboBoxBaudRate},
            {"port/dataBits", ui.comboBoxDataBit}, {"port/stopBits", ui.comboBoxStopBit},
            {"port/parity", ui.comboBoxParity},    {"port/flowControl", ui.comboBoxFlowCtrl}};
}

}  // namespace

// A first run keeps the form's start values. A remembered text that is no
// longer in its list (a port unplugged since) is passed over, not added.
void MainWindow::restoreSettings()
{
    const QSettings settings;
    // The system's ports join the list a moment after start; this one is
    // chosen then, if it is among them.
    m_rememberedPort = settings.value(QStringLiteral("port/name")).toString();
    for (const auto &[key, box] : lineBoxes(*ui)) {
        const int index = box->findText(settings.value(QLatin1String(key)).toString());
        if (index >= 0)
            box->setCurrentIndex(index);
    }
    ui->checkBoxDTR->setChecked(settings.value(QStringLiteral("port/dtr"), ui->checkBoxDTR->isChecked()).toBool());
    ui->checkBoxRTS->setChecked(settings.value(QStringLiteral("port/rts"), ui->checkBoxRTS->isChecked()).toBool());
    // Not onto a screen that has gone since.
    const QPoint position = settings.value(QStringLiteral("window/position")).toPoint();
    if (settings.contains(QStringLiteral("window/position")) && QGuiApplication::screenAt(position))
        move(position);
    m_fileFolder = settings.value(QStringLiteral("folders/files"), m_fileFolder).toString();
}

void MainWindow::saveSettings()
{
    QSettings settings;
    for (const auto &[key, box] : lineBoxes(*ui))
        settings.setValue(QLatin1String(key), box->currentText());
    settings.setValue(QStringLiteral("port/dtr"), ui->checkBoxDTR->isChecked());
    settings.setValue(QStringLiteral("port/rts"), ui->checkBoxRTS->isChecked());
    settings.setValue(QStringLiteral("window/position"), pos());
    settings.setValue(QStringLiteral("folders/files"), m_fileFolder);
}
