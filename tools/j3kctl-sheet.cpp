// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the setup sheet j3kctl sheet asks for: the values and where they
// came from as JSON on standard input, the PDF to write with -o. j3kctl has
// read and checked everything by then; this program only draws, so that
// j3kctl itself needs no QtGui.
#include "appnames.h"
#include "language.h"
#include "sheetfacts.h"
#include "sheetpdf.h"

#include <QCommandLineParser>
#include <QFile>
#include <QGuiApplication>
#include <QLocale>
#include <QTextStream>

namespace {

int fail(const QString &text)
{
    QTextStream(stderr) << "j3kctl: " << text << Qt::endl;
    return 2;
}

}  // namespace

int main(int argc, char *argv[])
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    // A page needs fonts, not a display: this runs over SSH and in scripts.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
    QGuiApplication app(argc, argv);
    j3k::setApplicationNames();
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Draws the setup sheet that j3kctl sheet asks for, from the JSON it writes on standard input."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption out(QStringLiteral("o"), QStringLiteral("The PDF to write."), QStringLiteral("OUT.pdf"));
    const QCommandLineOption lang(QStringLiteral("lang"), QStringLiteral("zh or en."), QStringLiteral("language"));
    parser.addOptions({out, lang});
    parser.process(app);
    if (parser.value(out).isEmpty())
        return fail(QStringLiteral("sheet: expected -o OUT.pdf"));

    QFile in;
    if (!in.open(stdin, QIODevice::ReadOnly))
        return fail(QStringLiteral("sheet: cannot read standard input: %1").arg(in.errorString()));
    const std::optional<j3k::SheetFacts> facts = j3k::sheetFactsFromJson(in.readAll());
    if (!facts)
        return fail(QStringLiteral("sheet: expected what j3kctl sheet writes on standard input"));
    const QString chosen = parser.value(lang);
    setLanguage(chosen == u"zh"   ? Language::Chinese
                : chosen == u"en" ? Language::English
                                  : languageFor(QLocale::system()));
    const QString error = j3k::writeSheetPdf(parser.value(out), *facts);
    return error.isEmpty() ? 0 : fail(QStringLiteral("%1: cannot write: %2").arg(parser.value(out), error));
}
