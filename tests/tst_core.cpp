// SPDX-License-Identifier: GPL-3.0-or-later
// The core without window or port: the S and G records, parameter files,
// the frames READ brings back, port names, and the virtual transmitter.
#include "frames.h"
#include "paramfile.h"
#include "paramjson.h"
#include "paramtext.h"
#include "portnames.h"
#include "records.h"
#include "testparams.h"
#include "virtualtransmitter.h"

#include <QRegularExpression>
#include <QTest>

using namespace j3k;

namespace {

const int drChannel = paramIndex(u"comboBox_2");

// `stream` handed to `take` in random pieces: where a read ends must never matter.
template<typename Take>
void inPieces(const QByteArray &stream, QRandomGenerator &rng, Take take)
{
    for (qsizetype at = 0; at < stream.size();) {
        const int n = rng.bounded(1, 26);
        take(stream.mid(at, n));
        at += n;
    }
}

// The start values' file with parameter `i`'s field holding `v` as it
// stands, unclamped; empty where the field has no room for it. The field is
// where the files of the parameter's minimum and maximum differ.
QString fileWith(int i, int v)
{
    const ParamInfo &p = paramTable()[std::size_t(i)];
    ParamSet atMin, atMax;
    atMin.set(i, p.min);
    atMax.set(i, p.max);
    const QString lo = QString::fromLatin1(paramFileBytes(atMin)), hi = QString::fromLatin1(paramFileBytes(atMax));
    qsizetype first = 0, last = lo.size() - 1;
    while (lo[first] == hi[first])
        ++first;
    while (lo[last] == hi[last])
        --last;
    const qsizetype width = last - first + 1;
    const int n = v + lo.mid(first, width).toInt(nullptr, 16) - p.min;
    if (n < 0 || n >= 1 << (4 * width))
        return {};
    return QString::fromLatin1(kStartFile).replace(first, width, QString::number(n, 16).rightJustified(width, u'0'));
}

// The start values' export with parameter `i` given as `v`; empty where no
// text names it (an item a list does not have).
QByteArray jsonWith(int i, int v)
{
    const bool combo = paramTable()[std::size_t(i)].kind == ParamKind::Combo;
    if (combo && paramItems(i).value(v).isEmpty())
        return {};
    const QRegularExpression line(QStringLiteral("(\"%1\": )[^,\n]*").arg(paramKey(i)));
    const QString value = combo ? u'"' + valueText(i, v) + u'"' : valueText(i, v);
    return QString::fromUtf8(paramsToJson(ParamSet())).replace(line, QStringLiteral("\\1") + value).toUtf8();
}

}  // namespace

