#include "frames.h"
#include "testparams.h"

#include <QRandomGenerator>
#include <QTest>

#include <algorithm>
#include <numeric>

using namespace j3k;

namespace {

// The transmitter's frame for sub-trims 0, -100, 100, 0, 0, 0, 0, 0.
const QByteArray subTrims = frame(0x55, {0x78, 0x14, 0xDC, 0x78, 0x78, 0x78, 0x78, 0x78});
const QStringList subTrimSettings{"spinBox_9=0",  "spinBox_10=-100", "spinBox_11=100", "spinBox_12=0",
                                  "spinBox_13=0", "spinBox_14=0",    "spinBox_15=0",   "spinBox_16=0"};
const int drChannel = paramIndex(u"comboBox_2");

// The stream the damage tests start from: start values, whose bytes hold no
// accidental marker, and D/R rates whose CH1 pair is the set's.
ParamSet damageSource()
{
    ParamSet p;
    p.set(u"spinBox_80", 90);
    return p;
}
QByteArray cleanStream() { return encodeFrames(damageSource(), DrRates{{100, 80, 60, 40}, {90, 70, 50, 30}}); }

QList<int> feedInChunks(FrameDecoder &decoder, const QByteArray &stream, int chunk, ParamSet &params)
{
    QList<int> set;
    for (qsizetype at = 0; at < stream.size(); at += chunk)
        set += decoder.feed(stream.mid(at, chunk), params);
    return set;
}

}  // namespace

