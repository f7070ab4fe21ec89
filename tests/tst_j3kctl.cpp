// SPDX-License-Identifier: GPL-3.0-or-later
// j3kctl as a user runs it: the program itself, on files and on a
// transmitter behind a pseudo-terminal. Where there are no pseudo-terminals
// (Windows) only the files.
#include "paramfile.h"
#include "paramjson.h"
#include "records.h"
#include "testparams.h"
#ifdef J3K_HAVE_PTY
#include "ptywire.h"
#include <csignal>
#include <fstream>
#include <sys/stat.h>
#endif

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QSerialPort>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

class tst_J3kctl : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(m_dir.isValid());
    }

    void filesSession()
    {
        put(QStringLiteral("a.txt"), kStartFile);
        const Run json = ctl({"show", "a.txt", "--json"});
        QCOMPARE(json.status, 0);
        // A key left out keeps its start value, and the user hears of it.
        // As an editor on Windows saves it: a byte-order mark in front.
        put(QStringLiteral("a.json"), "\xEF\xBB\xBF" + json.out.toUtf8().replace("\"stk_mode\": 2,", ""));
        const Run import = ctl({"import", "a.json", "-o", "b.txt"});
        QCOMPARE(import.status, 0);
        QVERIFY2(import.err.contains("a.json: \"stk_mode\" missing"), qPrintable(import.err));
        QCOMPARE(contents(QStringLiteral("b.txt")), kStartFile);

        QCOMPARE(ctl({"set", "b.txt", "sub_trim_ch3=-20", "tx_alarm=10.8", "prog_mix1_mix=open"}).status, 0);
        const Run diff = ctl({"diff", "a.json", "b.txt"});
        QCOMPARE(diff.status, 1);
        QCOMPARE(diff.out.split(u'\n', Qt::SkipEmptyParts),
                 QStringList({"SUB-TRIM CH3      0  ->  -20", "TX-ALARM (V)      11.1  ->  10.8",
                              "PROG.MIX1 MIX     INH  ->  OPEN"}));
        QCOMPARE(ctl({"diff", "a.json", "a.txt"}).status, 0);
        QCOMPARE(ctl({"diff", "a.json", "b.txt", "--version"}).out, ctl({"--version"}).out);
    }

