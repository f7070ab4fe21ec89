// SPDX-License-Identifier: GPL-3.0-or-later
#include "appnames.h"

#include <QCoreApplication>

namespace j3k {

void setApplicationNames()
{
    const QString name = QStringLiteral("j3k-editor");
    QCoreApplication::setOrganizationName(name);
    QCoreApplication::setApplicationName(name);
}

}  // namespace j3k
