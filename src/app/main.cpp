// SPDX-License-Identifier: GPL-3.0-or-later
#include "appname.h"
#include "language.h"
#include "mainwindow.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QLocale>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    j3k::setApplicationNames();
    QCoreApplication::setApplicationVersion(QStringLiteral("3.0"));

    // The system's language already for --help; --lang may change it below.
    Language language = languageFor(QLocale::system());
    setLanguage(language);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QCoreApplication::translate("main", "Parameter editor for J3K and J3LM transmitters"));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption lang(QStringLiteral("lang"),
                                  QCoreApplication::translate("main", "Show the editor in <language>: zh or en "
                                                                      "(default: from the system locale)."),
                                  QStringLiteral("language"));
    parser.addOption(lang);
    parser.process(app);

    if (parser.isSet(lang)) {
        const QString chosen = parser.value(lang);
        if (chosen != QLatin1String("zh") && chosen != QLatin1String("en")) {
            qCritical("--lang takes zh or en, not %s", qPrintable(chosen));
            return 2;
        }
        language = chosen == QLatin1String("zh") ? Language::Chinese : Language::English;
        setLanguage(language);
    }

    MainWindow window;
    window.show();
    return app.exec();
}
