// Which line settings the texts of the "SETTING" group ask for.
#include "portsettings.h"

#include <QMap>
#include <QTest>

class tst_PortSettings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fromTexts_data();
    void fromTexts();
};

void tst_PortSettings::fromTexts_data()
{
    // The form's start texts with one box changed, and what that box asks for.
    // A text matching no item, case and all, asks for the plain default.
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("setting");
    const auto row = [](const char *name, const char *box, const char *text, int setting) {
        QTest::newRow(name) << QString::fromLatin1(box) << QString::fromLatin1(text) << setting;
    };

    row("start values", "baud", "115200", 115200);
    for (int baud : {2400, 4800, 9600, 14400, 19200, 38400, 56000, 57600})
        QTest::addRow("baud %d", baud) << QStringLiteral("baud") << QString::number(baud) << baud;
    row("baud off the list", "baud", "230400", 9600);
    row("baud with a blank", "baud", "115200 ", 9600);
    row("baud empty", "baud", "", 9600);
    row("7 data bits", "data", "7", QSerialPort::Data7);
    row("6 data bits", "data", "6", QSerialPort::Data6);
    row("5 data bits", "data", "5", QSerialPort::Data5);
    row("9 data bits", "data", "9", QSerialPort::Data8);
    row("odd parity", "parity", "ODD", QSerialPort::OddParity);
    row("even parity", "parity", "EVEN", QSerialPort::EvenParity);
    row("mark parity", "parity", "MARK", QSerialPort::MarkParity);
    row("space parity", "parity", "SPACE", QSerialPort::SpaceParity);
    row("parity compared by case", "parity", "odd", QSerialPort::NoParity);
    row("1.5 stop bits", "stop", "1.5", QSerialPort::OneAndHalfStop);
    row("2 stop bits", "stop", "2", QSerialPort::TwoStop);
    row("3 stop bits", "stop", "3", QSerialPort::OneStop);
    row("hardware flow", "flow", "HARDWARE", QSerialPort::HardwareControl);
    row("xon/xoff flow", "flow", "XONXOFF", QSerialPort::SoftwareControl);
    row("flow compared by case", "flow", "xonxoff", QSerialPort::NoFlowControl);
    row("DTR", "dtr", "checked", 1);
    row("RTS", "rts", "checked", 1);
}

void tst_PortSettings::fromTexts()
{
    QFETCH(QString, box);
    QFETCH(QString, text);
    QFETCH(int, setting);

    const auto listed = [](const PortSettings &s) {
        return QStringList{"baud=" + QString::number(s.baudRate),    "data=" + QString::number(s.dataBits),
                           "parity=" + QString::number(s.parity),    "stop=" + QString::number(s.stopBits),
                           "flow=" + QString::number(s.flowControl), "dtr=" + QString::number(s.dtr),
                           "rts=" + QString::number(s.rts)};
    };
    QStringList expected = listed(PortSettings{115200});  // the form's start values
    for (QString &entry : expected) {
        if (entry.startsWith(box + u'='))
            entry = box + u'=' + QString::number(setting);
    }

    QMap<QString, QString> texts{{"baud", "115200"}, {"data", "8"}, {"parity", "None"}, {"stop", "1"}, {"flow", "OFF"}};
    texts[box] = text;
    const PortSettings s = portSettingsFromTexts(texts["baud"], texts["data"], texts["parity"], texts["stop"],
                                                 texts["flow"], box == "dtr", box == "rts");
    QCOMPARE(listed(s), expected);
}

QTEST_GUILESS_MAIN(tst_PortSettings)
#include "tst_portsettings.moc"