#ifdef J3K_HAVE_PTY
    // txsim, the virtual transmitter as a program, on the other end.
    void writeVerifyThenRead()
    {
        QCOMPARE(ctl({"txsim", "--help"}).status, 0);  // and does not start
        QProcess txsim;
        txsim.start(besideTest(QStringLiteral("txsim")), {});
        QTRY_VERIFY(txsim.canReadLine());
        const QString port = QString::fromLocal8Bit(txsim.readLine()).trimmed();
        QRandomGenerator rng(7);
        j3k::ParamSet p = randomParams(rng);
        p.set(j3k::paramIndex(u"comboBox_2"), 0);  // a read gives the CH1 rates
        put(QStringLiteral("w.txt"), j3k::paramFileBytes(p));

        // No backup, no write: a data folder that cannot be stops the write
        // before anything goes out (else the backup below would hold `p`).
        put(QStringLiteral("blocked"), "a file where the data folder should be");
        const Run blocked = ctl({"write", "--port", port, "w.txt"}, QStringLiteral("blocked"));
        QVERIFY2(blocked.status == 2 && blocked.err.contains(QStringLiteral("Not a directory")),
                 qPrintable(blocked.err));
        const Run write = ctl({"write", "--port", port, "w.txt", "--verify"});
        QVERIFY2(write.status == 0, qPrintable(write.err));
        // The backup holds what the transmitter had before: its start values.
        const QStringList saved = QDir(path(QStringLiteral("data/j3k-editor/backups"))).entryList(QDir::Files);
        QCOMPARE(saved.size(), 1);
        QCOMPARE(contents(QStringLiteral("data/j3k-editor/backups/") + saved.first()), kStartFile);

        // A port named as a file in the current folder is that file, not one under /dev.
        QVERIFY(QFile::link(port, path(QStringLiteral("txport"))));
        const Run read = ctl({"read", "--port", "txport", "-o", "r.txt"});
        QVERIFY2(read.status == 0, qPrintable(read.err));
        QVERIFY(QFile::remove(path(QStringLiteral("txport"))));  // a later pseudo-terminal may get its number
        QCOMPARE(contents(QStringLiteral("r.txt")), j3k::paramFileBytes(p));

        txsim.terminate();
        QVERIFY(txsim.waitForFinished(5000));
        QCOMPARE(txsim.exitCode(), 0);
        const QStringList log = QString::fromLocal8Bit(txsim.readAllStandardOutput()).split(u'\n');
        // The blocked write's READ, the backup's, the check's and the last, each asked twice.
        QCOMPARE(log.count(QStringLiteral("RRR: answered with 14 frames, 168 bytes")), 8);
        QCOMPARE(log.mid(log.size() - 3), (QStringList{"DIS: unlinked", "quit", ""}));
    }

    // How a write on a pseudo-terminal ends, by what the transmitter (or a
    // signal) does: the status and the words on stderr say whether the
    // transmitter may hold a half-written or unconfirmed set.
    void writeEndings_data()
    {
        QTest::addColumn<QStringList>("flags");
        QTest::addColumn<QString>("transmitter");  // what it does when a message is in
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("words");
        QTest::addColumn<QByteArray>("wire");  // what it got; <S> and <G> stand for the records
        const QStringList bare{"--no-backup"}, verify{"--no-backup", "--verify"};
        QTest::newRow("unconfirmed") << bare << "" << 0 << "nothing confirmed the write" << QByteArray("OK<S><G>DIS");
        QTest::newRow("values not taken")
            << verify << "answers otherwise" << 1 << "did not take" << QByteArray("OK<S><G>RRRRRRDIS");
        QTest::newRow("line lost after S")
            << bare << "hangs up after S" << 3 << "the S record was sent, the G record was not" << QByteArray("OK<S>");
        QTest::newRow("read-back silent")
            << verify << "" << 3 << "the write is unconfirmed" << QByteArray("OK<S><G>RRRDIS");
        QTest::newRow("SIGTERM in the pause")
            << bare << "SIGTERM after S" << 128 + SIGTERM << "the write was completed" << QByteArray("OK<S><G>DIS");
        QTest::newRow("SIGINT in the backup's READ")
            << QStringList() << "SIGINT after RRR" << 128 + SIGINT << "stopped by signal" << QByteArray("OKRRRDIS");
        QTest::newRow("stderr closed before the write")
            << QStringList{"2>&-"} << "answers otherwise" << 2 << "" << QByteArray("OKRRRRRRDIS");
    }
    void writeEndings()
    {
        QFETCH(QStringList, flags);
        QFETCH(QString, transmitter);
        QFETCH(int, status);
        QFETCH(QString, words);
        QFETCH(QByteArray, wire);
        QRandomGenerator rng(11);
        const j3k::ParamSet p = randomParams(rng);
        put(QStringLiteral("v.txt"), j3k::paramFileBytes(p));
        // Values other than those written, all but the D/R channel, which no
        // frame carries.
        const j3k::ParamSet other = opposite(p, j3k::paramIndex(u"comboBox_2"));
        j3k::DrRates rates;
        rates.up.fill(other.value(u"spinBox_79"));
        rates.down.fill(other.value(u"spinBox_80"));
        PtyWire line;
        QVERIFY(line.pty.isOpen());
        const QByteArray records = j3k::paramFileBytes(p);
        bool done = false;
        connect(&line.pty, &PtyPair::readyRead, this, [&] {
            if (done)
                return;
            if (transmitter == u"answers otherwise" && line.received().endsWith("RRR"))
                line.pty.write(j3k::encodeFrames(other, rates));  // every time it is asked
            const bool afterS = line.received().size() == 2 + j3k::RecordLength;
            if (transmitter.endsWith(u"after S") && afterS)
                done = true;
            if (transmitter == u"hangs up after S" && afterS)
                line.unplug();
            else if (transmitter == u"SIGTERM after S" && afterS)
                ::kill(pid_t(m_running->processId()), SIGTERM);
            else if (transmitter == u"SIGINT after RRR" && line.received().endsWith("RRR"))
                done = ::kill(pid_t(m_running->processId()), SIGINT) == 0;
        });

        const Run write
            = ctl(QStringList{"write", "--port", line.pty.slavePath(), "v.txt", "--timeout", "300"} + flags);
        QVERIFY2(write.status == status, qPrintable(write.err));
        QVERIFY2(write.err.contains(words), qPrintable(write.err));
        // The last bytes may still be on their way through the pseudo-terminal
        // when j3kctl has ended.
        QTRY_COMPARE(
            line.received(),
            wire.replace("<S>", records.first(j3k::RecordLength)).replace("<G>", records.sliced(j3k::RecordLength)));
        if (status == 1)
            QCOMPARE(write.out.count(u'\n'), int(j3k::fileParams().count()) - 1);
    }

    // The Windows j3kctl (J3KCTL_EXE) under Wine, with this pseudo-terminal as
    // its COM port: Windows' own serial code must keep the pause, and so
    // must a Ctrl+C in the console while it lasts (Wine turns SIGINT into
    // one). How a whole write ends is the same code as on Linux.
    void writeOnWindowsPort()
    {
        const QString exe = qEnvironmentVariable("J3KCTL_EXE");
        if (exe.isEmpty())
            QSKIP("J3KCTL_EXE names no Windows j3kctl to run under Wine");
        if (!qEnvironmentVariableIsSet("WINEPREFIX"))  // the prefix wine-run uses
            qputenv("WINEPREFIX", WINE_PREFIX);
        PtyWire wire;
        QVERIFY(wire.pty.isOpen());
        const QString com = QStringLiteral("COM7");
        QCOMPARE(QProcess::execute(QStringLiteral("wine"), {"reg", "add", R"(HKLM\Software\Wine\Ports)", "/v", com,
                                                            "/d", wire.pty.slavePath(), "/f"}),
                 0);
        // The server reads the port map when it starts.
        QProcess::execute(QStringLiteral("wineserver"), {"-k"});
        QProcess::execute(QStringLiteral("wineserver"), {"-w"});
        QRandomGenerator rng(5);
        const j3k::ParamSet p = randomParams(rng);
        put(QStringLiteral("win.txt"), j3k::paramFileBytes(p));
        connect(&wire.pty, &PtyPair::readyRead, this, [&] {
            if (wire.received().size() == 2 + j3k::RecordLength)
                ::kill(pid_t(m_running->processId()), SIGINT);
        });

        m_program = QStringList{QStringLiteral("wine"), exe};  // in this process: no cmd between
        const Run write = ctl({"write", "--port", com, "win.txt", "--no-backup"});
        m_program = {};
        QVERIFY2(write.status == 128 + SIGINT, qPrintable(write.err));
        QVERIFY2(write.err.contains("the write was completed"), qPrintable(write.err));
        QTRY_COMPARE(wire.received(), "OK" + j3k::paramFileBytes(p) + "DIS");
        const qsizetype gStart = 2 + j3k::RecordLength;
        QCOMPARE_GE(wire.arrivals().at(gStart) - wire.arrivals().at(gStart - 1), 500'000'000);
    }
