// SPDX-License-Identifier: GPL-3.0-or-later
// The sheet command: the values come as show and read have them, and a
// program of its own, beside j3kctl, draws the PDF. Drawing needs QtGui,
// which nothing else in j3kctl does.
#include "ctl.h"

#include "sheetfacts.h"
#include "smallfile.h"
#include "txsession.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QProcess>

namespace ctl {

namespace {

// Beside j3kctl in a build and on Windows; installed, in the package's
// folder of helper programs.
QString drawingProgram()
{
    const QDir here(QCoreApplication::applicationDirPath());
    const QString beside = here.filePath(QStringLiteral("j3kctl-sheet"));
#ifdef Q_OS_WIN
    return beside;
#else
    return QFileInfo(beside).isExecutable() ? beside : here.filePath(QStringLiteral(J3K_SHEET_INSTALLED));
#endif
}

// The facts drawn by the helper; its exit status, and its messages on
// j3kctl's own stderr.
int draw(const j3k::SheetFacts &facts, const QCommandLineParser &parser)
{
    QStringList args{QStringLiteral("-o"), parser.value(QStringLiteral("o"))};
    if (parser.isSet(QStringLiteral("lang")))
        args << QStringLiteral("--lang") << parser.value(QStringLiteral("lang"));
    QProcess helper;
    helper.setProcessChannelMode(QProcess::ForwardedChannels);
    helper.start(drawingProgram(), args);
    if (!helper.waitForStarted(-1))
        return fail(tr("sheet: cannot start %1: %2").arg(helper.program(), helper.errorString()));
    helper.write(j3k::sheetFactsToJson(facts));
    helper.closeWriteChannel();
    helper.waitForFinished(-1);
    if (helper.exitStatus() != QProcess::NormalExit)
        return fail(tr("sheet: %1 stopped: %2").arg(helper.program(), helper.errorString()));
    return helper.exitCode();
}

int sheet(const QCommandLineParser &parser)
{
    const QStringList files = parser.positionalArguments();
    const bool port = parser.isSet(QStringLiteral("port"));
    const QString out = parser.value(QStringLiteral("o"));
    if (out.isEmpty())
        return fail(tr("sheet: expected -o OUT.pdf, the PDF to write"));
    // Before a READ, and before the name reaches the helper, which could
    // not take bytes that are no UTF-8 as they are.
    if (const QString refused = j3k::whyNotReplaceable(out); !refused.isEmpty())
        return fail(tr("%1: cannot write: %2").arg(out, refused));
    if (files.isEmpty() == !port)
        return fail(tr("sheet: expected a parameter file or --port PORT, one of them"));
    const QString lang = parser.value(QStringLiteral("lang"));
    if (parser.isSet(QStringLiteral("lang")) && lang != u"zh" && lang != u"en")
        return fail(tr("sheet: --lang takes zh or en, not %1").arg(lang));
    j3k::SheetFacts facts;
    if (port) {
        j3k::ReadAnswer answer;
        if (const int status = readTransmitter(parser, answer); status != Same)
            return status;
        facts.values = answer.frames.params;
        if (answer.frames.hasRates)
            facts.rates = answer.frames.rates;
        facts.versionRead = true;
        facts.readAt = QDateTime::currentDateTime();
    } else {
        const Loaded in = load(files.first(), Accept::Either);
        if (!in.error.isEmpty())
            return fail(in.error);
        facts.values = in.params;
        facts.file = QFileInfo(files.first()).fileName();
    }
    return draw(facts, parser);
}

}  // namespace

const Command sheetCommand{
    "sheet",
    "sheet FILE|--port PORT -o OUT.pdf [--lang zh|en] [--baud RATE] [--timeout ms]",
    QT_TRANSLATE_NOOP("j3kctl", "Writes a one-page setup sheet of a parameter file (or JSON export), or of the "
                                "transmitter after a READ, as a PDF: every value by the window's groups, where the "
                                "values came from. A refused file, or a failure, leaves OUT.pdf as it was."),
    [] {
        QList<QCommandLineOption> options = linkOptions();
        options << QCommandLineOption({QStringLiteral("o"), QStringLiteral("output")}, tr("The PDF to write."),
                                      QStringLiteral("OUT.pdf"))
                << QCommandLineOption(QStringLiteral("lang"),
                                      tr("The sheet's language: zh or en (default: from the system locale)."),
                                      QStringLiteral("language"));
        return options;
    },
    0,
    1,
    sheet,
};

}  // namespace ctl
