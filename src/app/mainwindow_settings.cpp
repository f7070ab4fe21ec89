// SPDX-License-Identifier: GPL-3.0-or-later
// What the window remembers between runs: the port and its line settings,
// where the window stood, and the folders SAVE and LOAD last used.
#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "filelog.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {

// The settings boxes whose texts are kept, by key.
std::vector<std::pair<const char *, QComboBox *>> lineBoxes(const Ui::MainWindow &ui)
{
    return {{"port/name", ui.comboBoxComm},        {"port/baudRate", ui.comboBoxBaudRate},
            {"port/dataBits", ui.comboBoxDataBit}, {"port/stopBits", ui.comboBoxStopBit},
            {"port/parity", ui.comboBoxParity},    {"port/flowControl", ui.comboBoxFlowCtrl}};
}

// The file QSettings keeps the settings in; empty where they are no file
// (the Windows registry, the preferences system of macOS).
QString settingsFile()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    const QString org = QCoreApplication::organizationName();
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + u'/'
           + (org.isEmpty() ? QStringLiteral("Unknown Organization") : org) + u'/' + QCoreApplication::applicationName()
           + QStringLiteral(".conf");
#else
    return {};
#endif
}

// Settings are a few hundred bytes; no more than this is read of them.
constexpr qint64 kMaxSettingsBytes = 64 * 1024;

// How long the file QSettings would write of `settings` is, measured on a
// copy; 0 where the settings are no file.
qint64 writtenSize(const QSettings &settings)
{
    const QTemporaryDir dir;
    if (settingsFile().isEmpty() || !dir.isValid())
        return 0;
    QSettings copy(dir.filePath(QStringLiteral("copy.conf")), QSettings::IniFormat);
    for (const QString &key : settings.allKeys())
        copy.setValue(key, settings.value(key));
    copy.sync();
    return QFileInfo(copy.fileName()).size();
}

// QSettings would read a FIFO until a writer came (forever, before the
// window shows), a huge file whole, and write either back over on closing:
// such a file is left alone.
bool settingsFileUsable()
{
    const QString path = settingsFile();
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists())
        return true;
    if (!info.isFile()) {
        qCWarning(lcFiles) << "settings not read, and not written on closing:" << path << "is not a regular file";
        return false;
    }
    if (info.size() > kMaxSettingsBytes) {
        qCWarning(lcFiles) << "settings not read, and not written on closing:" << path << "is" << info.size()
                           << "bytes long, over" << kMaxSettingsBytes;
        return false;
    }
    return true;
}

// A value that is no true or false (dtr=maybe) is no setting at all.
bool flag(const QSettings &settings, const QString &key, bool fallback)
{
    const QVariant v = settings.value(key);
    if (v.typeId() == QMetaType::Bool)
        return v.toBool();
    const QString text = v.toString();
    return text == QLatin1String("true") ? true : text == QLatin1String("false") ? false : fallback;
}

}  // namespace

// A first run keeps the form's start values. A remembered text that is no
// longer in its list (a port unplugged since) is passed over, not added.
void MainWindow::restoreSettings()
{
    m_settingsUsable = settingsFileUsable();
    if (!m_settingsUsable)
        return;
    const QSettings settings;
    // The system's ports join the list a moment after start; this one is
    // chosen then, if it is among them.
    m_rememberedPort = settings.value(QStringLiteral("port/name")).toString();
    for (const auto &[key, box] : lineBoxes(*ui)) {
        const int index = box->findText(settings.value(QLatin1String(key)).toString());
        if (index >= 0)
            box->setCurrentIndex(index);
    }
    ui->checkBoxDTR->setChecked(flag(settings, QStringLiteral("port/dtr"), ui->checkBoxDTR->isChecked()));
    ui->checkBoxRTS->setChecked(flag(settings, QStringLiteral("port/rts"), ui->checkBoxRTS->isChecked()));
    // Not onto a screen that has gone since.
    const QVariant position = settings.value(QStringLiteral("window/position"));
    if (position.typeId() == QMetaType::QPoint && QGuiApplication::screenAt(position.toPoint()))
        move(position.toPoint());
    const QVariant folder = settings.value(QStringLiteral("folders/files"));
    if (folder.typeId() == QMetaType::QString && !folder.toString().isEmpty())
        m_fileFolder = folder.toString();
}

void MainWindow::saveSettings()
{
    if (!m_settingsUsable)
        return;
    QSettings settings;
    const auto keepOwn = [&] {
        for (const auto &[key, box] : lineBoxes(*ui))
            settings.setValue(QLatin1String(key), box->currentText());
        settings.setValue(QStringLiteral("port/dtr"), ui->checkBoxDTR->isChecked());
        settings.setValue(QStringLiteral("port/rts"), ui->checkBoxRTS->isChecked());
        settings.setValue(QStringLiteral("window/position"), pos());
        settings.setValue(QStringLiteral("folders/files"), m_fileFolder);
    };
    keepOwn();
    // QSettings writes back every key it read, escaped its own way: 60 KB of
    // escaped text from elsewhere came back as over 100 KB, which no later
    // start would read, and the port and folders were never remembered again.
    if (const qint64 size = writtenSize(settings); size > kMaxSettingsBytes) {
        qCWarning(lcFiles) << "settings: only the editor's own keys written to" << settings.fileName()
                           << "(with the rest the file would be" << size << "bytes long, over the" << kMaxSettingsBytes
                           << "read)";
        settings.clear();
        keepOwn();
    }
}
