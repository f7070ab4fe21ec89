// The editor on a serial line, with the test at the transmitter's end of a
// pseudo-terminal: the exact bytes that go out, what incoming frames do to
// the window, and how the window copes with ports that fail or vanish.
#include "delay.h"
#include "mainwindow.h"
#include "modalscript.h"
#include "parambinding.h"
#include "records.h"
#ifdef J3K_HAVE_PTY
#include "ptywire.h"
#endif

#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSerialPort>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <optional>

using namespace j3k;

namespace {

const char *const kSettings[] = {"comboBoxBaudRate", "comboBoxComm",   "comboBoxDataBit", "comboBoxStopBit",
                                 "comboBoxFlowCtrl", "comboBoxParity", "checkBoxDTR",     "checkBoxRTS"};

template<typename T = QWidget>
T *child(const MainWindow &w, const char *name)
{
    T *found = w.findChild<T *>(QLatin1String(name));
    Q_ASSERT_X(found, "child", name);
    return found;
}

QPushButton *button(const MainWindow &w, const char *name) { return child<QPushButton>(w, name); }
QString statusLine(const MainWindow &w) { return child<QLabel>(w, "fstLabel")->text(); }

QString openLine(const QString &port, int sent, int received)
{
    return QStringLiteral("%1已打开 115200 8 1 | 发送：%2B | 接收：%3B").arg(port).arg(sent).arg(received);
}

QString closedLine(int sent, int received)
{
    return QStringLiteral("串口未打开 | 发送：%1B | 接收：%2B").arg(sent).arg(received);
}

void choosePort(MainWindow &w, const QString &port)
{
    auto *box = child<QComboBox>(w, "comboBoxComm");
    box->addItem(port);
    box->setCurrentIndex(box->count() - 1);
}

bool settingsEnabled(const MainWindow &w, bool enabled)
{
    for (const char *name : kSettings) {
        if (child(w, name)->isEnabled() != enabled)
            return false;
    }
    return true;
}

QByteArray frame(quint8 type, const QList<int> &data, quint8 first = 0x00)
{
    QByteArray f(12, '\0');
    f[0] = char(first);
    f[1] = char(0xFE);
    f[2] = char(0x0C);
    f[3] = char(type);
    for (int k = 0; k < data.size(); ++k)
        f[4 + k] = char(data[k]);
    return f;
}

const QByteArray kStartRecords = "S00100000787878787878787870707070707070707070707070707070424210424242424213027F2Y"
                                 "G01E2D3C4855680DCDCDCDCDC140A642A6A6674747474747474740074747474747474740135006D2Z";

}  // namespace

class tst_SerialLink : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();

    void openSendsOkAndLocksSettings();
    void typedPathOpens();
    void openAppliesSettings_data();
    void openAppliesSettings();
    void commands_data();
    void commands();
    void framesSetWidgets_data();
    void framesSetWidgets();
    void reopenForgetsHalfFrame();
    void updateSendsBothRecords();
    void closeSendsDisAndKeepsCounts();
    void closingWindowSendsNoNotice();
    void openFailures_data();
    void openFailures();
    void unplugWhileOpen();
    void portListSurvivesPolling();
    void hexSend_data();
    void hexSend();
    void delayKeepsWindowLive();

private:
#ifdef J3K_HAVE_PTY
    // A window with its port open on `wire`.
    bool openOn(MainWindow &w, PtyWire &wire);
#endif
};

void tst_SerialLink::init()
{
#ifndef J3K_HAVE_PTY
    const QByteArrayList withoutPty{"openFailures", "hexSend", "delayKeepsWindowLive"};
    if (!withoutPty.contains(QTest::currentTestFunction()))
        QSKIP("no pseudo-terminals here to stand in for a transmitter");
#endif
}

#ifdef J3K_HAVE_PTY
bool tst_SerialLink::openOn(MainWindow &w, PtyWire &wire)
{
    if (!wire.pty.isOpen())
        return false;
    choosePort(w, wire.pty.slavePath());
    const qsizetype before = wire.received.size();
    button(w, "pushButtonOpen")->click();
    return QTest::qWaitFor([&] { return wire.received.size() >= before + 2; });
}
#endif

