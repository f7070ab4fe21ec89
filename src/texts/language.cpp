// SPDX-License-Identifier: GPL-3.0-or-later
#include "language.h"

#include <QCoreApplication>
#include <QLocale>
#include <QPointer>
#include <QTranslator>

Language languageFor(const QLocale &locale)
{
    return locale.language() == QLocale::Chinese ? Language::Chinese : Language::English;
}

void setLanguage(Language language)
{
    // The texts are written half in Chinese (the form's first texts) and
    // half in English (later ones), so each language has a file that turns
    // the other half into it.
    static QPointer<QTranslator> editor;
    static QPointer<QTranslator> qt;
    for (QTranslator *old : {editor.data(), qt.data()}) {
        if (old) {
            QCoreApplication::removeTranslator(old);
            delete old;
        }
    }
    const bool chinese = language == Language::Chinese;
    editor = new QTranslator(QCoreApplication::instance());
    if (editor->load(chinese ? QStringLiteral(":/i18n/j3k_zh_CN.qm") : QStringLiteral(":/i18n/j3k_en.qm")))
        QCoreApplication::installTranslator(editor);
    // Qt's own texts are English unless translated.
    qt = new QTranslator(QCoreApplication::instance());
    if (chinese && qt->load(QStringLiteral(":/qm/qt_zh_CN.qm")))
        QCoreApplication::installTranslator(qt);
}
