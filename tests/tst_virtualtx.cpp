// The virtual transmitter as the editor meets it: what it answers, what it
// keeps from an UPDATE, and how it copes with a stream cut anywhere.
#include "frames.h"
#include "records.h"
#include "testparams.h"
#include "virtualtransmitter.h"

#include <QTest>

using namespace j3k;

namespace {

QByteArray record(RecordId id, const ParamSet &p) { return buildRecord(id, p).toLatin1(); }

// What the editor shows after a READ answer, with its D/R channel at `channel`.
ParamSet readBack(const QByteArray &answer, int channel)
{
    ParamSet shown;
    shown.set(u"comboBox_2", channel);
    FrameDecoder decoder;
    decoder.feed(answer, shown);
    return shown;
}

VirtualTransmitter::Reply feedAll(VirtualTransmitter &tx, const QByteArrayList &chunks)
{
    VirtualTransmitter::Reply all;
    for (const QByteArray &chunk : chunks) {
        const VirtualTransmitter::Reply r = tx.feed(chunk);
        all.bytes += r.bytes;
        all.log += r.log;
    }
    return all;
}

QByteArrayList split(const QByteArray &stream, int size)
{
    QByteArrayList out;
    for (qsizetype at = 0; at < stream.size(); at += size)
        out << stream.mid(at, size);
    return out;
}

}  // namespace

class tst_VirtualTx : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void messages_data();
    void messages();
    void readAnswerHoldsEveryFrame();
    void updateIsReadBack_data();
    void updateIsReadBack();
    void drRatesPerChannel_data();
    void drRatesPerChannel();
    void recordLog_data();
    void recordLog();
};

void tst_VirtualTx::messages_data()
{
    QTest::addColumn<QByteArrayList>("chunks");
    QTest::addColumn<bool>("linked");
    QTest::addColumn<int>("answers");  // whole READ answers sent back
    QTest::addColumn<QStringList>("log");

    const QString ok = QStringLiteral("OK: linked");
    const QString dis = QStringLiteral("DIS: unlinked");
    const QString rrr = QStringLiteral("RRR: answered with 14 frames, 168 bytes");

    QTest::newRow("link") << QByteArrayList{"OK"} << true << 0 << QStringList{ok};
    QTest::newRow("link in two chunks") << QByteArrayList{"O", "K"} << true << 0 << QStringList{ok};
    QTest::newRow("unlink") << QByteArrayList{"OK", "DIS"} << false << 0 << QStringList{ok, dis};
    QTest::newRow("relink in one chunk") << QByteArrayList{"OKDISOK"} << true << 0 << QStringList{ok, dis, ok};
    QTest::newRow("read") << QByteArrayList{"RRR"} << false << 1 << QStringList{rrr};
    QTest::newRow("read byte by byte") << QByteArrayList{"R", "R", "R"} << false << 1 << QStringList{rrr};
    QTest::newRow("two reads in one chunk") << QByteArrayList{"RRRRRR"} << false << 2 << QStringList{rrr, rrr};
    QTest::newRow("read cut short waits") << QByteArrayList{"OK", "RR"} << true << 0 << QStringList{ok};
    QTest::newRow("line ends skipped") << QByteArrayList{"OK\r\n", "RRR\n"} << true << 1
                                       << QStringList{ok, "skipped 2 unknown byte(s): 0D 0A", rrr,
                                                      "skipped 1 unknown byte(s): 0A"};
    QTest::newRow("stray letters swallow nothing")
        << QByteArrayList{"SRRGOK"} << true << 0 << QStringList{"skipped 4 unknown byte(s): 53 52 52 47", ok};
    QTest::newRow("broken word") << QByteArrayList{"DI", "X", "RRR"} << false << 1
                                 << QStringList{"skipped 3 unknown byte(s): 44 49 58", rrr};
    const QByteArray cut = kStartS.left(80).toLatin1();
    QTest::newRow("record without its last letter")
        << QByteArrayList{cut, "RRR"} << false << 1
        << QStringList{QStringLiteral("skipped 80 unknown byte(s): ") + QString::fromLatin1(cut.toHex(' ').toUpper()),
                       rrr};
    ParamSet elevonMix;
    elevonMix.set(u"comboBox_5", 1);
    QByteArray nonHex = record(RecordId::G, elevonMix);
    nonHex[20] = 'x';
    QTest::newRow("record with a non-hex field") << QByteArrayList{nonHex} << false << 0
                                                 << QStringList{QStringLiteral("skipped 81 unknown byte(s): ")
                                                                + QString::fromLatin1(nonHex.toHex(' ').toUpper())};
}

void tst_VirtualTx::messages()
{
    QFETCH(QByteArrayList, chunks);
    QFETCH(bool, linked);
    QFETCH(int, answers);
    QFETCH(QStringList, log);

    VirtualTransmitter tx;
    const VirtualTransmitter::Reply reply = feedAll(tx, chunks);
    QCOMPARE(reply.log, log);
    QCOMPARE(tx.isLinked(), linked);
    QCOMPARE(reply.bytes.size(), answers * 14 * FrameLength);
    // None of these is an update.
    QCOMPARE(tx.params(), VirtualTransmitter().params());
}

