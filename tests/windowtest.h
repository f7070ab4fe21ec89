// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the window tests share: the window and its dialogs answered, the
// form's widgets by name, the status line, and fresh settings.

#include "appnames.h"
#include "mainwindow.h"
#include "modalscript.h"
#include "parambinding.h"
#include "paramfile.h"
#include "testparams.h"
#include "txsession.h"
#include "virtualtransmitter.h"
#ifdef J3K_HAVE_PTY
#include "ptypair.h"
#endif

#include <QAccessible>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

// Settings as on a first run, apart from the user's own: every window test
// starts with this.
inline void freshSettings()
{
    QStandardPaths::setTestModeEnabled(true);
    j3k::setApplicationNames();  // where the editor keeps them
    QSettings().clear();
}

template<typename T = QWidget>
T *child(const QObject &parent, const QString &name)
{
    return parent.findChild<T *>(name);
}

inline QPushButton *button(const QWidget &window, const char *name) { return child<QPushButton>(window, name); }

inline QStringList itemsOf(const QComboBox *box)
{
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items << box->itemText(i);
    return items;
}

// The first panel of the window's status line, and what it says.
inline QString statusLine(const QWidget &window) { return child<QLabel>(window, "fstLabel")->text(); }
inline QString openLine(const QString &port, int sent, int received, const QString &settings)
{
    return QStringLiteral("%1已打开 %2 | 发送：%3B | 接收：%4B").arg(port, settings).arg(sent).arg(received);
}

// Adds `port` to the port list and selects it.
inline void choosePort(const QWidget &window, const QString &port)
{
    auto *box = child<QComboBox>(window, "comboBoxComm");
    box->addItem(port);
    box->setCurrentIndex(box->count() - 1);
}

// Selects the virtual transmitter, listed at every start, and opens it.
inline void openVirtualTx(const QWidget &window)
{
    auto *box = child<QComboBox>(window, "comboBoxComm");
    box->setCurrentIndex(box->findText(QStringLiteral("VIRTUAL-TX")));
    button(window, "pushButtonOpen")->click();
}
