// The editor on a serial line, with the test at the transmitter's end of a
// pseudo-terminal: the exact bytes that go out, what incoming frames do to
// the window, and how the window copes with ports that fail or vanish.
#include "mainwindow.h"
#include "modalscript.h"
#include "parambinding.h"
#include "testparams.h"
#include "windowtest.h"
#ifdef J3K_HAVE_PTY
#include "ptywire.h"
#endif

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSerialPort>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <optional>

using namespace j3k;

namespace {

// "open" or "closed" when everything but the status line agrees on it: the
// settings locked while open, the button offering the other, and a port
// object only while open. Anything else is described.
QString linkState(const MainWindow &w)
{
    int enabled = 0;
    for (const char *name : {"comboBoxBaudRate", "comboBoxComm", "comboBoxFlowCtrl", "comboBoxDataBit",
                             "comboBoxStopBit", "comboBoxParity", "checkBoxDTR", "checkBoxRTS"})
        enabled += child(w, name)->isEnabled() ? 1 : 0;
    const QString offered = button(w, "pushButtonOpen")->text();
    const qsizetype ports = w.findChildren<QSerialPort *>().size();
    if (enabled == 0 && offered == QLatin1String("OFF") && ports == 1)
        return QStringLiteral("open");
    if (enabled == 8 && offered == QLatin1String("OPEN") && ports == 0)
        return QStringLiteral("closed");
    return QStringLiteral("%1 settings enabled, %2 offered, %3 ports").arg(enabled).arg(offered).arg(ports);
}

#ifdef J3K_HAVE_PTY
// Opens the window's port on `wire` and waits for its OK.
bool openOn(MainWindow &w, PtyWire &wire)
{
    if (!wire.pty.isOpen())
        return false;
    choosePort(w, wire.pty.slavePath());
    const qsizetype before = wire.received.size();
    button(w, "pushButtonOpen")->click();
    return QTest::qWaitFor([&] { return wire.received.size() >= before + 2; });
}
#endif

}  // namespace

class tst_SerialLink : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { freshSettings(); }
#ifdef J3K_HAVE_PTY
    void open_data();
    void open();
    void closedWindowSendsNothing_data();
    void closedWindowSendsNothing();
    void framesSetWidgets_data();
    void framesSetWidgets();
    void updateSendsBothRecords();
    void closeAndReopen();
    void closingWindowSendsNoNotice();
    void unplugWhileOpen();
    void portListSurvivesPolling();
#else
    void pseudoTerminals() { QSKIP("no pseudo-terminals here to stand in for a transmitter"); }
#endif
    void openFailures_data();
    void openFailures();
};

#ifdef J3K_HAVE_PTY
// A pseudo-terminal keeps 8 data bits without parity whatever it is asked
// for, and has no DTR: the port opens all the same, with what it can do.
void tst_SerialLink::open_data()
{
    QTest::addColumn<QStringList>("texts");  // baud, data bits, stop bits, parity, flow
    QTest::addColumn<bool>("dtr");
    QTest::addColumn<bool>("typed");  // the path typed in rather than chosen
    QTest::addColumn<int>("baud");
    QTest::addColumn<QSerialPort::StopBits>("stopBits");
    QTest::addColumn<QSerialPort::FlowControl>("flow");

    const QStringList start{"115200", "8", "1", "None", "OFF"};
    QTest::newRow("start values") << start << false << false << 115200 << QSerialPort::OneStop
                                  << QSerialPort::NoFlowControl;
    QTest::newRow("typed path") << start << false << true << 115200 << QSerialPort::OneStop
                                << QSerialPort::NoFlowControl;
    QTest::newRow("every box changed") << QStringList{"57600", "7", "2", "EVEN", "HARDWARE"} << true << false << 57600
                                       << QSerialPort::TwoStop << QSerialPort::HardwareControl;
    QTest::newRow("plain-number baud") << QStringList{"14400", "5", "1", "MARK", "XONXOFF"} << true << false << 14400
                                       << QSerialPort::OneStop << QSerialPort::SoftwareControl;
}