#endif

    void badInput_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QStringList>("words");  // in the message on stderr

        QTest::newRow("not a parameter file") << QStringList{"show", "junk.txt"} << QStringList{"junk.txt", "S record"};
        QTest::newRow("unreadable JSON") << QStringList{"import", "broken.json", "-o", "out.txt"}
                                         << QStringList{"broken.json", "line 4", "JSON"};
        QTest::newRow("file out of range")
            << QStringList{"diff", "good.txt", "range.txt"}
            << QStringList{"range.txt: SUB-TRIM CH3: 135 is outside -100…100", "range.txt: STK-MODE: 0 is outside 1…4",
                           "range.txt: D/R RATE-UP CH2: 101 is outside 0…100"};
        QTest::newRow("export, every fault named")
            << QStringList{"import", "faults.json", "-o", "out.txt"}
            << QStringList{"faults.json: \"subtrim_ch8\": unknown key; did you mean sub_trim_ch8?",
                           "faults.json: \"sub_trim_ch8\" missing",
                           "faults.json: \"sub_trim_ch1\" is given twice, on lines 13 and 14",
                           "faults.json: SUB-TRIM CH2: 135 is outside", "TX-ALARM takes one decimal (10.8 or 10.9)"};
        QTest::newRow("set out of range, in place") << QStringList{"set", "good.txt", "stk_mode=3", "d_r_mix=on"}
                                                    << QStringList{"good.txt", "d_r_mix=on", "OFF, OPEN"};
        QTest::newRow("set, the file's D/R channel")
            << QStringList{"set", "ch2.txt", "d_r_rate_down=101"} << QStringList{"D/R RATE-DOWN CH2: 101 is outside"};
        QTest::newRow("set, a key no file holds")
            << QStringList{"set", "good.txt", "stk_mode=3", "version=3"}
            << QStringList{"good.txt: \"version\": VERSION is the transmitter's own"};
        // Over a file that was there before, which stays whole.
        QTest::newRow("sheet of a file out of range")
            << QStringList{"sheet", "range.txt", "-o", "good.txt"}
            << QStringList{"range.txt: SUB-TRIM CH3: 135 is outside", "range.txt: STK-MODE: 0 is outside"};
        QTest::newRow("bad timeout") << QStringList{"read", "--port", "x", "--timeout", "soon"}
                                     << QStringList{"--timeout", "milliseconds"};
