// Which line settings the texts of the "SETTING" group ask for.
#include "portsettings.h"

#include <QTest>

namespace {
struct Texts {
    QString baud = QStringLiteral("115200");
    QString data = QStringLiteral("8");
    QString parity = QStringLiteral("None");
    QString stop = QStringLiteral("1");
    QString flow = QStringLiteral("OFF");
    bool dtr = false;
    bool rts = false;
};
}  // namespace
Q_DECLARE_METATYPE(Texts)
Q_DECLARE_METATYPE(PortSettings)

class tst_PortSettings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fromTexts_data();
    void fromTexts();
};

void tst_PortSettings::fromTexts_data()
{
    QTest::addColumn<Texts>("texts");
    QTest::addColumn<PortSettings>("expected");

    const PortSettings start{115200};  // the form's start values
    const auto row = [&](const char *name, auto change, auto expect) {
        Texts t;
        change(t);
        PortSettings s = start;
        expect(s);
        QTest::newRow(name) << t << s;
    };
    row(
        "start values", [](Texts &) {}, [](PortSettings &) {});
    for (int baud : {2400, 4800, 14400, 19200, 38400, 56000, 57600}) {
        const QByteArray name = "baud " + QByteArray::number(baud);
        row(
            name.constData(), [&](Texts &t) { t.baud = QString::number(baud); },
            [&](PortSettings &s) { s.baudRate = baud; });
    }
    row(
        "baud 9600 is the default", [](Texts &t) { t.baud = QStringLiteral("9600"); },
        [](PortSettings &s) { s.baudRate = 9600; });
    row(
        "baud off the list", [](Texts &t) { t.baud = QStringLiteral("230400"); },
        [](PortSettings &s) { s.baudRate = 9600; });
    row(
        "baud with a blank", [](Texts &t) { t.baud = QStringLiteral("115200 "); },
        [](PortSettings &s) { s.baudRate = 9600; });
    row(
        "7 data bits", [](Texts &t) { t.data = QStringLiteral("7"); },
        [](PortSettings &s) { s.dataBits = QSerialPort::Data7; });
    row(
        "6 data bits", [](Texts &t) { t.data = QStringLiteral("6"); },
        [](PortSettings &s) { s.dataBits = QSerialPort::Data6; });
    row(
        "5 data bits", [](Texts &t) { t.data = QStringLiteral("5"); },
        [](PortSettings &s) { s.dataBits = QSerialPort::Data5; });
    row(
        "9 data bits", [](Texts &t) { t.data = QStringLiteral("9"); }, [](PortSettings &) {});
    row(
        "odd parity", [](Texts &t) { t.parity = QStringLiteral("ODD"); },
        [](PortSettings &s) { s.parity = QSerialPort::OddParity; });
    row(
        "even parity", [](Texts &t) { t.parity = QStringLiteral("EVEN"); },
        [](PortSettings &s) { s.parity = QSerialPort::EvenParity; });
    row(
        "mark parity", [](Texts &t) { t.parity = QStringLiteral("MARK"); },
        [](PortSettings &s) { s.parity = QSerialPort::MarkParity; });
    row(
        "space parity", [](Texts &t) { t.parity = QStringLiteral("SPACE"); },
        [](PortSettings &s) { s.parity = QSerialPort::SpaceParity; });
    row(
        "parity compared by case", [](Texts &t) { t.parity = QStringLiteral("odd"); }, [](PortSettings &) {});
    row(
        "1.5 stop bits", [](Texts &t) { t.stop = QStringLiteral("1.5"); },
        [](PortSettings &s) { s.stopBits = QSerialPort::OneAndHalfStop; });
    row(
        "2 stop bits", [](Texts &t) { t.stop = QStringLiteral("2"); },
        [](PortSettings &s) { s.stopBits = QSerialPort::TwoStop; });
    row(
        "3 stop bits", [](Texts &t) { t.stop = QStringLiteral("3"); }, [](PortSettings &) {});
    row(
        "hardware flow", [](Texts &t) { t.flow = QStringLiteral("HARDWARE"); },
        [](PortSettings &s) { s.flowControl = QSerialPort::HardwareControl; });
    row(
        "xon/xoff flow", [](Texts &t) { t.flow = QStringLiteral("XONXOFF"); },
        [](PortSettings &s) { s.flowControl = QSerialPort::SoftwareControl; });
    row(
        "flow compared by case", [](Texts &t) { t.flow = QStringLiteral("xonxoff"); }, [](PortSettings &) {});
    row(
        "DTR and RTS", [](Texts &t) { t.dtr = t.rts = true; }, [](PortSettings &s) { s.dtr = s.rts = true; });
    row(
        "RTS alone", [](Texts &t) { t.rts = true; }, [](PortSettings &s) { s.rts = true; });
    row(
        "any other text",
        [](Texts &t) {
            t = {QString(), QStringLiteral("x"), QString(), QStringLiteral("x"), QStringLiteral("x")};
        },
        [](PortSettings &s) { s = PortSettings(); });
}

void tst_PortSettings::fromTexts()
{
    QFETCH(Texts, texts);
    QFETCH(PortSettings, expected);

    const PortSettings s
        = portSettingsFromTexts(texts.baud, texts.data, texts.parity, texts.stop, texts.flow, texts.dtr, texts.rts);
    QCOMPARE(s.baudRate, expected.baudRate);
    QCOMPARE(s.dataBits, expected.dataBits);
    QCOMPARE(s.parity, expected.parity);
    QCOMPARE(s.stopBits, expected.stopBits);
    QCOMPARE(s.flowControl, expected.flowControl);
    QCOMPARE(s.dtr, expected.dtr);
    QCOMPARE(s.rts, expected.rts);
}

QTEST_GUILESS_MAIN(tst_PortSettings)
#include "tst_portsettings.moc"