void tst_SerialLink::open()
{
    QFETCH(QStringList, texts);
    QFETCH(bool, dtr);
    QFETCH(bool, typed);
    QFETCH(int, baud);
    QFETCH(QSerialPort::StopBits, stopBits);
    QFETCH(QSerialPort::FlowControl, flow);

    MainWindow w;
    const char *boxes[]
        = {"comboBoxBaudRate", "comboBoxDataBit", "comboBoxStopBit", "comboBoxParity", "comboBoxFlowCtrl"};
    for (int i = 0; i < 5; ++i) {
        child<QComboBox>(w, boxes[i])->setCurrentText(texts[i]);
        QCOMPARE(child<QComboBox>(w, boxes[i])->currentText(), texts[i]);
    }
    child<QCheckBox>(w, "checkBoxDTR")->setChecked(dtr);
    QCOMPARE(linkState(w), QStringLiteral("closed"));

    PtyWire wire;
    QVERIFY2(wire.pty.isOpen(), qPrintable(wire.pty.errorString()));
    const QString path = wire.pty.slavePath();
    if (typed) {
        auto *ports = child<QComboBox>(w, "comboBoxComm");
        const int count = ports->count();
        ports->lineEdit()->clear();
        QTest::keyClicks(ports->lineEdit(), path);
        QTest::keyClick(ports->lineEdit(), Qt::Key_Return);
        QCOMPARE(ports->count(), count);  // typing adds no entry
        button(w, "pushButtonOpen")->click();
    } else {
        QVERIFY(openOn(w, wire));
    }
    QTRY_COMPARE(wire.received, QByteArray("\x4F\x4B"));
    QCOMPARE(statusLine(w), openLine(path, 0, 0, texts.first(3).join(u' ')));
    QCOMPARE(linkState(w), QStringLiteral("open"));
    auto *port = w.findChild<QSerialPort *>();
    QCOMPARE(port->baudRate(), baud);
    QCOMPARE(port->stopBits(), stopBits);
    QCOMPARE(port->flowControl(), flow);
}

void tst_SerialLink::closedWindowSendsNothing_data()
{
    QTest::addColumn<QByteArray>("command");
    QTest::newRow("READ") << QByteArray("pushButtonRead");
    QTest::newRow("UPDATE") << QByteArray("pushButtonSend2");
}

void tst_SerialLink::closedWindowSendsNothing()
{
    QFETCH(QByteArray, command);

    MainWindow w;
    PtyWire wire;
    QVERIFY(openOn(w, wire));
    button(w, "pushButtonOpen")->click();
    QTRY_COMPARE(wire.received, QByteArray("OKDIS"));
    const QString line = statusLine(w);

    button(w, command.constData())->click();
    QCOMPARE(statusLine(w), line);
    // Whatever the closed window might have sent would arrive before the next OK.
    QVERIFY(openOn(w, wire));
    QTRY_COMPARE(wire.received, QByteArray("OKDISOK"));
    QCOMPARE(statusLine(w), openLine(wire.pty.slavePath(), 0, 0));
}

void tst_SerialLink::framesSetWidgets_data()
{
    QTest::addColumn<QByteArrayList>("blocks");
    QTest::addColumn<QStringList>("settings");  // name=value; the alarm in tenths

    const QByteArray subTrims = frame(0x55, {0x78, 0x14, 0xDC, 0x78, 0x78, 0x78, 0x78, 0x78});
    const QStringList subTrimSettings{"spinBox_9=0", "spinBox_10=-100", "spinBox_11=100", "spinBox_16=0"};
    const QByteArray reverse = frame(0x44, {1, 0, 1, 0, 0, 0, 0, 0}, 0xFF);
    const QStringList reverseSettings{"spinBox=1", "spinBox_2=0", "spinBox_3=1", "spinBox_4=0"};
    const QByteArray alarm = frame(0x99, {0x55, 0x6F, 0x77, 3, 0x01, 0x2C});
    const QStringList alarmSettings{"doubleSpinBox=111", "spinBox_45=3", "spinBox_46=300"};

    QTest::newRow("one frame") << QByteArrayList{subTrims} << subTrimSettings;
    QTest::newRow("split 5 + 7") << QByteArrayList{subTrims.left(5), subTrims.mid(5)} << subTrimSettings;
    QTest::newRow("30 bytes, then the rest") << QByteArrayList{reverse + alarm + subTrims.left(6), subTrims.mid(6)}
                                             << reverseSettings + alarmSettings + subTrimSettings;
    QTest::newRow("byte by byte") << QByteArrayList{reverse.left(1), reverse.mid(1, 1), reverse.mid(2, 10)}
                                  << reverseSettings;
    QTest::newRow("stray byte resynchronises") << QByteArrayList{QByteArray(1, '\x00') + reverse + alarm, subTrims}
                                               << reverseSettings + alarmSettings + subTrimSettings;
}

