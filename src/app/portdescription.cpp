// SPDX-License-Identifier: GPL-3.0-or-later
#include "portdescription.h"

#include <QCoreApplication>
#include <QSerialPortInfo>
#include <QStringList>

QString portToolTip(const QSerialPortInfo &info)
{
    QStringList lines;
    if (!info.description().isEmpty())
        lines << QCoreApplication::translate("MainWindow", "Description: %1").arg(info.description());
    if (!info.manufacturer().isEmpty())
        lines << QCoreApplication::translate("MainWindow", "Maker: %1").arg(info.manufacturer());
    if (info.hasVendorIdentifier() && info.hasProductIdentifier()) {
        lines << QCoreApplication::translate("MainWindow", "USB vendor:product: %1:%2")
                     .arg(info.vendorIdentifier(), 4, 16, QLatin1Char('0'))
                     .arg(info.productIdentifier(), 4, 16, QLatin1Char('0'));
    }
    if (!info.serialNumber().isEmpty())
        lines << QCoreApplication::translate("MainWindow", "Serial number: %1").arg(info.serialNumber());
    return lines.join(u'\n');
}
