// SPDX-License-Identifier: GPL-3.0-or-later
// The commands on the transmitter: read and write.
#include "ctl.h"

#include "backups.h"
#include "paramjson.h"
#include "txlink.h"

namespace ctl {

namespace {

QList<QCommandLineOption> linkOptions()
{
    return {
        {QStringLiteral("port"), tr("The transmitter's serial port: a name (ttyUSB0, COM3) or a path."),
         QStringLiteral("PORT")},
        {QStringLiteral("baud"), tr("The line's baud rate; 115200 unless given."), QStringLiteral("RATE"),
         QStringLiteral("115200")},
        {QStringLiteral("timeout"), tr("How long to wait for the transmitter's answer to READ; 2000 unless given."),
         QStringLiteral("ms"), QStringLiteral("2000")},
    };
}

// The link options read back, or why they cannot be.
struct LinkArgs {
    PortSettings port;
    int timeoutMs = 0;
    QString error;
};

LinkArgs linkArgs(const QCommandLineParser &parser)
{
    LinkArgs args;
    args.port.portName = parser.value(QStringLiteral("port"));
    bool baudOk = false;
    bool timeoutOk = false;
    args.port.baudRate = parser.value(QStringLiteral("baud")).toInt(&baudOk);
    args.timeoutMs = parser.value(QStringLiteral("timeout")).toInt(&timeoutOk);
    if (args.port.portName.isEmpty())
        args.error = tr("expected --port PORT, the transmitter's serial port");
    else if (!baudOk || args.port.baudRate <= 0)
        args.error = tr("--baud %1: expected a baud rate such as 115200").arg(parser.value(QStringLiteral("baud")));
    else if (!timeoutOk || args.timeoutMs <= 0)
        args.error = tr("--timeout %1: expected milliseconds above 0").arg(parser.value(QStringLiteral("timeout")));
    return args;
}

// An open link that says DIS when the command is done, however it ends.
class Session
{
public:
    explicit Session(const PortSettings &settings)
        : m_name(settings.portName)
    {
        if (!m_link.open(settings))
            m_error = tr("port %1: cannot open: %2").arg(m_name, m_link.errorString());
    }
    ~Session() { m_link.close(); }

    QString error() const { return m_error; }

    // READ, with `base` for what the frames do not carry; empty error
    // only when every frame type came in.
    j3k::ParamSet read(const j3k::ParamSet &base, int timeoutMs)
    {
        const j3k::TxLink::ReadResult r = m_link.read(base, timeoutMs);
        if (m_link.isLost())
            m_error = tr("port %1: the line went away: %2").arg(m_name, m_link.errorString());
        else if (!m_link.errorString().isEmpty())
            m_error = tr("port %1: READ did not go out: %2").arg(m_name, m_link.errorString());
        else if (!r.complete())
            m_error = tr("port %1: the transmitter did not answer READ within %2 ms "
                         "(%3 of %4 frame types came); expected a transmitter that is on and linked")
                          .arg(m_name)
                          .arg(timeoutMs)
                          .arg(r.typesSeen)
                          .arg(j3k::FrameTypeCount);
        return r.params;
    }

    bool update(const j3k::ParamSet &params)
    {
        if (!m_link.update(params))
            m_error = tr("port %1: UPDATE did not go out whole: %2").arg(m_name, m_link.errorString());
        return m_error.isEmpty();
    }

private:
    QString m_name;
    QString m_error;
    j3k::TxLink m_link;
};

int read(const QCommandLineParser &parser)
{
    const LinkArgs args = linkArgs(parser);
    if (!args.error.isEmpty())
        return fail(args.error);
    j3k::ParamSet params;
    {
        Session session(args.port);
        if (!session.error().isEmpty())
            return fail(session.error());
        params = session.read(j3k::ParamSet(), args.timeoutMs);
        if (!session.error().isEmpty())
            return fail(session.error());
    }
    if (!parser.isSet(QStringLiteral("o"))) {
        // The transmitter reports VERSION too, though no file keeps it.
        print(listing(params, j3k::allParams()));
        return Same;
    }
    const QString error = save(parser.value(QStringLiteral("o")), params);
    return error.isEmpty() ? Same : fail(error);
}

int write(const QCommandLineParser &parser)
{
    const LinkArgs args = linkArgs(parser);
    if (!args.error.isEmpty())
        return fail(args.error);
    const Loaded in = load(parser.positionalArguments().at(0), Accept::Either);
    if (!in.error.isEmpty())
        return fail(in.error);

    Session session(args.port);
    if (!session.error().isEmpty())
        return fail(session.error());
    if (!parser.isSet(QStringLiteral("no-backup"))) {
        // Read with the file's D/R channel, so the backup keeps the very
        // rates this write replaces.
        const j3k::ParamSet before = session.read(in.params, args.timeoutMs);
        if (!session.error().isEmpty())
            return fail(session.error() + tr("; nothing written"));
        const j3k::BackupStore::Result backup = j3k::BackupStore().add(before);
        if (!backup.ok())
            return fail(tr("cannot back up the transmitter's settings: %1; nothing written").arg(backup.error));
        note(backup.path.isEmpty() ? tr("the newest backup already holds the transmitter's settings")
                                   : tr("backed up the transmitter's settings to %1").arg(backup.path));
    }
    if (!session.update(in.params))
        return fail(session.error());
    if (!parser.isSet(QStringLiteral("verify")))
        return Same;

    const j3k::ParamSet back = session.read(in.params, args.timeoutMs);
    if (!session.error().isEmpty())
        return fail(session.error());
    const QList<j3k::ParamChange> missed = j3k::compareParams(in.params, back, j3k::fileParams());
    if (missed.isEmpty()) {
        note(tr("verified: the transmitter holds every parameter as written"));
        return Same;
    }
    print(changeLines(missed));
    note(tr("%1 parameter(s) did not take (written -> read back)").arg(missed.size()));
    return Different;
}

}  // namespace

const Command readCommand{
    "read",
    "read --port PORT [--baud RATE] [--timeout ms] [-o FILE]",
    QT_TRANSLATE_NOOP("j3kctl", "Reads the transmitter's parameters (OK, RRR, the frames, DIS) and writes them as a "
                                "parameter file, or lists them as show does."),
    [] {
        QList<QCommandLineOption> options = linkOptions();
        options << QCommandLineOption({QStringLiteral("o"), QStringLiteral("output")},
                                      tr("The parameter file to write."), QStringLiteral("FILE"));
        return options;
    },
    0,
    0,
    read,
};

const Command writeCommand{
    "write",
    "write --port PORT FILE [--verify] [--no-backup] [--baud RATE] [--timeout ms]",
    QT_TRANSLATE_NOOP("j3kctl",
                      "Writes a parameter file (or JSON export) into the transmitter (OK, S, 500 ms, G, DIS). "
                      "First reads the transmitter and keeps a backup in the editor's backups folder."),
    [] {
        QList<QCommandLineOption> options = linkOptions();
        options << QCommandLineOption(QStringLiteral("verify"),
                                      tr("Read back before DIS and list every parameter that did not take "
                                         "(exit status 1)."))
                << QCommandLineOption(QStringLiteral("no-backup"), tr("Do not read and back up first."));
        return options;
    },
    1,
    1,
    write,
};

}  // namespace ctl
