// SPDX-License-Identifier: GPL-3.0-or-later
// j3kctl: parameter files and the transmitter from the command line.
#include "ctl.h"

#include "appnames.h"
#include "smallfile.h"

#include <QStringList>
#include <QTextStream>

#include <algorithm>
#include <array>
#include <csignal>

namespace {

using namespace ctl;

const std::array<const Command *, 7> kCommands{&showCommand, &importCommand, &setCommand,  &diffCommand,
                                               &readCommand, &writeCommand,  &sheetCommand};

const Command *findCommand(const QString &name)
{
    for (const Command *c : kCommands) {
        if (name == QLatin1String(c->name))
            return c;
    }
    return nullptr;
}

QString overview()
{
    QStringList lines{tr("Usage: j3kctl COMMAND [options]"), QString(),
                      tr("Parameter files and the J3K/J3LM transmitter from the command line."), QString(),
                      tr("Commands:")};
    for (const Command *c : kCommands)
        lines << QStringLiteral("  j3kctl ") + QLatin1String(c->synopsis);
    lines << QString() << tr("\"j3kctl COMMAND --help\" describes one command.");
    return lines.join(u'\n');
}

// Qt's help with the command in its usage line, which Qt cannot know.
QString commandHelp(const Command &command, const QCommandLineParser &parser)
{
    const QString qtHelp = parser.helpText();
    return tr("Usage: j3kctl %1").arg(QLatin1String(command.synopsis)) + u'\n'
           + qtHelp.sliced(qtHelp.indexOf(u'\n') + 1).trimmed();
}

// The arguments as given. Qt would turn bytes of a file's name that are no
// UTF-8 into U+FFFD, and so name a file that is not there.
QStringList arguments(int argc, char *argv[])
{
#ifdef Q_OS_UNIX
    QStringList args;
    for (int i = 0; i < argc; ++i)
        args << j3k::fromLocalBytes(argv[i]);
    return args;
#else
    Q_UNUSED(argc);
    Q_UNUSED(argv);
    return QCoreApplication::arguments();
#endif
}

int printVersion()
{
    print(QStringLiteral("j3kctl %1").arg(QCoreApplication::applicationVersion()));
    return Same;
}

}  // namespace

int run(int argc, char *argv[]);

// A result that never reached stdout (a full disk, a closed pipe) is no
// result: the run says so and fails, unless it failed worse already.
int main(int argc, char *argv[])
{
#ifdef SIGPIPE
    // A reader that went away (j3kctl read | head -1) must not end the
    // program before the transmitter hears DIS; the write fails instead.
    std::signal(SIGPIPE, SIG_IGN);
#endif
    const int status = run(argc, argv);
    const QString error = outputError();
    if (error.isEmpty())
        return status;
    note(error);
    return std::max<int>(status, Failed);
}

int run(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    j3k::setApplicationNames();  // backups go where the editor keeps its own

    const QStringList args = arguments(argc, argv);
    const QString name = args.value(1);
    const Command *command = findCommand(name);
    if (!command) {
        if (name == QLatin1String("--help") || name == QLatin1String("-h") || name == QLatin1String("help")) {
            print(overview());
            return Same;
        }
        if (name == QLatin1String("--version") || name == QLatin1String("-v"))
            return printVersion();
        note(name.isEmpty() ? tr("expected a command") : tr("unknown command \"%1\"").arg(name));
        QTextStream(stderr) << overview() << Qt::endl;
        return Failed;
    }

    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate("j3kctl", command->description));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.addOptions(command->options());
    if (!parser.parse(QStringList{args.at(0)} + args.mid(2)))
        return fail(tr("%1: %2 See j3kctl %1 --help.").arg(name, parser.errorText()));
    if (parser.isSet(help)) {
        print(commandHelp(*command, parser));
        return Same;
    }
    if (parser.isSet(version))
        return printVersion();
    const qsizetype given = parser.positionalArguments().size();
    if (given < command->minArguments || (command->maxArguments >= 0 && given > command->maxArguments))
        return fail(tr("%1: expected j3kctl %2").arg(name, QLatin1String(command->synopsis)));
    return command->run(parser);
}