void tst_SerialLink::openSendsOkAndLocksSettings()
{
#ifdef J3K_HAVE_PTY
    MainWindow w;
    PtyWire wire;
    QVERIFY2(wire.pty.isOpen(), qPrintable(wire.pty.errorString()));
    QVERIFY(settingsEnabled(w, true));
    QVERIFY(openOn(w, wire));
    QCOMPARE(wire.received, QByteArray("\x4F\x4B"));
    QCOMPARE(statusLine(w), openLine(wire.pty.slavePath(), 0, 0));
    QVERIFY(settingsEnabled(w, false));
    QCOMPARE(button(w, "pushButtonOpen")->text(), QStringLiteral("OFF"));
    QCOMPARE(w.findChildren<QSerialPort *>().size(), 1);
#endif
}

void tst_SerialLink::typedPathOpens()
{
#ifdef J3K_HAVE_PTY
    MainWindow w;
    PtyWire wire;
    auto *ports = child<QComboBox>(w, "comboBoxComm");
    QVERIFY(ports->lineEdit());
    const int count = ports->count();
    ports->lineEdit()->clear();
    QTest::keyClicks(ports->lineEdit(), wire.pty.slavePath());
    QTest::keyClick(ports->lineEdit(), Qt::Key_Return);
    QCOMPARE(ports->count(), count);  // typing adds no entry
    button(w, "pushButtonOpen")->click();
    QTRY_COMPARE(wire.received, QByteArray("OK"));
    QCOMPARE(statusLine(w), openLine(wire.pty.slavePath(), 0, 0));
#endif
}

// A pseudo-terminal keeps 8 data bits without parity whatever it is asked
// for, and has no DTR: the port opens all the same, with what it can do.
void tst_SerialLink::openAppliesSettings_data()
{
    QTest::addColumn<QStringList>("texts");  // baud, data bits, stop bits, parity, flow
    QTest::addColumn<int>("baud");
    QTest::addColumn<QSerialPort::StopBits>("stopBits");
    QTest::addColumn<QSerialPort::FlowControl>("flow");

    QTest::newRow("start values") << QStringList{"115200", "8", "1", "None", "OFF"} << 115200 << QSerialPort::OneStop
                                  << QSerialPort::NoFlowControl;
    QTest::newRow("every box changed") << QStringList{"57600", "7", "2", "EVEN", "HARDWARE"} << 57600
                                       << QSerialPort::TwoStop << QSerialPort::HardwareControl;
    QTest::newRow("plain-number baud") << QStringList{"14400", "5", "1", "MARK", "XONXOFF"} << 14400
                                       << QSerialPort::OneStop << QSerialPort::SoftwareControl;
}

void tst_SerialLink::openAppliesSettings()
{
#ifdef J3K_HAVE_PTY
    QFETCH(QStringList, texts);
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
    child<QCheckBox>(w, "checkBoxDTR")->setChecked(true);
    PtyWire wire;
    QVERIFY(openOn(w, wire));
    QCOMPARE(wire.received, QByteArray("OK"));
    QCOMPARE(statusLine(w), QStringLiteral("%1已打开 %2 %3 %4 | 发送：0B | 接收：0B")
                                .arg(wire.pty.slavePath(), texts[0], texts[1], texts[2]));
    auto *port = w.findChild<QSerialPort *>();
    QVERIFY(port);
    QCOMPARE(port->baudRate(), baud);
    QCOMPARE(port->stopBits(), stopBits);
    QCOMPARE(port->flowControl(), flow);
#endif
}

void tst_SerialLink::commands_data()
{
    QTest::addColumn<QByteArray>("command");
    QTest::addColumn<bool>("open");
    QTest::addColumn<QByteArray>("sent");

    QTest::newRow("READ") << QByteArray("pushButtonRead") << true << QByteArray("\x52\x52\x52");
    QTest::newRow("READ while closed") << QByteArray("pushButtonRead") << false << QByteArray();
    QTest::newRow("UPDATE while closed") << QByteArray("pushButtonSend2") << false << QByteArray();
}

