// The virtual transmitter as the editor meets it: what it answers and logs,
// and what it keeps from an UPDATE, with the stream cut anywhere.
#include "frames.h"
#include "paramfile.h"
#include "testparams.h"
#include "virtualtransmitter.h"

#include <QTest>

using namespace j3k;

class tst_VirtualTx : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // What txsim prints: messages split over reads, unknown bytes skipped
    // without swallowing the message after them, half a READ not answered.
    void log()
    {
        VirtualTransmitter tx;
        QStringList seen;
        for (const char *chunk : {"O", "K\r\n", "SRRGRRR", "DI", "SRR"})
            seen += tx.feed(chunk).log;
        QCOMPARE(seen, (QStringList{"OK: linked", "skipped 2 unknown byte(s): 0D 0A",
                                    "skipped 4 unknown byte(s): 53 52 52 47", "RRR: answered with 14 frames, 168 bytes",
                                    "DIS: unlinked"}));
    }

    // Whatever UPDATE wrote, in whatever pieces, a READ gives back: the D/R
    // rates of the channel the G record named, the other channels' as they were.
    void updateIsReadBack()
    {
        QRandomGenerator rng(77);
        VirtualTransmitter tx;
        std::array<std::pair<int, int>, 4> rates;
        rates.fill({100, 100});
        for (int round = 0; round < 50; ++round) {
            const ParamSet sent = randomParams(rng);
            const QByteArray stream = "OK" + paramFileBytes(sent) + "RRR";
            QByteArray answer;
            for (qsizetype at = 0; at < stream.size();) {
                const int n = rng.bounded(1, 100);
                answer += tx.feed(stream.mid(at, n)).bytes;
                at += n;
            }
            rates[std::size_t(sent.value(u"comboBox_2"))] = {sent.value(u"spinBox_79"), sent.value(u"spinBox_80")};
            const int ch = rng.bounded(4);  // the channel the editor shows
            const auto [up, down] = rates[std::size_t(ch)];
            ParamSet shown;
            shown.set(u"comboBox_2", ch);
            FrameDecoder().feed(answer, shown);
            const QStringList own{"spinBox_46=300", QStringLiteral("comboBox_2=%1").arg(ch),
                                  QStringLiteral("spinBox_79=%1").arg(up), QStringLiteral("spinBox_80=%1").arg(down)};
            QCOMPARE(differences(shown, applied(sent, own)), QString());
        }
    }
};

QTEST_GUILESS_MAIN(tst_VirtualTx)
#include "tst_virtualtx.moc"
