// SPDX-License-Identifier: GPL-3.0-or-later
#include "appname.h"

#include <QCoreApplication>

namespace j3k {

void setApplicationNames()
{
    QCoreApplication::setApplicationName(QStringLiteral("j3k-editor"));
#ifdef Q_OS_WIN
    // The registry keeps settings only under an organization's key; without
    // one the editor would remember nothing there.
    QCoreApplication::setOrganizationName(QStringLiteral("j3k-editor"));
#endif
}

}  // namespace j3k
