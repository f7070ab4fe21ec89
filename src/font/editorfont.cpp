// SPDX-License-Identifier: GPL-3.0-or-later
#include "editorfont.h"

#include <QFontDatabase>
#include <QString>
#include <QStringList>

QString editorFontFamily()
{
    // Once per process: every window and page after the first shares it.
    static const QString family = [] {
        const int id = QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/j3k-micro-hei.ttf"));
        return QFontDatabase::applicationFontFamilies(id).value(0);
    }();
    return family;
}
