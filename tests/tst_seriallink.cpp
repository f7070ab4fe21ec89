// The editor on a serial line, with the test at the transmitter's end of a
// pseudo-terminal: the exact bytes that go out, what incoming frames do to
// the window, ports that fail or vanish, and UPDATE against clicks at the
// wrong moment.
#include "mainwindow.h"
#include "modalscript.h"
#include "parambinding.h"
#include "paramfile.h"
#include "testparams.h"
#include "windowtest.h"
#ifdef J3K_HAVE_PTY
#include "ptywire.h"
#endif

#include <QApplication>
#include <QCheckBox>
#include <QSerialPort>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace j3k;

namespace {

// "open" when the settings are locked, the button offers OFF and a port
// object exists; "closed" for the opposite; anything else is described.
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
    void open_data()
    {
        QTest::addColumn<QStringList>("texts");  // baud, data bits, stop bits, flow
        QTest::addColumn<int>("baud");
        QTest::addColumn<QSerialPort::FlowControl>("flow");
        QTest::newRow("start values") << QStringList{"115200", "8", "1", "OFF"} << 115200 << QSerialPort::NoFlowControl;
        QTest::newRow("plain-number baud")
            << QStringList{"14400", "7", "2", "HARDWARE"} << 14400 << QSerialPort::HardwareControl;
    }

    void open()
    {
        QFETCH(QStringList, texts);
        QFETCH(int, baud);
        QFETCH(QSerialPort::FlowControl, flow);
        MainWindow w;
        const char *boxes[] = {"comboBoxBaudRate", "comboBoxDataBit", "comboBoxStopBit", "comboBoxFlowCtrl"};
        for (int i = 0; i < 4; ++i)
            child<QComboBox>(w, boxes[i])->setCurrentText(texts[i]);
        PtyWire wire;
        QVERIFY(openOn(w, wire));
        QTRY_COMPARE(wire.received, QByteArray("\x4F\x4B"));
        QCOMPARE(statusLine(w), openLine(wire.pty.slavePath(), 0, 0, texts.first(3).join(u' ')));
        QCOMPARE(linkState(w), QStringLiteral("open"));
        QCOMPARE(w.findChild<QSerialPort *>()->baudRate(), baud);
        QCOMPARE(w.findChild<QSerialPort *>()->flowControl(), flow);
    }

    // READ, frames in pieces, UPDATE, close, commands while closed, open again.
    void session()
    {
        MainWindow w;
        PtyWire wire;
        QVERIFY(openOn(w, wire));
        const QString port = wire.pty.slavePath();
        button(w, "pushButtonRead")->click();
        QTRY_COMPARE(wire.received, QByteArray("OK\x52\x52\x52"));
        QCOMPARE(statusLine(w), openLine(port, 3, 0));

        // A stray byte, then frames cut anywhere: each block is counted as it
        // comes, and exactly what the frames carry reaches the widgets.
        const QByteArray reverse = frame(0x44, {1, 0, 1, 1}, 0xFF);
        const QByteArray alarm = frame(0x99, {0x55, 0x6F, 0x77, 3, 0x01, 0x2C});
        const QByteArrayList blocks{QByteArray(1, '\x00') + reverse.left(5), reverse.mid(5) + alarm.left(1),
                                    alarm.mid(1)};
        int received = 0;
        for (const QByteArray &block : blocks) {
            QVERIFY(wire.pty.write(block));
            received += int(block.size());
            QTRY_COMPARE(statusLine(w), openLine(port, 3, received));
        }
        const ParamSet read = applied(ParamSet(), {"spinBox=1", "spinBox_3=1", "spinBox_4=1", "doubleSpinBox=111",
                                                   "spinBox_45=3", "spinBox_46=300"});
        QCOMPARE(differences(ParamBinding(&w).read(), read), QString());

        // UPDATE: S, then G, each counted.
        button(w, "pushButtonSend2")->click();
        const QByteArray update = paramFileBytes(read);
        QTRY_COMPARE(wire.received, "OKRRR" + update);
        QCOMPARE(statusLine(w), openLine(port, 165, received));

        // Half a frame, then close: DIS goes out, the counts stay.
        QVERIFY(wire.pty.write(frame(0x44, {1, 1, 1, 1, 1, 1, 1, 1}).left(5)));
        QTRY_COMPARE(statusLine(w), openLine(port, 165, received + 5));
        button(w, "pushButtonOpen")->click();
        QTRY_COMPARE(wire.received, "OKRRR" + update + "\x44\x49\x53");
        QCOMPARE(statusLine(w), closedLine(165, received + 5));
        QCOMPARE(linkState(w), QStringLiteral("closed"));

        // Closed, READ and UPDATE send nothing; the next OK would follow them.
        button(w, "pushButtonRead")->click();
        button(w, "pushButtonSend2")->click();
        QVERIFY(openOn(w, wire));
        QTRY_COMPARE(wire.received, "OKRRR" + update + "DISOK");

        // Were the five bytes of the last connection kept, this SUB-TRIM frame
        // would turn into a REVERSE one.
        QVERIFY(wire.pty.write(frame(0x55, {0x82, 0x78, 0x78, 0x78, 0x78, 0x78, 0x78, 0x78})));
        QTRY_COMPARE(ParamBinding(&w).read().value(u"spinBox_9"), 10);
        QCOMPARE(ParamBinding(&w).read().value(u"spinBox_2"), 0);
    }

