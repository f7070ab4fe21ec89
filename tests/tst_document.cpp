// SPDX-License-Identifier: GPL-3.0-or-later
// The editor's state without a window: the document following a session on
// a serial line whose other end is this test, acting the transmitter.
#include "linenoise.h"
#include "paramdocument.h"
#include "paramfile.h"
#include "ptywire.h"
#include "readrounds.h"
#include "recoveryfile.h"
#include "smallfile.h"
#include "testparams.h"
#include "txsession.h"
#include "valuehistory.h"

#include <QDir>
#include <QStandardPaths>
#include <QTest>
#include <QtGlobal>

#include <optional>

using namespace j3k;

namespace {

const int drChannel = paramIndex(u"comboBox_2");
const int drUp = paramIndex(u"spinBox_79");
const int drDown = paramIndex(u"spinBox_80");

// A document following a session that is open on the test's pseudo-terminal.
struct Line {
    Line()
    {
        doc.follow(session);
        PortSettings settings;
        settings.portName = wire.pty.slavePath();
        if (session.open(settings))
            QTRY_COMPARE(wire.received(), QByteArray("OK"));
        // Every "RRR" is answered (no other message holds an R), through the noise if there is one.
        QObject::connect(&wire.pty, &PtyPair::readyRead, &wire.pty, [this] {
            for (; asked < wire.received().count('R') / 3; ++asked) {
                const QByteArray &answer = answers.at((asked - readStart) % answers.size());
                wire.pty.write(noise ? noise->pass(answer) : answer);
            }
        });
    }

    // READ, its n-th "RRR" answered with `frames[n]` (round and round);
    // returns once the READ is over, which its own time makes sure of.
    void read(const QByteArrayList &frames, int timeoutMs = 3000, int silenceMs = 0)
    {
        answers = frames;
        readStart = asked;
        QVERIFY(session.startRead(doc.values(), timeoutMs, silenceMs));
        QVERIFY(!doc.canUndo() && !doc.canRedo());
        while (session.isReading())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }

    // UPDATE of the document's values; what the S and G records carried.
    ParamSet update()
    {
        const qsizetype before = wire.received().size();
        const auto whole = [&] { return wire.received().size() - before >= kStartFile.size() && !session.isBusy(); };
        if (!session.startUpdate(doc.values()) || !QTest::qWaitFor(whole))
            return {};
        const QString records = QString::fromLatin1(wire.received().mid(before));
        return paramsFromFileText(records, ParamSet()).params;
    }

    PtyWire wire;
    TxSession session;
    ParamDocument doc;
    QByteArrayList answers;
    std::optional<LineNoise> noise;
    qsizetype asked = 0;
    qsizetype readStart = 0;  // the "RRR" count when this READ began
};

}  // namespace