void tst_SerialLink::framesSetWidgets()
{
    QFETCH(QByteArrayList, blocks);
    QFETCH(QStringList, settings);

    MainWindow w;
    PtyWire wire;
    QVERIFY(openOn(w, wire));
    int received = 0;
    for (const QByteArray &block : blocks) {
        // One block at a time, so the count has to grow by each block.
        QVERIFY(wire.pty.write(block));
        received += int(block.size());
        QTRY_COMPARE(statusLine(w), openLine(wire.pty.slavePath(), 0, received));
    }
    // Exactly what the frames carry has changed.
    ParamSet expected;
    for (const QString &setting : settings)
        expected.set(setting.section(u'=', 0, 0), setting.section(u'=', 1).toInt());
    QCOMPARE(differences(ParamBinding(&w).read(), expected), QString());
}

void tst_SerialLink::updateSendsBothRecords()
{
    MainWindow w;
    PtyWire wire;
    QVERIFY(openOn(w, wire));
    const QString port = wire.pty.slavePath();
    const char *commands[] = {"pushButtonRead", "pushButtonSend2", "pushButtonOpen"};

    // Looked at halfway through the pause between the records, which keeps
    // the window live.
    std::optional<QString> lineBetween;
    QList<bool> enabledBetween;
    QTimer::singleShot(250, &w, [&] {
        lineBetween = statusLine(w);
        for (const char *name : commands)
            enabledBetween << button(w, name)->isEnabled();
        for (const char *name : commands)  // clicks meanwhile go nowhere
            button(w, name)->click();
    });
    button(w, "pushButtonSend2")->click();

    QTRY_COMPARE(wire.received, "OK" + kStartFile);
    QVERIFY(lineBetween);
    QCOMPARE(*lineBetween, openLine(port, 81, 0));
    QCOMPARE(enabledBetween, (QList<bool>{false, false, false}));
    QCOMPARE(statusLine(w), openLine(port, 162, 0));
    for (const char *name : commands)
        QVERIFY(button(w, name)->isEnabled());

    const qint64 gap = wire.arrival(2 + 81) - wire.arrival(2 + 80);
    QVERIFY2(gap >= 500'000'000, qPrintable(QStringLiteral("%1 ns between the records").arg(gap)));
}

// READ, half a frame, close and open again: the counts carry over to the
// next connection, the half frame does not.
void tst_SerialLink::closeAndReopen()
{
    MainWindow w;
    PtyWire wire;
    QVERIFY(openOn(w, wire));
    const QString port = wire.pty.slavePath();
    button(w, "pushButtonRead")->click();
    QTRY_COMPARE(wire.received, QByteArray("OK\x52\x52\x52"));
    QCOMPARE(statusLine(w), openLine(port, 3, 0));
    QVERIFY(wire.pty.write(frame(0x44, {1, 1, 1, 1, 1, 1, 1, 1}).left(5)));
    QTRY_COMPARE(statusLine(w), openLine(port, 3, 5));

    button(w, "pushButtonOpen")->click();
    QTRY_COMPARE(wire.received, QByteArray("OKRRR\x44\x49\x53"));
    QCOMPARE(statusLine(w), closedLine(3, 5));
    QCOMPARE(linkState(w), QStringLiteral("closed"));

    button(w, "pushButtonOpen")->click();
    QTRY_COMPARE(wire.received, QByteArray("OKRRRDISOK"));
    QCOMPARE(statusLine(w), openLine(port, 3, 5));
    QCOMPARE(linkState(w), QStringLiteral("open"));

    // Were the five bytes kept, they would make a REVERSE frame of this one.
    QVERIFY(wire.pty.write(frame(0x55, {0x82, 0x78, 0x78, 0x78, 0x78, 0x78, 0x78, 0x78})));
    QTRY_COMPARE(statusLine(w), openLine(port, 3, 17));
    ParamSet expected;
    expected.set(u"spinBox_9", 10);
    QCOMPARE(differences(ParamBinding(&w).read(), expected), QString());
}

void tst_SerialLink::closingWindowSendsNoNotice()
{
    PtyWire wire;
    {
        MainWindow w;
        QVERIFY(openOn(w, wire));
    }
    // The window let go of the port, and said nothing on the way: the next
    // bytes on the line are another program's.
    QSerialPort next(wire.pty.slavePath());
    QVERIFY2(next.open(QIODevice::ReadWrite), qPrintable(next.errorString()));
    next.write("X");
    QVERIFY(next.flush());
    QTRY_COMPARE(wire.received, QByteArray("OKX"));
}