    void closingWindowSendsNoNotice()
    {
        PtyWire wire;
        {
            MainWindow w;
            QVERIFY(openOn(w, wire));
        }
        // The window let go of the port without a word: the next bytes on the
        // line are another program's.
        QSerialPort next(wire.pty.slavePath());
        QVERIFY2(next.open(QIODevice::ReadWrite), qPrintable(next.errorString()));
        next.write("X");
        QVERIFY(next.flush());
        QTRY_COMPARE(wire.received, QByteArray("OKX"));
    }

    void duringThePause_data()
    {
        QTest::addColumn<QString>("action");  // what the user or the line does 200 ms after the click
        QTest::addColumn<bool>("gSent");
        QTest::newRow("values edited") << "edit" << true;
        QTest::newRow("LOAD clicked") << "load" << true;
        QTest::newRow("window closed") << "close" << true;
        QTest::newRow("application exits") << "exit" << true;
        QTest::newRow("port unplugged") << "unplug" << false;
    }

    void duringThePause()
    {
        QFETCH(QString, action);
        QFETCH(bool, gSent);
        QRandomGenerator rng(1010);
        const ParamSet clicked = randomParams(rng);
        QTemporaryDir dir;
        const QString other = writeFile(dir.filePath(QStringLiteral("other.txt")), paramFileBytes(opposite(clicked)));
        QVERIFY(!other.isEmpty());

        MainWindow w;
        ParamBinding(&w).write(clicked);
        w.show();
        PtyWire wire;
        QVERIFY2(wire.pty.isOpen(), qPrintable(wire.pty.errorString()));
        choosePort(w, wire.pty.slavePath());
        button(w, "pushButtonOpen")->click();
        QTRY_COMPARE(wire.received, QByteArray("OK"));

        ModalScript script;
        MessageSeen box;
        QList<bool> enabled;          // READ, UPDATE, OPEN and LOAD in the pause
        bool shownAfterClose = true;  // the update ends before the window does
        QTimer::singleShot(200, &w, [&] {
            for (const char *name : {"pushButtonRead", "pushButtonSend2", "pushButtonOpen", "pushButtonLoad"})
                enabled << button(w, name)->isEnabled();
            if (action == u"edit") {
                ParamBinding(&w).write(opposite(clicked));
            } else if (action == u"load") {
                script.then("DlgLoad", click("toolButton")).then("QFileDialog", chooseFile(other));
                script.then("DlgLoad", click("pushButtonOK"));
                button(w, "pushButtonLoad")->click();
            } else if (action == u"close") {
                w.close();
                shownAfterClose = w.isVisible();
            } else if (action == u"exit") {
                qApp->exit();  // every event loop ends at once, the pause's too
            } else {
                script.then("QMessageBox", press(QMessageBox::Ok, &box));
                wire.pty.closeMaster();
            }
        });
        if (action == u"close" || action == u"exit") {
            // Only a running application quits when its last window closes.
            QTimer::singleShot(0, &w, [&] { button(w, "pushButtonSend2")->click(); });
            QTimer::singleShot(5000, qApp, &QCoreApplication::quit);
            qApp->exec();
            QCOMPARE(w.isVisible(), action == u"exit");
        } else {
            button(w, "pushButtonSend2")->click();
        }

        const QByteArray sent = paramFileBytes(clicked);
        QTRY_COMPARE(wire.received, "OK" + (gSent ? sent : sent.first(RecordLength)));
        if (gSent) {
            const qint64 gap = wire.arrival(2 + RecordLength) - wire.arrival(1 + RecordLength);
            // Stamped when the test reads the line, which may come a few ms late.
            QVERIFY2(gap >= 490'000'000, qPrintable(QStringLiteral("%1 ns between the records").arg(gap)));
        } else {
            QTRY_VERIFY(script.done());
            QVERIFY2(box.details.startsWith(QStringLiteral("UPDATE is incomplete")), qPrintable(box.details));
            // The lost port is closed once, with one box, and the next one opens.
            PtyWire next;
            QVERIFY(openOn(w, next));
            QTRY_COMPARE(next.received, QByteArray("OK"));
        }
        QCOMPARE(enabled, QList<bool>(4, false));
        QVERIFY(shownAfterClose);
        QCOMPARE(script.unexpected(), QStringList());
    }
#endif

    void openFailures_data()
    {
        QTest::addColumn<QString>("port");    // null: an empty port list
        QTest::addColumn<QString>("reason");  // how the informative text starts; empty: none
        QTest::newRow("missing device") << QStringLiteral("/dev/j3k-no-such-port") << "No such file";
        QTest::newRow("longer than any path") << QString(5000, u'x') << "The port name is longer";
        QTest::newRow("empty port list") << QString() << QString();
    }

    void openFailures()
    {
        QFETCH(QString, port);
        QFETCH(QString, reason);
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
        QCOMPARE(seen.text, QStringLiteral("Can not open!"));
        QVERIFY2(seen.details.startsWith(reason) && seen.details.isEmpty() == reason.isEmpty(),
                 qPrintable(seen.text + u'|' + seen.details));
        QCOMPARE(linkState(w), QStringLiteral("closed"));
    }
};

QTEST_MAIN(tst_SerialLink)
#include "tst_seriallink.moc"
