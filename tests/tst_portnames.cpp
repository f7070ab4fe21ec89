// Which ports the list offers, and which Windows device a port text opens.
#include "portnames.h"

#include <QTest>

class tst_PortNames : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void listed_data();
    void listed();
    void windowsDevice_data();
    void windowsDevice();
};

void tst_PortNames::listed_data()
{
    QTest::addColumn<QStringList>("system");
    QTest::addColumn<bool>("windows");
    QTest::addColumn<QStringList>("expected");

    const QStringList mixed{"COM3", "LPT1", "com12", "Com4", "CNCA0"};
    QTest::newRow("windows keeps COM ports as named") << mixed << true << QStringList{"COM3", "com12", "Com4"};
    QTest::newRow("windows without COM ports") << QStringList{"LPT1"} << true << QStringList{};
    const QStringList posix{"ttyS0", "ttyUSB0", "ttyACM0", "rfcomm0"};
    QTest::newRow("posix keeps every port in order") << posix << false << posix;
    QTest::newRow("nothing found") << QStringList{} << false << QStringList{};
}

void tst_PortNames::listed()
{
    QFETCH(QStringList, system);
    QFETCH(bool, windows);
    QFETCH(QStringList, expected);
    QCOMPARE(j3k::listedPortNames(system, windows), expected);
}

void tst_PortNames::windowsDevice_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("opens");
    QTest::addColumn<QString>("device");

    QTest::newRow("COM3") << "COM3" << true << "COM3";
    QTest::newRow("leading zero stays") << "COM05" << true << "COM05";
    QTest::newRow("lower case") << "com7" << true << "COM7";
    QTest::newRow("COM9 no prefix") << "COM9" << true << "COM9";
    QTest::newRow("COM10 needs prefix") << "COM10" << true << "\\\\.\\COM10";
    QTest::newRow("COM256") << "COM256" << true << "\\\\.\\COM256";
    QTest::newRow("not a number") << "COMX" << false << QString();
    QTest::newRow("three characters") << "COM" << false << QString();
    QTest::newRow("empty") << "" << false << QString();
}

void tst_PortNames::windowsDevice()
{
    QFETCH(QString, text);
    QFETCH(bool, opens);
    QFETCH(QString, device);
    const std::optional<QString> name = j3k::windowsDeviceName(text);
    QCOMPARE(name.has_value(), opens);
    if (opens)
        QCOMPARE(*name, device);
}

QTEST_MAIN(tst_PortNames)
#include "tst_portnames.moc"
