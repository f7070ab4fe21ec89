// SPDX-License-Identifier: GPL-3.0-or-later
#include "appnames.h"
#include "language.h"
#include "mainwindow.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QLocale>

#include <memory>

namespace {

// Whether the command line asks for --help or --version. They need no
// display, and QApplication ends the program where there is none (a
// terminal over SSH, a package's build making the manual page). --help-all
// still takes one: only a QApplication lists the window's Qt options.
bool answersOnly(int argc, char *argv[])
{
    for (int i = 1; i < argc && qstrcmp(argv[i], "--") != 0; ++i) {
        for (const char *option : {"-h", "-?", "--help", "-v", "--version"}) {
            if (qstrcmp(argv[i], option) == 0)
                return true;
        }
    }
    return false;
}

}  // namespace

int main(int argc, char *argv[])
{
    const std::unique_ptr<QCoreApplication> app(answersOnly(argc, argv) ? new QCoreApplication(argc, argv)
                                                                        : new QApplication(argc, argv));
    j3k::setApplicationNames();

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
    parser.process(*app);  // the answers end the program here

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
    return QApplication::exec();
}
