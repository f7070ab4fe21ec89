// SPDX-License-Identifier: GPL-3.0-or-later
// The commands on the transmitter: read and write.
#include "ctl.h"

#include "backups.h"
#include "paramjson.h"
#include "portnames.h"
#include "readrounds.h"
#include "stopsignals.h"
#include "txsession.h"

#include <QTimer>

#include <functional>
#include <utility>

namespace ctl {

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

namespace {

// The link options read back, or why they cannot be.
struct LinkArgs {
    PortSettings port;
    int timeoutMs = 0;
    QString error;
};

LinkArgs linkArgs(const QCommandLineParser &parser)
{
    LinkArgs args;
    args.port.portName = j3k::unixPortDevice(parser.value(QStringLiteral("port")));
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

// One session on the transmitter, run by the program's event loop: OK,
// the steps, DIS. A step starts a READ or an UPDATE and gives what to do
// with its end; finish() ends the session and the program.
//
// SIGINT, SIGTERM and SIGHUP in UPDATE's pause let the G record go out
// first; anywhere else they end the session at once, with DIS.
class Session : public QObject
{
public:
    explicit Session(const LinkArgs &args)
        : m_name(args.port.portName)
        , m_args(args)
    {
        connect(&m_session, &j3k::TxSession::readFinished, this, [this](const j3k::ReadAnswer &answer) {
            if (auto next = std::exchange(m_afterRead, {}))
                next(answer);
        });
        connect(&m_session, &j3k::TxSession::updateFinished, this, [this](bool whole) {
            if (auto next = std::exchange(m_afterUpdate, {}))
                next(whole);
        });
        connect(&m_session, &j3k::TxSession::stopped, this, &Session::stopped);
        connect(&m_stop, &j3k::StopSignals::caught, this, &Session::stopOn);
    }

    // Opens the port and runs `first` from the event loop; the status
    // finish() gives.
    int run(const std::function<void()> &first)
    {
        if (!m_session.open(m_args.port))
            return fail(tr("port %1: cannot open: %2").arg(m_name, m_session.errorString()));
        QTimer::singleShot(0, this, first);
        return QCoreApplication::exec();
    }

    // READ, with `base` for what the frames do not carry; `then` gets the
    // answer once every frame type came in, else an error.
    void read(const j3k::ParamSet &base, std::function<void(const j3k::ReadAnswer &, const QString &)> then)
    {
        m_afterRead = [this, then](const j3k::ReadAnswer &answer) { then(answer, readError(answer)); };
        if (!m_session.startRead(base, m_args.timeoutMs)) {
            j3k::ReadAnswer none;
            none.frames.params = base;
            none.error = tr("READ did not go out: %1").arg(m_session.errorString());
            std::exchange(m_afterRead, {})(none);
        }
    }

    // UPDATE; `then` gets whether the G record went out, else the message
    // naming what did.
    void update(const j3k::ParamSet &params, std::function<void(const QString &)> then)
    {
        // Output nobody reads any more ends the session as a signal would,
        // here with DIS before anything is written.
        if (!outputError().isEmpty())
            return finish(Failed);
        if (!m_session.startUpdate(params)) {
            finish(
                fail(tr("port %1: UPDATE did not go out: %2; nothing written").arg(m_name, m_session.errorString())));
            return;
        }
        m_afterUpdate = [this, then](bool whole) {
            if (!m_stopSignal)
                then(whole ? QString() : halfWritten());
        };
    }

    // DIS, and the program ends with `status`.
    void finish(int status)
    {
        m_session.close();
        QCoreApplication::exit(status);
    }

private:
    QString readError(const j3k::ReadAnswer &answer) const
    {
        if (!answer.error.isEmpty())
            return tr("port %1: %2").arg(m_name, answer.error);
        if (answer.complete())
            return {};
        QString error = answer.disagreed.isEmpty()
                            ? tr("port %1: the transmitter did not answer READ within %2 ms "
                                 "(%3 of %4 frame types came); expected a transmitter that is on and linked")
                                  .arg(m_name)
                                  .arg(m_args.timeoutMs)
                                  .arg(answer.typesSeen)
                                  .arg(j3k::FrameTypeCount)
                            : tr("port %1: READ incomplete: %2 of %3 groups")
                                  .arg(m_name)
                                  .arg(answer.typesSeen)
                                  .arg(j3k::FrameTypeCount);
        for (const QString &refused : answer.frames.refused)
            error += u'\n' + tr("port %1: refused a frame: %2").arg(m_name, refused);
        for (auto it = answer.disagreed.cbegin(); it != answer.disagreed.cend(); ++it)
            error += u'\n'
                     + tr("port %1: %2")
                           .arg(m_name, j3k::ReadRounds::disagreement(j3k::frameGroup(it.key()), it.value()));
        return error;
    }

    QString halfWritten() const
    {
        const QString why
            = m_session.errorString().isEmpty() ? QString() : u' ' + tr("(%1)").arg(m_session.errorString());
        return tr("port %1: the S record was sent, the G record was not%2: the transmitter may hold a mixed set; "
                  "write again once the line is back")
            .arg(m_name, why);
    }

    void stopOn(int signal)
    {
        if (m_stopSignal)
            return;
        m_stopSignal = signal;
        m_stopInPause = m_session.isPausing();
        if (!m_stopInPause) {
            // Nothing of a READ under way is wanted any more.
            m_afterRead = {};
            m_afterUpdate = {};
        }
        m_session.stop(signal);
    }

    void stopped(int signal, bool afterUpdate)
    {
        const QString how = !m_stopInPause ? QString()
                            : afterUpdate  ? tr("the write was completed (S and G records sent) before stopping")
                                           : halfWritten();
        note(how.isEmpty() ? tr("stopped by signal %1").arg(signal)
                           : tr("stopped by signal %1; %2").arg(signal).arg(how));
        m_afterRead = {};
        m_afterUpdate = {};
        QCoreApplication::exit(128 + signal);
    }

    QString m_name;
    LinkArgs m_args;
    j3k::TxSession m_session;
    j3k::StopSignals m_stop;
    int m_stopSignal = 0;
    bool m_stopInPause = false;
    std::function<void(const j3k::ReadAnswer &)> m_afterRead;
    std::function<void(bool)> m_afterUpdate;
};

int read(const QCommandLineParser &parser)
{
    j3k::ReadAnswer answer;
    if (const int status = readTransmitter(parser, answer); status != Same)
        return status;
    const j3k::ParamSet &params = answer.frames.params;
    if (!parser.isSet(QStringLiteral("o"))) {
        // The transmitter reports VERSION too, though no file keeps it.
        print(listing(params, j3k::allParams()));
        return Same;
    }
    const QString saveError = save(parser.value(QStringLiteral("o")), params);
    return saveError.isEmpty() ? Same : fail(saveError);
}

int write(const QCommandLineParser &parser)
{
    const LinkArgs args = linkArgs(parser);
    if (!args.error.isEmpty())
        return fail(args.error);
    // A JSON export that leaves parameters out would write start values
    // for them: refused, as it cannot be what the user meant.
    const Loaded in = load(parser.positionalArguments().at(0), Accept::Either, Missing::Refuse);
    if (!in.error.isEmpty())
        return fail(in.error);
    const bool verify = parser.isSet(QStringLiteral("verify"));
    const bool backup = !parser.isSet(QStringLiteral("no-backup"));

    Session session(args);
    const auto check = [&] {
        session.read(in.params, [&](const j3k::ReadAnswer &answer, const QString &error) {
            const j3k::ParamSet &back = answer.frames.params;
            if (!error.isEmpty()) {
                note(error + u'\n' + tr("both records were sent, but the read-back failed: the write is unconfirmed"));
                return session.finish(Unconfirmed);
            }
            const QList<j3k::ParamChange> missed = j3k::compareParams(in.params, back, j3k::fileParams());
            if (missed.isEmpty()) {
                note(tr("verified: the transmitter holds every parameter as written"));
                return session.finish(Same);
            }
            print(changeLines(missed));
            note(tr("%1 parameter(s) did not take (written -> read back)").arg(missed.size()));
            session.finish(Different);
        });
    };
    const auto update = [&] {
        session.update(in.params, [&](const QString &halfWritten) {
            if (!halfWritten.isEmpty()) {
                note(halfWritten);
                return session.finish(Unconfirmed);
            }
            if (verify)
                return check();
            if (!backup)
                note(tr("the records went out; nothing confirmed the write (--verify reads it back)"));
            session.finish(Same);
        });
    };
    return session.run([&] {
        if (!backup)
            return update();
        // Read with the file's D/R channel, so the backup keeps the very
        // rates this write replaces.
        session.read(in.params, [&](const j3k::ReadAnswer &before, const QString &error) {
            if (!error.isEmpty())
                return session.finish(fail(error + tr("; nothing written")));
            const j3k::BackupStore::Result saved = j3k::BackupStore().add(before.frames.params);
            if (!saved.ok())
                return session.finish(
                    fail(tr("cannot back up the transmitter's settings: %1; nothing written").arg(saved.error)));
            note(saved.path.isEmpty() ? tr("the newest backup already holds the transmitter's settings")
                                      : tr("backed up the transmitter's settings to %1").arg(saved.path));
            update();
        });
    });
}

}  // namespace

int readTransmitter(const QCommandLineParser &parser, j3k::ReadAnswer &answer)
{
    const LinkArgs args = linkArgs(parser);
    if (!args.error.isEmpty())
        return fail(args.error);
    Session session(args);
    return session.run([&] {
        session.read(j3k::ParamSet(), [&](const j3k::ReadAnswer &read, const QString &error) {
            answer = read;
            session.finish(error.isEmpty() ? Same : fail(error));
        });
    });
}

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