void tst_SerialLink::commands()
{
#ifdef J3K_HAVE_PTY
    QFETCH(QByteArray, command);
    QFETCH(bool, open);
    QFETCH(QByteArray, sent);

    MainWindow w;
    PtyWire wire;
    QVERIFY(openOn(w, wire));
    if (!open) {
        button(w, "pushButtonOpen")->click();
        QTRY_COMPARE(wire.received, QByteArray("OKDIS"));
    }
    const QByteArray before = wire.received;
    const QString line = statusLine(w);

    button(w, command.constData())->click();
    if (open) {
        QTRY_COMPARE(wire.received, before + sent);
        QCOMPARE(statusLine(w), openLine(wire.pty.slavePath(), int(sent.size()), 0));
    } else {
        QCOMPARE(statusLine(w), line);
        // Whatever a closed window might have sent would arrive before the
        // next OK.
        QVERIFY(openOn(w, wire));
        QTRY_COMPARE(wire.received, before + "OK");
        QCOMPARE(statusLine(w), openLine(wire.pty.slavePath(), 0, 0));
    }
#endif
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
#ifdef J3K_HAVE_PTY
    QFETCH(QByteArrayList, blocks);
    QFETCH(QStringList, settings);

    MainWindow w;
    PtyWire wire;
    QVERIFY(openOn(w, wire));
    const QString port = wire.pty.slavePath();
    int received = 0;
    for (const QByteArray &block : blocks) {
        // One block at a time, so the count has to grow by each block.
        QVERIFY(wire.pty.write(block));
        received += int(block.size());
        QTRY_COMPARE(statusLine(w), openLine(port, 0, received));
    }
    // Exactly what the frames carry has changed.
    ParamSet expected;
    for (const QString &setting : settings) {
        const QStringList nameValue = setting.split(QLatin1Char('='));
        expected.set(nameValue[0], nameValue[1].toInt());
    }
    const ParamSet shown = ParamBinding(&w).read();
    for (const QString &setting : settings) {
        const QString name = setting.section(QLatin1Char('='), 0, 0);
        QCOMPARE(shown.value(name), expected.value(name));
    }
    QCOMPARE(shown, expected);
#endif
}

void tst_SerialLink::reopenForgetsHalfFrame()
{
#ifdef J3K_HAVE_PTY
    MainWindow w;
    PtyWire wire;
    QVERIFY(openOn(w, wire));
    QVERIFY(wire.pty.write(frame(0x44, {1, 1, 1, 1, 1, 1, 1, 1}).left(5)));
    QTRY_COMPARE(statusLine(w), openLine(wire.pty.slavePath(), 0, 5));
    button(w, "pushButtonOpen")->click();
    button(w, "pushButtonOpen")->click();
    QTRY_COMPARE(wire.received, QByteArray("OKDISOK"));

    // Were the five bytes kept, they would make a REVERSE frame of this one.
    QVERIFY(wire.pty.write(frame(0x55, {0x82, 0x78, 0x78, 0x78, 0x78, 0x78, 0x78, 0x78})));
    QTRY_COMPARE(statusLine(w), openLine(wire.pty.slavePath(), 0, 17));
    ParamSet expected;
    expected.set(u"spinBox_9", 10);
    QCOMPARE(ParamBinding(&w).read(), expected);
#endif
}

void tst_SerialLink::updateSendsBothRecords()
{
#ifdef J3K_HAVE_PTY
    MainWindow w;
    PtyWire wire;
    QVERIFY(openOn(w, wire));
    const QString port = wire.pty.slavePath();

    // Looked at halfway through the pause between the records.
    std::optional<QString> lineBetween;
    QList<bool> enabledBetween;
    QTimer::singleShot(250, &w, [&] {
        lineBetween = statusLine(w);
        for (const char *name : {"pushButtonRead", "pushButtonSend2", "pushButtonOpen"})
            enabledBetween << button(w, name)->isEnabled();
        // Clicks meanwhile go nowhere.
        button(w, "pushButtonRead")->click();
        button(w, "pushButtonSend2")->click();
        button(w, "pushButtonOpen")->click();
    });
    button(w, "pushButtonSend2")->click();

    QTRY_COMPARE(wire.received, "OK" + kStartRecords);
    QVERIFY(lineBetween);
    QCOMPARE(*lineBetween, openLine(port, 81, 0));
    QCOMPARE(enabledBetween, (QList<bool>{false, false, false}));
    QCOMPARE(statusLine(w), openLine(port, 162, 0));
    for (const char *name : {"pushButtonRead", "pushButtonSend2", "pushButtonOpen"})
        QVERIFY(button(w, name)->isEnabled());

    const qint64 gap = wire.arrival(2 + 81) - wire.arrival(2 + 80);
    QVERIFY2(gap >= 500'000'000, qPrintable(QStringLiteral("%1 ns between the records").arg(gap)));
#endif
}

