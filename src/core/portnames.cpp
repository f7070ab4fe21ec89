// SPDX-License-Identifier: GPL-3.0-or-later
#include "portnames.h"

namespace j3k {

QStringList listedPortNames(const QStringList &systemNames, bool windowsNaming)
{
    if (!windowsNaming)
        return systemNames;
    QStringList out;
    for (const QString &name : systemNames) {
        if (name.toLower().startsWith(QLatin1String("com")))
            out << name;
    }
    return out;
}

std::optional<QString> windowsDeviceName(const QString &portText)
{
    const QString rest = portText.mid(3);
    bool ok = false;
    const int n = rest.toInt(&ok, 10);
    if (!ok)
        return std::nullopt;
    return (n > 9 ? QStringLiteral("\\\\.\\COM") : QStringLiteral("COM")) + rest;
}

QString pluggedInPort(const QStringList &before, const QStringList &now)
{
    for (const QString &port : now) {
        if (!before.contains(port))
            return port;
    }
    return {};
}

}  // namespace j3k