class tst_Document : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QDir(RecoveryFile::folder()).removeRecursively();  // the backups' folder is in it
    }

    // A leftover gone between its offer and Restore: the message names it.
    void restoreNamesTheFile()
    {
        const QString path = QDir(RecoveryFile::folder()).filePath(QStringLiteral("recovery-gone.txt"));
        QVERIFY(QDir().mkpath(RecoveryFile::folder()) && replaceSmallFile(path, paramFileBytes(ParamSet())).isEmpty());
        ParamDocument doc;
        QCOMPARE(doc.recovery().claimLeftOvers().path, path);
        QVERIFY(QFile::remove(path));
        QVERIFY(doc.restoreLeftOver().error.contains(QDir::toNativeSeparators(path)));
    }

    // 1000 READs of random values over a line that loses, doubles or
    // changes one byte in a hundred: every value shown as read is the
    // transmitter's, the D/R pair that of the editor's channel; a group no
    // two answers agree on stays not read. A whole READ comes in as one
    // step and as a backup; undo waits while it runs, then takes back the
    // whole of it, and nothing is left to keep. Frames nobody asked for
    // make no backup.
    void readsOverNoise()
    {
        Line line;
        const QByteArray unasked = encodeFrames(ParamSet(), {});
        line.wire.pty.write(unasked + unasked);
        QTRY_COMPARE(line.session.receivedCount(), 2 * unasked.size());
        const qsizetype backups = line.doc.backups().list().size();
        line.noise.emplace(0.01, 26);
        ReadAnswer answer;
        QObject::connect(&line.session, &TxSession::readFinished, [&](const ReadAnswer &a) { answer = a; });
        QRandomGenerator rng(26);
        int whole = 0, notRead = 0;
        for (int round = 0; round < 1000; ++round) {
            const ParamSet before = line.doc.values();
            ParamSet tx = randomParams(rng);
            tx.set(u"spinBox_46", rng.bounded(65536));  // VERSION: two bytes in its frame
            DrRates rates;
            for (int ch = 0; ch < 4; ++ch) {
                rates.up[std::size_t(ch)] = rng.bounded(101);
                rates.down[std::size_t(ch)] = rng.bounded(101);
            }
            // The pseudo-terminal answers at once: a short silence ends a round.
            line.read({encodeFrames(tx, rates)}, 2000, 2);
            const auto ch = std::size_t(before.value(drChannel));
            ParamSet expected = tx;
            expected.set(drChannel, int(ch));
            expected.set(drUp, rates.up[ch]);
            expected.set(drDown, rates.down[ch]);
            const QList<quint8> missing = line.doc.notes().missing;
            QVERIFY(!missing.isEmpty() || answer.complete());
            for (const quint8 type : frameTypes()) {
                if (missing.contains(type))
                    continue;
                ParamSet carried;
                for (const int i : FrameDecoder().feed(encodeFrame(type, tx, rates), carried)) {
                    const char *name = paramTable()[std::size_t(i)].name;
                    QVERIFY2(line.doc.values().value(i) == expected.value(i),
                             qPrintable(QStringLiteral("READ %1: %2").arg(round).arg(QLatin1String(name))));
                }
            }
            notRead += int(missing.size());
            if (!missing.isEmpty())
                continue;
            ++whole;
            QVERIFY(line.doc.unkept().isEmpty() && line.doc.changes().isEmpty());
            line.doc.undo();
            QCOMPARE(differences(line.doc.values(), before), QString());
            line.doc.redo();
        }
        QCOMPARE(line.doc.backups().list().size(), qMin<qsizetype>(100, backups + whole));
        // The third answer is what makes most of them whole: with two, about
        // one in fifty would be.
        QCOMPARE_GE(whole, 400);
        qInfo("1000 READs at 1%% of bytes lost, doubled or changed: %.1f%% whole, %d groups left not read",
              whole / 10.0, notRead);
    }

    // Each D/R channel shows the transmitter's rates for it; an edited rate
    // stays with its channel, counts as a change, and UPDATE writes it with
    // its channel.
    void drRatesFollowTheChannel()
    {
        Line line;
        DrRates rates;
        rates.up = {10, 20, 30, 40};
        rates.down = {15, 25, 35, 45};
        line.read({encodeFrames(ParamSet(), rates)});
        line.doc.edit(drChannel, 2);
        QCOMPARE(line.doc.values().value(drUp), 30);
        QCOMPARE(line.doc.values().value(drDown), 35);
        QVERIFY(line.doc.changes().isEmpty());
        line.doc.edit(drUp, 33);
        line.doc.edit(drChannel, 0);
        QCOMPARE(line.doc.values().value(drUp), 10);
        QVERIFY(line.doc.changes().isEmpty());
        line.doc.edit(drChannel, 2);
        QCOMPARE(line.doc.changes().size(), 1);
        QCOMPARE(line.doc.changes().first().index, drUp);
        const ParamSet written = line.update();
        QCOMPARE(written.value(drChannel), 2);
        QCOMPARE(written.value(drUp), 33);
        QCOMPARE(written.value(drDown), 35);
    }

    // An incomplete READ is said to be so until its groups come late, with
    // those the answers disagreed on named, and how many answers there were;
    // the late frames keep the edits made meanwhile. A value out of range
    // that every answer brings is refused.
    void notesWhileTrue_data()
    {
        QTest::addColumn<int>("answered");  // of the three requests
        QTest::newRow("all three") << 3;
        QTest::newRow("the third unanswered") << 2;
    }

    void notesWhileTrue()
    {
        QFETCH(int, answered);
        Line line;
        const ParamSet tx = opposite(ParamSet(), drChannel);
        const DrRates rates = sameRates(tx);
        QByteArrayList answers;
        for (int n = 0; n < ReadRounds::MaxRounds; ++n) {
            QByteArray answer;
            for (const quint8 type : frameTypes()) {
                QByteArray frame = encodeFrame(type, tx, rates);
                frame[0] = char(n);  // carries nothing: a transmitter may count its answers there
                if (type == 0x55)
                    frame[4] = char(0xFF);  // SUB-TRIM CH1 135
                if (type == 0x66)
                    frame[5] = char(n);  // END POINT L CH2, otherwise each time
                answer += frame;
            }
            answers << (n < answered ? answer : QByteArray());
        }
        const qsizetype backups = line.doc.backups().list().size();
        line.read(answers, 300);
        ParamDocument::Notes notes = line.doc.notes();
        QCOMPARE(notes.missing, (QList<quint8>{0x55, 0x66}));
        QCOMPARE(notes.disagreed, (QMap<quint8, int>{{0x66, answered}}));
        QCOMPARE(notes.refused, QStringList{"SUB-TRIM CH1: 135 is outside -100\u2026100"});
        QCOMPARE(line.doc.backups().list().size(), backups);  // none of a part

        line.doc.edit(paramIndex(u"spinBox_9"), 12);
        line.doc.edit(paramIndex(u"spinBox_17"), 50);
        line.wire.pty.write(encodeFrame(0x55, tx, rates) + encodeFrame(0x66, tx, rates));
        QTRY_VERIFY(line.doc.notes().missing.isEmpty() && line.doc.notes().disagreed.isEmpty());
        QCOMPARE(line.doc.changes().size(), 2);
        const ParamSet expected = applied(tx, {"spinBox_9=12", "spinBox_17=50", "comboBox_2=0", "spinBox_46=65535"});
        QCOMPARE(differences(line.doc.values(), expected), QString());
    }

    // Which values a close or a READ would lose: those no file and no
    // transmitter holds.
    void unkept_data()
    {
        QTest::addColumn<QString>("acts");
        QTest::addColumn<int>("lost");
        QTest::newRow("fresh") << "" << 0;
        QTest::newRow("edit") << "edit" << 1;
        QTest::newRow("load") << "load" << 0;
        QTest::newRow("load, edit") << "load edit" << 1;
        QTest::newRow("edit, save") << "edit save" << 0;
        QTest::newRow("edit, save, undo") << "edit save undo" << 1;
        QTest::newRow("restore") << "restore" << 2;
        QTest::newRow("restore, save") << "restore save" << 0;
    }
    void unkept()
    {
        QFETCH(QString, acts);
        QFETCH(int, lost);
        ParamDocument doc;
        const ParamSet file = applied(ParamSet(), {"spinBox_9=5", "spinBox_10=6"});
        for (const QString &act : acts.split(u' ', Qt::SkipEmptyParts)) {
            if (act == u"edit") {
                doc.edit(paramIndex(u"spinBox_11"), doc.values().value(u"spinBox_11") + 1);
                doc.commitEdits();
            } else if (act == u"load") {
                doc.load(QStringLiteral("LOAD"), file);
            } else if (act == u"restore") {
                doc.restore(QStringLiteral("Restore"), file);
            } else if (act == u"save") {
                doc.saved(doc.values());
            } else if (act == u"undo") {
                doc.undo();
            }
        }
        QCOMPARE(doc.unkept().size(), lost);
    }
};

QTEST_GUILESS_MAIN(tst_Document)
#include "tst_document.moc"
