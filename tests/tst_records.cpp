#include "records.h"
#include "testparams.h"

#include <QTest>

using namespace j3k;

class TestRecords : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void startValues()
    {
        QCOMPARE(buildRecord(RecordId::S, ParamSet()), kStartS);
        QCOMPARE(buildRecord(RecordId::G, ParamSet()), kStartG);
    }

    void fieldText_data()
    {
        QTest::addColumn<QString>("param");
        QTest::addColumn<int>("value");
        QTest::addColumn<bool>("inS");
        QTest::addColumn<int>("pos");
        QTest::addColumn<QString>("text");
        QTest::newRow("sub-trim -100") << "spinBox_9" << -100 << true << 9 << "14";
        QTest::newRow("sub-trim 100, upper case") << "spinBox_16" << 100 << true << 23 << "DC";
        QTest::newRow("V-TAIL -100") << "spinBox_93" << -100 << false << 28 << "10";
        QTest::newRow("V-TAIL -50") << "spinBox_94" << -50 << false << 30 << "42";
        QTest::newRow("PROG.MIX2 UP after PROG.MIX1 UP") << "spinBox_101" << 100 << false << 61 << "D8";
        QTest::newRow("ELEV1 after ELEV2") << "spinBox_92" << 100 << false << 25 << "DC";
        QTest::newRow("end point 120") << "spinBox_32" << 120 << true << 55 << "88";
        QTest::newRow("fail-safe 0") << "spinBox_33" << 0 << true << 57 << "10";
        QTest::newRow("D/R rate down 0") << "spinBox_80" << 0 << false << 57 << "10";
        QTest::newRow("TX-ALARM 11.15 truncates") << "doubleSpinBox" << alarmTenths(11.15) << true << 77 << "7F";
        QTest::newRow("TX-ALARM 0.0") << "doubleSpinBox" << alarmTenths(0.0) << true << 77 << "10";
        QTest::newRow("TX-ALARM 23.9") << "doubleSpinBox" << alarmTenths(23.9) << true << 77 << "FF";
        QTest::newRow("TX-ALARM 199.99 stays two characters")
            << "doubleSpinBox" << alarmTenths(199.99) << true << 77 << "FF";
        QTest::newRow("PROG.MIX1 SLA CH8") << "comboBox_12" << 7 << false << 73 << "7";
    }
    void fieldText()
    {
        QFETCH(QString, param);
        QFETCH(int, value);
        QFETCH(bool, inS);
        QFETCH(int, pos);
        QFETCH(QString, text);
        const RecordId id = inS ? RecordId::S : RecordId::G;
        ParamSet params;
        QVERIFY(params.set(param, value));
        const QString record = buildRecord(id, params);
        QCOMPARE(record, with(inS ? kStartS : kStartG, pos, text));  // nothing else moves

        ParamSet back;
        back.set(param, value == 0 ? 1 : 0);
        applyRecord(id, record, back);
        QCOMPARE(back.value(param), value);
    }

    void roundTrip_data()
    {
        QTest::addColumn<bool>("lowerCase");
        QTest::newRow("as built") << false;
        QTest::newRow("hex letters lower case") << true;
    }
    void roundTrip()
    {
        QFETCH(bool, lowerCase);
        QRandomGenerator rng(lowerCase ? 7 : 11);
        for (int round = 0; round < 300; ++round) {
            const ParamSet source = randomParams(rng);
            const QString s = buildRecord(RecordId::S, source), g = buildRecord(RecordId::G, source);
            QVERIFY(isWellFormedRecord(RecordId::S, s) && isWellFormedRecord(RecordId::G, g));
            QCOMPARE(s.first(1) + s.last(1) + g.first(1) + g.mid(36, 1) + g.last(4), QStringLiteral("SYG66D2Z"));

            ParamSet target = randomParams(rng);
            ParamSet expected = source;
            expected.set(u"spinBox_46", target.value(u"spinBox_46"));  // in neither record
            applyRecord(RecordId::S, lowerCase ? s.toLower() : s, target);
            applyRecord(RecordId::G, lowerCase ? g.toLower() : g, target);
            QCOMPARE(differences(target, expected), QString());
        }
    }

    void damagedText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("inS");
        QTest::addColumn<QString>("param");
        QTest::addColumn<int>("expected");
        QTest::newRow("empty: REVERSE 0") << QString() << true << "spinBox_3" << 0;
        QTest::newRow("empty: STK-MODE at its minimum") << QString() << true << "spinBox_45" << 1;
        QTest::newRow("empty: SUB-TRIM -100") << QString() << true << "spinBox_9" << -100;
        QTest::newRow("empty: combo index 0") << QString() << false << "comboBox_9" << 0;
        QTest::newRow("S template: TX-ALARM 9.3") << kTemplateS << true << "doubleSpinBox" << 93;
        QTest::newRow("cut before STK-MODE") << kStartS.left(78) << true << "spinBox_45" << 1;
        QTest::newRow("not hex in a hex field") << with(kStartS, 9, "ZZ") << true << "spinBox_9" << -100;
        QTest::newRow("hex letter in a digit field clamps") << with(kStartS, 1, "A") << true << "spinBox" << 1;
        QTest::newRow("combo index off its list is refused") << with(kStartG, 72, "9") << false << "comboBox_9" << 1;
    }
    void damagedText()
    {
        QFETCH(QString, text);
        QFETCH(bool, inS);
        QFETCH(QString, param);
        QFETCH(int, expected);
        ParamSet params;
        applyRecord(inS ? RecordId::S : RecordId::G, text, params);
        QCOMPARE(params.value(param), expected);
    }

    void setListsWhatItSet()
    {
        // The editor writes exactly these widgets back, so a refused combo
        // index must not be listed.
        ParamSet params;
        QCOMPARE(applyRecord(RecordId::S, kStartS, params).size(), 46);
        QCOMPARE(applyRecord(RecordId::G, kStartG, params).size(), 43);
        const QList<int> set = applyRecord(RecordId::G, with(kStartG, 72, "9"), params);
        QCOMPARE(set.size(), 42);
        QVERIFY(!set.contains(paramIndex(u"comboBox_9")));
    }

    void wellFormed_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("inS");
        QTest::addColumn<bool>("expected");
        QTest::newRow("S") << kStartS << true << true;
        QTest::newRow("G, lower-case hex") << with(kStartG, 15, "dc") << false << true;
        QTest::newRow("S record asked for as G") << kStartS << false << false;
        QTest::newRow("G without its closing Z") << with(kStartG, 80, "Y") << false << false;
        QTest::newRow("one character short") << kStartS.left(80) << true << false;
        QTest::newRow("one character long") << kStartS + u'Y' << true << false;
        QTest::newRow("not hex in a hex field") << with(kStartS, 10, "G") << true << false;
        QTest::newRow("sign in a hex field") << with(kStartG, 59, "-1") << false << false;
        QTest::newRow("blank in a digit field") << with(kStartG, 76, " ") << false << false;
    }
    void wellFormed()
    {
        QFETCH(QString, text);
        QFETCH(bool, inS);
        QFETCH(bool, expected);
        QCOMPARE(isWellFormedRecord(inS ? RecordId::S : RecordId::G, text), expected);
    }
};

QTEST_APPLESS_MAIN(TestRecords)
#include "tst_records.moc"