void tst_VirtualTx::readAnswerHoldsEveryFrame()
{
    VirtualTransmitter tx;
    const QByteArray answer = tx.feed("RRR").bytes;
    QCOMPARE(answer.size(), 14 * FrameLength);
    QSet<quint8> types;
    for (qsizetype at = 0; at < answer.size(); at += FrameLength) {
        QCOMPARE(quint8(answer[at]), quint8(0x00));
        QCOMPARE(quint8(answer[at + 1]), quint8(0xFE));
        QCOMPARE(quint8(answer[at + 2]), quint8(0x0C));
        types.insert(quint8(answer[at + 3]));
    }
    QCOMPARE(types.size(), 14);

    // A fresh transmitter reads back as the editor's start values, with its
    // own version and the full D/R rates.
    ParamSet expected;
    expected.set(u"spinBox_46", 300);
    QCOMPARE(differences(readBack(answer, 0), expected), QString());
}

void tst_VirtualTx::updateIsReadBack_data()
{
    QTest::addColumn<int>("chunk");
    for (int size : {1, 7, 12, 80, 81, 82, 162, 500})
        QTest::addRow("chunks of %d", size) << size;
}

void tst_VirtualTx::updateIsReadBack()
{
    QFETCH(int, chunk);

    // Every parameter a record carries, moved off its start value.
    const ParamSet sent = opposite(ParamSet(), paramIndex(u"comboBox_2"));

    VirtualTransmitter tx;
    const QByteArray update = "OK" + record(RecordId::S, sent) + record(RecordId::G, sent) + "RRR";
    const VirtualTransmitter::Reply reply = feedAll(tx, split(update, chunk));
    QCOMPARE(reply.log.size(), 4);
    QVERIFY(tx.isLinked());

    ParamSet expected = sent;
    expected.set(u"spinBox_46", 300);  // no record carries the version
    QCOMPARE(differences(tx.params(), expected), QString());
    QCOMPARE(differences(readBack(reply.bytes, 0), expected), QString());
}

void tst_VirtualTx::drRatesPerChannel_data()
{
    QTest::addColumn<int>("channel");
    for (int ch = 0; ch < 4; ++ch)
        QTest::addRow("CH%d", ch + 1) << ch;
}

void tst_VirtualTx::drRatesPerChannel()
{
    QFETCH(int, channel);

    ParamSet sent;
    sent.set(u"comboBox_2", channel);
    sent.set(u"spinBox_79", 40 + channel);
    sent.set(u"spinBox_80", 20 + channel);
    VirtualTransmitter tx;
    tx.feed(record(RecordId::G, sent));

    const QByteArray answer = tx.feed("RRR").bytes;
    for (int ch = 0; ch < 4; ++ch) {
        const ParamSet shown = readBack(answer, ch);
        const bool written = ch == channel;
        QCOMPARE(tx.rates().up[std::size_t(ch)], written ? 40 + channel : 100);
        QCOMPARE(tx.rates().down[std::size_t(ch)], written ? 20 + channel : 100);
        QCOMPARE(shown.value(u"spinBox_79"), written ? 40 + channel : 100);
        QCOMPARE(shown.value(u"spinBox_80"), written ? 20 + channel : 100);
    }
}

void tst_VirtualTx::recordLog_data()
{
    QTest::addColumn<QByteArray>("message");
    QTest::addColumn<QString>("line");

    ParamSet s;
    s.set(u"spinBox_9", 10);
    s.set(u"doubleSpinBox", 95);
    QTest::newRow("S record") << record(RecordId::S, s) << "S record: SUB-TRIM CH1 0 -> 10, TX-ALARM (V) 11.1 -> 9.5";
    ParamSet g;
    g.set(u"comboBox_2", 2);
    g.set(u"spinBox_79", 64);
    g.set(u"comboBox_5", 1);
    QTest::newRow("G record") << record(
        RecordId::G, g) << "G record: D/R CH CH1 -> CH3, ELEVON MIX OFF -> OPEN, D/R CH3 up 100 -> 64, down 100 -> 100";
    QTest::newRow("unchanged") << kStartS.toLatin1() << "S record: no change";
    QTest::newRow("lower-case hex") << lowerHex(kStartG).toLatin1() << "G record: no change";
}

void tst_VirtualTx::recordLog()
{
    QFETCH(QByteArray, message);
    QFETCH(QString, line);

    VirtualTransmitter tx;
    const VirtualTransmitter::Reply reply = tx.feed(message);
    QCOMPARE(reply.log, QStringList{line});
    QVERIFY(reply.bytes.isEmpty());
}

QTEST_GUILESS_MAIN(tst_VirtualTx)
#include "tst_virtualtx.moc"