class TestFrames : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void decode_data()
    {
        QTest::addColumn<QByteArray>("stream");
        QTest::addColumn<int>("channel");
        QTest::addColumn<QStringList>("settings");  // "name=value", in the order set
        QTest::newRow("sub-trims") << subTrims << 0 << subTrimSettings;
        const QStringList reverse{"spinBox=1",   "spinBox_2=0", "spinBox_3=1", "spinBox_4=0",
                                  "spinBox_5=0", "spinBox_6=0", "spinBox_7=0", "spinBox_8=0"};
        QTest::newRow("REVERSE, byte 0 not examined") << frame(0x44, {1, 0, 1}, 0xFF) << 0 << reverse;
        QTest::newRow("REVERSE 2 clamps to 1") << frame(0x44, {2, 0, 1}) << 0 << reverse;
        QTest::newRow("alarm, mode, version high byte first")
            << frame(0x99, {0x55, 0x6F, 0x77, 3, 0x01, 0x2C, 0x66, 0x66}) << 0
            << QStringList{"doubleSpinBox=111", "spinBox_45=3", "spinBox_46=300"};
        const QByteArray rates = frame(0xA5, {10, 20, 30, 40, 50, 60, 70, 80});
        QTest::newRow("D/R rates of CH1") << rates << 0 << QStringList{"spinBox_79=10", "spinBox_80=50"};
        QTest::newRow("D/R rates of CH3") << rates << 2 << QStringList{"spinBox_79=30", "spinBox_80=70"};
        QTest::newRow("V-TAIL and D/R MIX") << frame(0xA3, {1, 0, 100, 200, 150, 1, 9, 9}) << 0
                                            << QStringList{"comboBox_6=1",   "spinBox_93=-100", "spinBox_94=0",
                                                           "spinBox_95=100", "spinBox_96=50",   "comboBox=1"};
        QTest::newRow("PROG.MIX values interleaved")
            << frame(0xA6, {0, 10, 20, 30, 40, 50, 7, 6}) << 0
            << QStringList{"spinBox_98=-100", "spinBox_101=-90", "spinBox_99=-80", "spinBox_102=-70",
                           "spinBox_97=-60",  "spinBox_100=-50", "comboBox_11=7",  "comboBox_9=6"};
        QTest::newRow("combo index off its list is refused")
            << frame(0xA7, {7, 8, 2, 3}) << 0 << QStringList{"comboBox_12=7", "comboBox_7=2"};
        QTest::newRow("length 0x0B dropped, next 12 bytes a frame")
            << frame(0x44, {1, 1, 1, 1}, 0, 0x0B) + subTrims << 0 << subTrimSettings;
        QTest::newRow("type 0x45 dropped, next 12 bytes a frame")
            << frame(0x45, {1, 1, 1, 1}) + subTrims << 0 << subTrimSettings;
        QTest::newRow("frame 12 bytes on beats a header inside the dropped one")
            << frame(0x44, {0x00, 0xFE, 0x0C, 0x44, 1, 1, 1, 1}, 0, 0x0B) + subTrims << 0 << subTrimSettings;
    }
    void decode()
    {
        QFETCH(QByteArray, stream);
        QFETCH(int, channel);
        QFETCH(QStringList, settings);
        ParamSet start;
        QVERIFY(start.set(drChannel, channel));
        ParamSet expected = start;
        QList<int> expectedSet;
        for (const QString &s : settings) {
            expectedSet.append(paramIndex(s.section(u'=', 0, 0)));
            expected.set(expectedSet.back(), s.section(u'=', 1).toInt());
        }
        // At once and byte by byte: where a chunk ends must never matter.
        for (const int chunk : {int(stream.size()), 1}) {
            ParamSet params = start;
            FrameDecoder decoder;
            QCOMPARE(feedInChunks(decoder, stream, chunk, params), expectedSet);
            QVERIFY(params == expected);
        }
    }

    void delivery_data()
    {
        QTest::addColumn<QList<int>>("chunks");
        QTest::addColumn<QList<int>>("pendingAfter");
        QTest::addColumn<int>("frames");
        QTest::newRow("5 then 7") << QList<int>{5, 7} << QList<int>{5, 0} << 1;
        QTest::newRow("30 at once") << QList<int>{30} << QList<int>{6} << 2;
        QTest::newRow("11, 2, 17") << QList<int>{11, 2, 17} << QList<int>{11, 1, 6} << 2;
    }
    void delivery()
    {
        QFETCH(QList<int>, chunks);
        QFETCH(QList<int>, pendingAfter);
        QFETCH(int, frames);
        const QByteArray stream = subTrims + frame(0x44, {1, 1}) + frame(0x66, {1, 2, 3});
        FrameDecoder decoder;
        ParamSet params;
        qsizetype at = 0;
        for (int i = 0; i < chunks.size(); ++i) {
            const ParamSet before = params;
            const QList<int> set = decoder.feed(stream.mid(at, chunks[i]), params);
            at += chunks[i];
            QCOMPARE(decoder.pending(), stream.mid(at - pendingAfter[i], pendingAfter[i]));
            QCOMPARE(decoder.pendingCount(), pendingAfter[i]);
            QCOMPARE(set.isEmpty(), params == before);
        }
        QCOMPARE(decoder.frameCount(), frames);
        ParamSet whole;
        FrameDecoder().feed(stream.first(FrameLength * frames), whole);
        QVERIFY(params == whole);
    }

    void frameCounter_data()
    {
        QTest::addColumn<QByteArray>("one");
        QTest::addColumn<int>("times");
        QTest::addColumn<int>("expected");
        QTest::newRow("499") << subTrims << 499 << 499;
        QTest::newRow("500") << subTrims << 500 << 500;
        QTest::newRow("501 stays at 500") << subTrims << 501 << 500;
        QTest::newRow("dropped frames count") << frame(0x45, {}) << 3 << 3;
        QTest::newRow("dropped frames saturate too") << frame(0x45, {}) << 600 << 500;
    }
    void frameCounter()
    {
        QFETCH(QByteArray, one);
        QFETCH(int, times);
        QFETCH(int, expected);
        FrameDecoder decoder;
        ParamSet params;
        decoder.feed(one.repeated(times), params);
        QCOMPARE(decoder.frameCount(), expected);
    }

    void roundTrip_data()
    {
        QTest::addColumn<int>("channel");
        for (int ch = 0; ch < 4; ++ch)
            QTest::addRow("D/R CH%d", ch + 1) << ch;
    }
    void roundTrip()
    {
        QFETCH(int, channel);
        QRandomGenerator rng(quint32(4242 + channel));
        ParamSet source;
        for (int i = 0; i < int(ParamCount); ++i) {  // the version has two bytes
            const ParamInfo &info = paramTable()[std::size_t(i)];
            source.set(i, rng.bounded(info.min, std::min(info.max, 0xFFFF) + 1));
        }
        source.set(drChannel, channel);
        DrRates rates;
        for (std::size_t ch = 0; ch < 4; ++ch) {
            rates.up[ch] = rng.bounded(101);
            rates.down[ch] = rng.bounded(101);
        }
        ParamSet expected = source;
        expected.set(u"spinBox_79", rates.up[std::size_t(channel)]);
        expected.set(u"spinBox_80", rates.down[std::size_t(channel)]);
        const QByteArray stream = encodeFrames(source, rates);

        ParamSet params = opposite(source, drChannel);
        FrameDecoder decoder;
        QList<int> set = decoder.feed(stream, params);
        QVERIFY(params == expected);
        QCOMPARE(decoder.frameCount(), 14);
        QCOMPARE(decoder.pendingCount(), 0);
        std::sort(set.begin(), set.end());
        QList<int> allButChannel(qsizetype(ParamCount), 0);
        std::iota(allButChannel.begin(), allButChannel.end(), 0);
        allButChannel.removeOne(drChannel);
        QCOMPARE(set, allButChannel);  // each parameter exactly once

        for (int round = 0; round < 20; ++round) {
            params = opposite(source, drChannel);
            FrameDecoder d;
            for (qsizetype at = 0; at < stream.size();) {
                const int n = rng.bounded(1, 26);
                d.feed(stream.mid(at, n), params);
                at += n;
            }
            QVERIFY(params == expected);
        }
    }

    // Damage to a stream of all fourteen frames: which frames still arrive
    // intact, which arrive with shifted data (nothing can tell those), and
    // which are lost.
    void resync_data()
    {
        QTest::addColumn<QByteArray>("stream");
        QTest::addColumn<QList<int>>("applied");  // frame numbers, in order
        QTest::addColumn<QList<int>>("garbled");
        QTest::addColumn<int>("frames");
        QTest::addColumn<int>("pending");
        const QByteArray clean = cleanStream();
        const auto inserted = [&clean](int at, const QByteArray &extra) { return QByteArray(clean).insert(at, extra); };
        const auto removed = [&clean](int at) { return QByteArray(clean).remove(at, 1); };
        QList<int> all(14);
        std::iota(all.begin(), all.end(), 0);
        QList<int> without4 = all, without5 = all;
        without4.removeOne(4);
        without5.removeOne(5);
        const QByteArray stray(1, 0x01);  // small enough for any combo to take
        QTest::newRow("stray byte before frame 4") << inserted(48, stray) << all << QList<int>{} << 15 << 0;
        QTest::newRow("stray byte in frame 4's marker") << inserted(49, stray) << all << QList<int>{} << 15 << 0;
        QTest::newRow("stray byte in frame 4's data") << inserted(55, stray) << all << QList<int>{4} << 15 << 0;
        QTest::newRow("stray byte in the last frame's data")
            << inserted(162, stray) << all << QList<int>{13} << 14 << 1;
        QTest::newRow("stray byte after the last frame") << inserted(168, stray) << all << QList<int>{} << 14 << 1;
        QTest::newRow("30 bytes of noise before frame 4")
            << inserted(48, QByteArray(30, char(0x5A))) << all << QList<int>{} << 17 << 0;
        QTest::newRow("lost first byte of frame 4") << removed(48) << without4 << QList<int>{} << 14 << 0;
        QTest::newRow("lost data byte of frame 4") << removed(55) << without5 << QList<int>{4} << 14 << 0;
        QTest::newRow("lost last byte") << removed(167) << all.first(13) << QList<int>{} << 13 << 11;
    }
    void resync()
    {
        QFETCH(QByteArray, stream);
        QFETCH(QList<int>, applied);
        QFETCH(QList<int>, garbled);
        QFETCH(int, frames);
        QFETCH(int, pending);
        const ParamSet source = damageSource();
        const ParamSet start = opposite(source, drChannel);
        const QByteArray clean = cleanStream();
        QList<int> expectedSet, intact;
        for (int k : applied) {
            ParamSet scratch = start;
            const QList<int> own = FrameDecoder().feed(clean.mid(k * FrameLength, FrameLength), scratch);
            expectedSet += own;
            if (!garbled.contains(k))
                intact += own;
        }
        for (const int chunk : {int(stream.size()), 1}) {
            ParamSet params = start;
            FrameDecoder decoder;
            QCOMPARE(feedInChunks(decoder, stream, chunk, params), expectedSet);
            for (int i : intact)
                QCOMPARE(params.value(i), source.value(i));
            QCOMPARE(decoder.frameCount(), frames);
            QCOMPARE(decoder.pendingCount(), pending);
        }
    }
};

QTEST_APPLESS_MAIN(TestFrames)
#include "tst_frames.moc"