#ifdef J3K_HAVE_PTY
        QTest::newRow("port in use") << QStringList{"write", "--port", "BUSY", "good.txt"}
                                     << QStringList{"cannot open", "Another program has this port open"};
        QTest::newRow("txsim, not an option") << QStringList{"txsim", "--fast"} << QStringList{"fast", "Usage: "};
        QTest::newRow("a pipe") << QStringList{"diff", "good.txt", "pipe"} << QStringList{"pipe", "not a regular file"};
        QTest::newRow("JSON lacking keys")
            << QStringList{"write", "--port", "SILENT", "lacks.json"} << QStringList{"lacks 2", "stk_mode, d_r_mix"};
        QTest::newRow("full disk") << QStringList{">full", "show", "good.txt"}
                                   << QStringList{"cannot write the output", "No space"};
        QTest::newRow("stdout closed") << QStringList{">&-", "show", "good.txt"}
                                       << QStringList{"j3kctl: output closed"};
        // Opened by its bytes, and not written under another name.
        QTest::newRow("name not UTF-8") << QStringList{"sh",
                                                       "exec \"$0\" set \"$(printf 'n\\377.txt')\" sub_trim_ch1=5"}
                                        << QStringList{"not UTF-8"};
        QTest::newRow("sheet on a disk that fills up")
            << QStringList{"sh", "trap '' XFSZ; ulimit -f 8; exec \"$0\" sheet "
                                 "good.txt -o good.txt"}
            << QStringList{"good.txt: cannot write", "File too large"};
        QTest::newRow("silent transmitter")
            << QStringList{"read", "--port", "SILENT", "--timeout", "300", "-o", "r.txt"}
            << QStringList{"SILENT", "did not answer"};
#endif
    }

    void badInput()
    {
        QFETCH(QStringList, args);
        QFETCH(QStringList, words);
#ifdef J3K_HAVE_PTY
        ::mkfifo(QFile::encodeName(path(QStringLiteral("pipe"))).constData(), 0600);  // opening it blocks
        QVERIFY(std::ofstream(QFile::encodeName(m_dir.path()) + "/n\377.txt") << kStartFile.constData());
        PtyWire silent;
        args.replaceInStrings(QStringLiteral("SILENT"), silent.pty.slavePath());
        QSerialPort busy(silent.pty.slavePath());  // another program's port
        QVERIFY(!args.contains(QStringLiteral("BUSY")) || busy.open(QIODevice::ReadWrite));
        args.replaceInStrings(QStringLiteral("BUSY"), silent.pty.slavePath());
        words.replaceInStrings(QStringLiteral("SILENT"), silent.pty.slavePath());
#endif
        const QByteArray json = j3k::paramsToJson(j3k::ParamSet());
        put(QStringLiteral("good.txt"), kStartFile);
        put(QStringLiteral("junk.txt"), "S" + kStartFile);
        put(QStringLiteral("broken.json"), "{\n\"format\": \"j3k-parameters\",\n\"version\": 1,\n\"parameters\": {,}}");
        put(QStringLiteral("ch2.txt"), QByteArray(kStartFile).replace(135, 1, "1"));  // D/R CH2
        put(QStringLiteral("range.txt"),                                              // and RATE-UP 101
            QByteArray(kStartFile).replace(13, 2, "FF").replace(79, 1, "0").replace(135, 3, "175"));
        put(QStringLiteral("faults.json"),
            QByteArray(json)
                .replace("sub_trim_ch8", "subtrim_ch8")
                .replace("\"sub_trim_ch1\": 0,", "\"sub_trim_ch1\": 1,\n\"sub_trim_ch1\": 0,")
                .replace("\"sub_trim_ch2\": 0", "\"sub_trim_ch2\": 135")
                .replace("11.1", "10.85"));
        put(QStringLiteral("lacks.json"),
            QByteArray(json).replace("\"stk_mode\": 2,", "").replace("\"d_r_mix\": \"OFF\",", ""));

        const QStringList files = QDir(m_dir.path()).entryList(QDir::Files);
        const Run run = ctl(args);
        QCOMPARE(run.status, 2);
        for (const QString &word : words)
            QVERIFY2(run.err.contains(word), qPrintable(run.err));
        // Nothing half-written anywhere.
        QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files), files);
        QCOMPARE(contents(QStringLiteral("good.txt")), kStartFile);
    }

