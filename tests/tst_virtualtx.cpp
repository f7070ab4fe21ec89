// The virtual transmitter as the editor meets it: what it answers, what it
// keeps from an UPDATE, and how it copes with a stream cut anywhere.
#include "frames.h"
#include "paramfile.h"
#include "testparams.h"
#include "virtualtransmitter.h"

#include <QTest>

using namespace j3k;

namespace {

// What the editor shows after a READ answer, with its D/R channel at `channel`.
ParamSet readBack(const QByteArray &answer, int channel)
{
    ParamSet shown;
    shown.set(u"comboBox_2", channel);
    FrameDecoder().feed(answer, shown);
    return shown;
}

}  // namespace

class tst_VirtualTx : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void messages_data()
    {
        QTest::addColumn<QByteArrayList>("chunks");
        QTest::addColumn<QStringList>("log");
        const QString ok = QStringLiteral("OK: linked");
        const QString rrr = QStringLiteral("RRR: answered with 14 frames, 168 bytes");
        QTest::newRow("link in two chunks, unlink")
            << QByteArrayList{"O", "KD", "IS"} << QStringList{ok, "DIS: unlinked"};
        QTest::newRow("line ends skipped, read cut short")
            << QByteArrayList{"OK\r\n", "RRR", "RR"} << QStringList{ok, "skipped 2 unknown byte(s): 0D 0A", rrr};
        QTest::newRow("stray letters swallow nothing")
            << QByteArrayList{"SRRGRRR"} << QStringList{"skipped 4 unknown byte(s): 53 52 52 47", rrr};
    }
    void messages()
    {
        QFETCH(QByteArrayList, chunks);
        QFETCH(QStringList, log);
        VirtualTransmitter tx;
        QStringList seen;
        for (const QByteArray &chunk : chunks)
            seen += tx.feed(chunk).log;
        QCOMPARE(seen, log);
    }

    // Whatever UPDATE wrote, in whatever pieces, a READ gives back.
    void updateIsReadBack()
    {
        QRandomGenerator rng(77);
        for (int round = 0; round < 50; ++round) {
            const ParamSet sent = randomParams(rng);
            const QByteArray stream = "OK" + paramFileBytes(sent) + "RRR";
            VirtualTransmitter tx;
            QByteArray answer;
            for (qsizetype at = 0; at < stream.size();) {
                const int n = rng.bounded(1, 100);
                answer += tx.feed(stream.mid(at, n)).bytes;
                at += n;
            }
            const ParamSet expected = applied(sent, {"spinBox_46=300"});  // its own version
            QCOMPARE(differences(readBack(answer, sent.value(u"comboBox_2")), expected), QString());
        }
    }

    // A G record carries the rates of one D/R channel; the others stay.
    void drRatesPerChannel()
    {
        VirtualTransmitter tx;
        tx.feed(buildRecord(RecordId::G, applied(ParamSet(), {"comboBox_2=2", "spinBox_79=42", "spinBox_80=22"}))
                    .toLatin1());
        const QByteArray answer = tx.feed("RRR").bytes;
        for (int ch = 0; ch < 4; ++ch) {
            const ParamSet shown = readBack(answer, ch);
            QCOMPARE(shown.value(u"spinBox_79"), ch == 2 ? 42 : 100);
            QCOMPARE(shown.value(u"spinBox_80"), ch == 2 ? 22 : 100);
        }
    }
};

QTEST_GUILESS_MAIN(tst_VirtualTx)
#include "tst_virtualtx.moc"