class tst_Core : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Each row pins one field's position and encoding; nothing else moves
    // from the start values' records.
    void field_data()
    {
        QTest::addColumn<QString>("param");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("pos");  // negative: in the G record
        QTest::addColumn<QString>("text");
        QTest::newRow("SUB-TRIM CH1 -100") << "spinBox_9" << -100 << 9 << "14";
        QTest::newRow("SUB-TRIM CH3 100") << "spinBox_11" << 100 << 13 << "DC";
        QTest::newRow("ELEVON ELEV1 after ELEV2") << "spinBox_92" << 100 << -25 << "DC";
        QTest::newRow("V-TAIL ELEV2 -50") << "spinBox_94" << -50 << -30 << "42";
        QTest::newRow("PROG.MIX2 UP") << "spinBox_101" << 100 << -61 << "D8";
        QTest::newRow("TX-ALARM 11.15 is sent as 11.1") << "doubleSpinBox" << alarmTenths(11.15) << 77 << "7F";
        QTest::newRow("PROG.MIX1 SLA CH8") << "comboBox_12" << 7 << -73 << "7";
    }
    void field()
    {
        QFETCH(QString, param);
        QFETCH(int, value);
        QFETCH(int, pos);
        QFETCH(QString, text);
        ParamSet params;
        QVERIFY(params.set(param, value));
        const RecordId id = pos > 0 ? RecordId::S : RecordId::G;
        QCOMPARE(buildRecord(id, params),
                 QString(pos > 0 ? kStartS : kStartG).replace(std::abs(pos), text.size(), text));
    }

    // What LOAD accepts as a parameter file: anything else is refused whole.
    void paramFile_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("accepted");
        const QString &s = kStartS, &g = kStartG;
        QTest::newRow("CR LF between, text after") << s + "\r\n" + g + "\r\njunk" << true;
        QTest::newRow("one character short") << s + g.first(80) << false;
        QTest::newRow("two line breaks between") << s + "\n\n" + g << false;
        QTest::newRow("records swapped") << g + s << false;
        QTest::newRow("not hex in S") << QString(s).replace(40, 1, "x") + g << false;
        QTest::newRow("sign in a G field") << s + QString(g).replace(59, 2, "-1") << false;
    }
    void paramFile()
    {
        QFETCH(QString, text);
        QFETCH(bool, accepted);
        QCOMPARE(splitParamFile(text).has_value(), accepted);
    }

    // Every parameter a file carries, at each end of its range and one
    // beyond, from a parameter file and from an export: what fits loads as
    // it stands, what does not refuses the whole text and is named.
    void rangeCheck_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("file");     // empty where the field has no room for the value
        QTest::addColumn<QByteArray>("json");  // empty where no text names it
        for (int i = 0; i < int(ParamCount); ++i) {
            const ParamInfo &p = paramTable()[std::size_t(i)];
            for (const int v : {p.min - 1, p.min, p.max, p.max + 1}) {
                const QString file = fileParams().test(std::size_t(i)) ? fileWith(i, v) : QString();
                const QByteArray json = fileParams().test(std::size_t(i)) ? jsonWith(i, v) : QByteArray();
                if (!(file.isEmpty() && json.isEmpty()))
                    QTest::addRow("%s %d", p.label, v) << i << v << file << json;
            }
        }
    }
    void rangeCheck()
    {
        QFETCH(int, index);
        QFETCH(int, value);
        QFETCH(QString, file);
        QFETCH(QByteArray, json);
        QList<FileParams> reads;
        if (!file.isEmpty())
            reads << paramsFromFileText(file);
        if (const JsonParams read = paramsFromJson(json); !json.isEmpty())
            reads << FileParams{read.params, read.error.isEmpty(), read.faults};
        const ParamInfo &p = paramTable()[std::size_t(index)];
        const bool fits = value >= p.min && value <= p.max;
        const ParamSet expected = fits ? applied({}, {QStringLiteral("%1=%2").arg(p.name).arg(value)}) : ParamSet();
        // A D/R rate is that of the start values' channel, CH1.
        const QString label = paramLabel(index) + (QString(p.label).startsWith(u"D/R RATE") ? " CH1" : "");
        for (const FileParams &read : reads) {
            QVERIFY(read.isParamFile);
            QCOMPARE(differences(read.params, expected), QString());
            QCOMPARE(read.faults.size(), fits ? 0 : 1);
            if (!fits) {
                QCOMPARE(std::pair(read.faults[0].index, read.faults[0].value), std::pair(index, value));
                QVERIFY(read.faults[0].message.startsWith(label + QStringLiteral(": ")));
            }
        }
        // As typed after set or quoted in an export: leading zeros and a
        // sign, whatever number it is.
        if (p.kind != ParamKind::Combo)
            QCOMPARE(parseValueText(index, (value < 0 ? "-00" : "+00") + valueText(index, std::abs(value))), value);
    }

    // Frames as the transmitter sends them, written out by hand.
    void frames_data()
    {
        QTest::addColumn<QByteArray>("stream");
        QTest::addColumn<int>("channel");
        QTest::addColumn<QStringList>("settings");
        QTest::addColumn<QString>("refused");  // the whole frame, for these values
        QTest::newRow("SUB-TRIM") << QByteArray::fromHex("00 FE 0C 55 78 14 DC 78 78 78 78 78") << 0
                                  << QStringList{"spinBox_10=-100", "spinBox_11=100"} << "";
        QTest::newRow("D/R rates of CH3") << QByteArray::fromHex("00 FE 0C A5 0A 14 1E 28 32 3C 46 50") << 2
                                          << QStringList{"spinBox_79=30", "spinBox_80=70"} << "";
        QTest::newRow("ELEVON") << QByteArray::fromHex("00 FE 0C A2 01 14 DC DC DC DC 14 00") << 0
                                << QStringList{"comboBox_5=1", "spinBox_87=-100", "spinBox_88=100"} << "";
        QTest::newRow("END POINT L") << QByteArray::fromHex("00 FE 0C 66 00 78 60 60 60 60 60 60") << 0
                                     << QStringList{"spinBox_17=0", "spinBox_18=120"} << "";
        QTest::newRow("PROG.MIX values interleaved")
            << QByteArray::fromHex("00 FE 0C A6 00 0A 14 1E 28 32 07 06") << 0
            << QStringList{"spinBox_98=-100", "spinBox_101=-90", "spinBox_99=-80", "spinBox_102=-70",
                           "spinBox_97=-60",  "spinBox_100=-50", "comboBox_11=7",  "comboBox_9=6"}
            << "";
        QTest::newRow("SUB-TRIM 135, then a good frame")
            << QByteArray::fromHex("00 FE 0C 55 FF 14 DC 78 78 78 78 78 00 FE 0C 66 00 78 60 60 60 60 60 60") << 0
            << QStringList{"spinBox_17=0", "spinBox_18=120"} << "SUB-TRIM CH1: 135 is outside -100\u2026100";
        QTest::newRow("a rate of a channel not shown")
            << QByteArray::fromHex("00 FE 0C A5 0A 14 1E 65 32 3C 46 50") << 0 << QStringList()
            << "D/R RATE-UP CH4: 101 is outside 0\u2026100";
        QTest::newRow("an item ELEVON MIX lacks")
            << QByteArray::fromHex("00 FE 0C A2 02 78 78 78 78 78 78 00") << 0 << QStringList()
            << "ELEVON MIX: item 2 is outside 0\u20261 (OFF, OPEN)";
    }
    void frames()
    {
        QFETCH(QByteArray, stream);
        QFETCH(int, channel);
        QFETCH(QStringList, settings);
        QFETCH(QString, refused);
        ParamSet params;
        params.set(drChannel, channel);
        const ParamSet expected = applied(params, settings);
        FrameDecoder decoder;
        decoder.feed(stream, params);
        QCOMPARE(differences(params, expected), QString());
        QCOMPARE(faultMessages(decoder.lastRefused()).join(u'\n'), refused);
        QCOMPARE(decoder.typesSeen(), int(stream.size() / FrameLength) - int(!refused.isEmpty()));
    }

    // UPDATE's records, then READ, to the virtual transmitter and back, in
    // random pieces each way; every other answer loses a byte or gets a stray
    // one. The frame the damage is in, and the next, may be lost; every other
    // frame brings back what was written: the D/R rates of the channel the G
    // record named, the other channels' as they were.
    void throughTheVirtualTransmitter()
    {
        QRandomGenerator rng(4242);
        VirtualTransmitter tx;
        std::array<std::pair<int, int>, 4> rates;
        rates.fill({100, 100});
        for (int round = 0; round < 400; ++round) {
            const ParamSet sent = randomParams(rng);
            QByteArray clean;
            // Now and then a line end or stray letters first, which must swallow nothing.
            const QByteArray junk = round % 3 ? QByteArray() : QByteArray("\r\nSRRG");
            inPieces(junk + "OK" + paramFileBytes(sent) + "RRR", rng,
                     [&](const QByteArray &piece) { clean += tx.feed(piece).bytes; });
            rates[std::size_t(sent.value(drChannel))] = {sent.value(u"spinBox_79"), sent.value(u"spinBox_80")};
            const int ch = rng.bounded(4);  // the channel the editor shows
            const auto [up, down] = rates[std::size_t(ch)];
            const ParamSet expected
                = applied(sent, {"spinBox_46=300", QStringLiteral("comboBox_2=%1").arg(ch),
                                 QStringLiteral("spinBox_79=%1").arg(up), QStringLiteral("spinBox_80=%1").arg(down)});
            QByteArray answer = clean;
            const int at = rng.bounded(int(clean.size()));
            if (round % 4 == 1)
                answer.remove(at, 1);
            else if (round % 4 == 3)
                answer.insert(at, char(0x01));
            ParamSet shown = opposite(expected, drChannel);
            FrameDecoder decoder;
            inPieces(answer, rng, [&](const QByteArray &piece) { decoder.feed(piece, shown); });
            for (int k = 0; k < FrameTypeCount; ++k) {
                if (round % 2 && (k == at / FrameLength || k == at / FrameLength + 1))
                    continue;
                ParamSet own;
                for (int i : FrameDecoder().feed(clean.mid(k * FrameLength, FrameLength), own))
                    QVERIFY2(shown.value(i) == expected.value(i), qPrintable(differences(shown, expected)));
            }
        }
    }

    // Windows lists only COM ports, and opens those above 9 by device path;
    // an adapter plugged in is the port to choose.
    void portNames()
    {
        QCOMPARE(listedPortNames({"COM3", "LPT1", "com12", "CNCA0"}, true), (QStringList{"COM3", "com12"}));
        QCOMPARE(listedPortNames({"ttyS0", "rfcomm0"}, false), (QStringList{"ttyS0", "rfcomm0"}));
        QCOMPARE(windowsDeviceName(QStringLiteral("com9")).value_or(QString()), QStringLiteral("COM9"));
        QCOMPARE(windowsDeviceName(QStringLiteral("COM10")).value_or(QString()), QStringLiteral("\\\\.\\COM10"));
        QVERIFY(!windowsDeviceName(QStringLiteral("COMX")));
        QCOMPARE(pluggedInPort({"ttyS0"}, {"ttyS0", "ttyUSB0"}), QStringLiteral("ttyUSB0"));
        QCOMPARE(pluggedInPort({"ttyUSB0"}, {"ttyACM0"}), QStringLiteral("ttyACM0"));
    }
};

QTEST_APPLESS_MAIN(tst_Core)
#include "tst_core.moc"
