#include "comm.h"

#include <QRandomGenerator>
#include <QTest>

class TestComm : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void dump_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("dump");
        QTest::newRow("nothing") << QByteArray() << QString();
        QTest::newRow("00 and FF") << QByteArray::fromHex("00ff") << QStringLiteral("00 FF ");
        QTest::newRow("letters upper case") << QByteArray::fromHex("5aa501") << QStringLiteral("5A A5 01 ");
    }
    void dump()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, dump);
        QCOMPARE(BgComm::ByteArrayToHexString(bytes), dump);
    }

    void parse_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray tidy = QByteArray::fromHex("5aa501");
        QTest::newRow("tidy") << "5A A5 01" << true << tidy;
        QTest::newRow("lower case") << "5a a5 01" << true << tidy;
        QTest::newRow("blanks around") << "  5A A5 01 \t" << true << tidy;
        QTest::newRow("tabs and runs of spaces") << "5A\t\tA5   01" << true << tidy;
        QTest::newRow("single digit") << "A" << true << QByteArray::fromHex("0a");
        QTest::newRow("leading zeros") << "0005A" << true << QByteArray::fromHex("5a");
        QTest::newRow("0x prefix") << "0x5A" << true << QByteArray::fromHex("5a");
        QTest::newRow("minus keeps low bits") << "-1" << true << QByteArray::fromHex("ff");
        QTest::newRow("empty") << "" << false << QByteArray();
        QTest::newRow("all blank") << " \t\n " << false << QByteArray();
        QTest::newRow("256") << "100" << false << QByteArray();
        QTest::newRow("two bytes run together") << "5AA5" << false << QByteArray();
        QTest::newRow("not hex") << "5G" << false << QByteArray();
        QTest::newRow("bad token after good ones") << "5A A5 ZZ" << false << QByteArray();
    }
    void parse()
    {
        QFETCH(QString, text);
        QFETCH(bool, ok);
        QFETCH(QByteArray, bytes);
        bool reported = !ok;
        QCOMPARE(BgComm::HexStringToByteArray(text, &reported), bytes);
        QCOMPARE(reported, ok);
    }

    void dumpParsesBack()
    {
        QRandomGenerator rng(20240611);
        for (int round = 0; round < 200; ++round) {
            QByteArray bytes(rng.bounded(1, 64), '\0');
            for (char &b : bytes)
                b = char(rng.bounded(256));
            bool ok = false;
            QCOMPARE(BgComm::HexStringToByteArray(BgComm::ByteArrayToHexString(bytes), &ok), bytes);
            QVERIFY(ok);
        }
    }
};

QTEST_APPLESS_MAIN(TestComm)
#include "tst_comm.moc"