void tst_SerialLink::closeSendsDisAndKeepsCounts()
{
#ifdef J3K_HAVE_PTY
    MainWindow w;
    PtyWire wire;
    QVERIFY(openOn(w, wire));
    const QString port = wire.pty.slavePath();
    button(w, "pushButtonRead")->click();
    QVERIFY(wire.pty.write(frame(0x44, {1})));
    QTRY_COMPARE(statusLine(w), openLine(port, 3, 12));

    button(w, "pushButtonOpen")->click();
    QTRY_COMPARE(wire.received, QByteArray("OKRRR\x44\x49\x53"));
    QCOMPARE(statusLine(w), closedLine(3, 12));
    QVERIFY(settingsEnabled(w, true));
    QCOMPARE(button(w, "pushButtonOpen")->text(), QStringLiteral("OPEN"));
    QVERIFY(w.findChildren<QSerialPort *>().isEmpty());

    button(w, "pushButtonOpen")->click();
    QTRY_COMPARE(wire.received, QByteArray("OKRRRDISOK"));
    QCOMPARE(statusLine(w), openLine(port, 3, 12));
    QCOMPARE(w.findChildren<QSerialPort *>().size(), 1);
#endif
}

void tst_SerialLink::closingWindowSendsNoNotice()
{
#ifdef J3K_HAVE_PTY
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
#endif
}

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
    QVERIFY(w.findChildren<QSerialPort *>().isEmpty());
    QVERIFY(settingsEnabled(w, true));
    QCOMPARE(button(w, "pushButtonOpen")->text(), QStringLiteral("OPEN"));
    QCOMPARE(statusLine(w), closedLine(0, 0));
}

void tst_SerialLink::unplugWhileOpen()
{
#ifdef J3K_HAVE_PTY
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
    QVERIFY(settingsEnabled(w, true));
    QCOMPARE(button(w, "pushButtonOpen")->text(), QStringLiteral("OPEN"));
    QVERIFY(w.findChildren<QSerialPort *>().isEmpty());

    // The next port opens as usual, and the lost one raised no second box.
    PtyWire second;
    QVERIFY(openOn(w, second));
    QTRY_COMPARE(second.received, QByteArray("OK"));
    QCOMPARE(statusLine(w), openLine(second.pty.slavePath(), 3, 0));
    QCOMPARE(script.unexpected(), QStringList());
#endif
}

void tst_SerialLink::portListSurvivesPolling()
{
#ifdef J3K_HAVE_PTY
    MainWindow w;
    auto *ports = child<QComboBox>(w, "comboBoxComm");
    QCOMPARE(ports->itemText(ports->count() - 1), QStringLiteral("VIRTUAL-TX"));
    auto *poll = w.findChild<QTimer *>(QStringLiteral("portPollTimer"));
    QVERIFY(poll);
    QVERIFY(poll->isActive());
    PtyWire wire;
    choosePort(w, wire.pty.slavePath());
    const int count = ports->count();

    QSignalSpy ticks(poll, &QTimer::timeout);
    QVERIFY(ticks.isValid());
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
#endif
}

void tst_SerialLink::hexSend_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("hex");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("box");

    QTest::newRow("text") << "RRR" << false << QByteArray("\x52\x52\x52") << false;
    QTest::newRow("text that looks like hex") << "4F 4B" << false << QByteArray("4F 4B") << false;
    QTest::newRow("hex dump") << " 4f\t4B  " << true << QByteArray("\x4F\x4B") << false;
    QTest::newRow("bad hex") << "4F 4G" << true << QByteArray() << true;
    QTest::newRow("empty hex") << "" << true << QByteArray() << true;
}

void tst_SerialLink::hexSend()
{
    QFETCH(QString, text);
    QFETCH(bool, hex);
    QFETCH(QByteArray, bytes);
    QFETCH(bool, box);

    MainWindow w;
    MessageSeen seen;
    ModalScript script;
    if (box)
        script.then("QMessageBox", press(QMessageBox::Ok, &seen));
    QCOMPARE(w.whattoSend(text, hex), bytes);
    QVERIFY(script.done());
    QCOMPARE(script.unexpected(), QStringList());
    if (box) {
        QCOMPARE(seen.title, QStringLiteral("错误"));
        QCOMPARE(seen.text, QStringLiteral("请输入合适的数据，各个数据之间用空格分开。"));
    }
}

void tst_SerialLink::delayKeepsWindowLive()
{
    bool fired = false;
    QTimer::singleShot(50, [&] { fired = true; });
    QElapsedTimer clock;
    clock.start();
    Delay_MSec(200);
    QVERIFY(clock.elapsed() >= 200);
    QVERIFY(fired);
}

QTEST_MAIN(tst_SerialLink)
#include "tst_seriallink.moc"