private:
    struct Run {
        int status = -1;
        QString out;
        QString err;
    };
    QProcess *m_running = nullptr;  // the j3kctl of ctl()
    // Runs j3kctl (or txsim, named first) in the scratch folder, the event
    // loop turning meanwhile so a transmitter in this process can answer.
    // Redirections as a shell has them, anywhere: ">full" sends stdout to a
    // full disk, ">&-" and "2>&-" stdout or stderr to a pipe nobody reads.
    // "sh" first runs a shell line, j3kctl as $0, for bytes no QString holds.
    Run ctl(QStringList args, const QString &dataHome = QStringLiteral("data"))
    {
        QProcess p;
        p.setWorkingDirectory(m_dir.path());
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_DATA_HOME"), path(dataHome));  // the backups
        p.setProcessEnvironment(env);
        QSignalSpy done(&p, &QProcess::finished);
        if (args.removeAll(QStringLiteral(">full")))
            p.setStandardOutputFile(QStringLiteral("/dev/full"));
#ifdef J3K_HAVE_PTY
        const int closed = args.removeAll(QStringLiteral(">&-")) ? 1 : args.removeAll(QStringLiteral("2>&-")) ? 2 : 0;
        p.setChildProcessModifier([closed] {
            int ends[2];
            if (closed && ::pipe(ends) == 0 && ::close(ends[0]) == 0)
                ::dup2(ends[1], closed);
        });
#endif
        m_running = &p;
        const bool txsim = args.first() == u"txsim", shell = args.first() == u"sh";
        QStringList program = txsim                 ? QStringList{besideTest(QStringLiteral("txsim"))}
                              : m_program.isEmpty() ? QStringList{besideTest(QStringLiteral("j3kctl"))}
                                                    : m_program;
        if (shell)
            program = QStringList{"/bin/sh", "-c", args.takeLast(), program.first()};
        p.start(program.first(), program.mid(1) + args.mid(txsim || shell ? 1 : 0));
        if (!done.wait(20000))
            return {};
        // Windows' console programs end their lines with CR LF.
        return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
                QString::fromUtf8(p.readAllStandardOutput()).remove(u'\r'),
                QString::fromLocal8Bit(p.readAllStandardError())};  // as a console shows it
    }
    // The programs are built into the test's own folder.
    static QString besideTest(const QString &name) { return QCoreApplication::applicationDirPath() + u'/' + name; }
    QString path(const QString &name) const { return m_dir.filePath(name); }
    void put(const QString &name, const QByteArray &bytes) { QVERIFY(!writeFile(path(name), bytes).isEmpty()); }
    QByteArray contents(const QString &name) const { return contentsOf(path(name)); }

    QTemporaryDir m_dir;
    QStringList m_program;  // runs j3kctl instead, with its first arguments, when set
};

QTEST_GUILESS_MAIN(tst_J3kctl)
#include "tst_j3kctl.moc"
