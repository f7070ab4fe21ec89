// SPDX-License-Identifier: GPL-3.0-or-later
#include "appnames.h"

#include <QCoreApplication>
#include <QStandardPaths>

namespace j3k {

void setApplicationNames()
{
    const QString name = QStringLiteral("j3k-editor");
    QCoreApplication::setOrganizationName(name);
    QCoreApplication::setApplicationName(name);
    QCoreApplication::setApplicationVersion(QStringLiteral(J3K_VERSION));
}

QString dataFolder()
{
    QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    const QString app = QCoreApplication::applicationName();
    const QString orgAndApp = QCoreApplication::organizationName() + u'/' + app;
    if (!QCoreApplication::organizationName().isEmpty() && data.endsWith(u'/' + orgAndApp))
        data = data.chopped(orgAndApp.size()) + app;
    return data;
}

}  // namespace j3k