void tst_SerialLink::unplugWhileOpen()
{
    MainWindow w;
    MessageSeen seen;
    QString lineAtBox;  // the port is closed before the box tells of it
    ModalScript script;
    script.then("QMessageBox", [&](QWidget *box) {
        lineAtBox = statusLine(w);
        press(QMessageBox::Ok, &seen)(box);
    });
    {
        PtyWire wire;
        QVERIFY(openOn(w, wire));
        button(w, "pushButtonRead")->click();
        QTRY_COMPARE(wire.received, QByteArray("OKRRR"));
        wire.pty.closeMaster();
        QTRY_VERIFY(script.done());
    }
    QCOMPARE(seen.title, QStringLiteral("错误"));
    QCOMPARE(seen.text, QStringLiteral("串口连接已断开"));
    QCOMPARE(seen.icon, QMessageBox::Critical);
    QCOMPARE(lineAtBox, closedLine(3, 0));
    QCOMPARE(statusLine(w), closedLine(3, 0));
    QCOMPARE(linkState(w), QStringLiteral("closed"));

    // The next port opens as usual, and the lost one raised no second box.
    PtyWire second;
    QVERIFY(openOn(w, second));
    QTRY_COMPARE(second.received, QByteArray("OK"));
    QCOMPARE(statusLine(w), openLine(second.pty.slavePath(), 3, 0));
    QCOMPARE(script.unexpected(), QStringList());
}

void tst_SerialLink::portListSurvivesPolling()
{
    MainWindow w;
    auto *ports = child<QComboBox>(w, "comboBoxComm");
    QCOMPARE(ports->itemText(ports->count() - 1), QStringLiteral("VIRTUAL-TX"));
    auto *poll = child<QTimer>(w, "portPollTimer");
    QVERIFY(poll && poll->isActive());
    PtyWire wire;
    choosePort(w, wire.pty.slavePath());
    const int count = ports->count();

    QSignalSpy ticks(poll, &QTimer::timeout);
    QVERIFY(ticks.wait(3000));
    QCOMPARE(ports->count(), count);
    QCOMPARE(ports->currentText(), wire.pty.slavePath());

    // No polling while a port is open; it picks up again on closing.
    button(w, "pushButtonOpen")->click();
    QTRY_COMPARE(wire.received, QByteArray("OK"));
    QVERIFY(!poll->isActive());
    button(w, "pushButtonOpen")->click();
    QVERIFY(poll->isActive());
    QCOMPARE(ports->currentText(), wire.pty.slavePath());
}
#endif

void tst_SerialLink::openFailures_data()
{
    QTest::addColumn<QString>("port");  // null: an empty port list
    QTest::addColumn<QString>("title");
    QTest::addColumn<bool>("withReason");

    QTest::newRow("missing device") << QStringLiteral("/dev/j3k-no-such-port") << "ERROR" << true;
    QTest::newRow("missing port name") << QStringLiteral("ttyJ3KNONE") << "ERROR" << true;
    QTest::newRow("empty port list") << QString() << "error" << false;
}

void tst_SerialLink::openFailures()
{
    QFETCH(QString, port);
    QFETCH(QString, title);
    QFETCH(bool, withReason);
#ifdef Q_OS_WIN
    QSKIP("these port texts follow POSIX naming");
#endif

    MainWindow w;
    if (port.isNull())
        child<QComboBox>(w, "comboBoxComm")->clear();
    else
        choosePort(w, port);
    MessageSeen seen;
    ModalScript script;
    script.then("QMessageBox", press(QMessageBox::Ok, &seen));
    button(w, "pushButtonOpen")->click();

    QVERIFY(script.done());
    QCOMPARE(seen.title, title);
    QCOMPARE(seen.text, QStringLiteral("Can not open!"));
    QCOMPARE(seen.icon, QMessageBox::Critical);
    QCOMPARE(seen.parent, &w);
    QCOMPARE(!seen.details.isEmpty(), withReason);
    QCOMPARE(linkState(w), QStringLiteral("closed"));
    QCOMPARE(statusLine(w), closedLine());
}

QTEST_MAIN(tst_SerialLink)
#include "tst_seriallink.moc"
