#include "portdescription.h"

#include <QCoreApplication>
#include <QFile>
#include <QSerialPortInfo>
#include <QStringList>

#ifdef Q_OS_UNIX
#include <grp.h>
#include <sys/stat.h>
#endif

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

QString deviceGroup(const QString &path)
{
#ifdef Q_OS_UNIX
    struct stat node {
    };
    if (::stat(QFile::encodeName(path).constData(), &node) != 0)
        return {};
    if (const group *owner = ::getgrgid(node.st_gid))
        return QString::fromLocal8Bit(owner->gr_name);
#else
    Q_UNUSED(path);
#endif
    return {};
}
