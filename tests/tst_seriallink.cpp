// SPDX-License-Identifier: GPL-3.0-or-later
// The editor on a serial line, with the test at the transmitter's end of a
// pseudo-terminal: the exact bytes that go out, what incoming frames (or
// none) do to the window, ports that fail or vanish, and UPDATE against
// clicks at the wrong moment.
#include "ptywire.h"
#include "windowtest.h"

#include <QApplication>
#include <QSerialPort>
#include <QTimer>

using namespace j3k;

namespace {

// What OPEN offers, and whether the line settings can still be changed.
QString linkState(const MainWindow &w)
{
    const bool editable = child(w, "comboBoxBaudRate")->isEnabled() || child(w, "checkBoxRTS")->isEnabled();
    return button(w, "pushButtonOpen")->text() + QLatin1String(editable ? " editable" : " locked");
}

// Opens the window's port on `wire` and waits for its OK.
bool openOn(MainWindow &w, PtyWire &wire)
{
    choosePort(w, wire.pty.slavePath());
    const qsizetype before = wire.received.size();
    button(w, "pushButtonOpen")->click();
    return QTest::qWaitFor([&] { return wire.received.size() >= before + 2; });
}

}  // namespace

class tst_SerialLink : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { freshSettings(); }

    // OPEN, READ, frames in pieces, UPDATE, close, commands while closed, open again.
    void session()
    {
        MainWindow w;
        const char *boxes[] = {"comboBoxBaudRate", "comboBoxDataBit", "comboBoxStopBit", "comboBoxFlowCtrl"};
        const QStringList texts{"14400", "7", "2", "HARDWARE"};  // a baud rate Qt has no name for
        for (int i = 0; i < 4; ++i)
            child<QComboBox>(w, boxes[i])->setCurrentText(texts[i]);
        PtyWire wire;
        QVERIFY(openOn(w, wire));
        const QString port = wire.pty.slavePath();
        QCOMPARE(wire.received, QByteArray("\x4F\x4B"));
        QCOMPARE(linkState(w), QStringLiteral("OFF locked"));
        QCOMPARE(w.findChild<QSerialPort *>()->baudRate(), 14400);
        QCOMPARE(w.findChild<QSerialPort *>()->flowControl(), QSerialPort::HardwareControl);
        const QString settings = QStringLiteral("14400 7 2");
        button(w, "pushButtonRead")->click();
        QTRY_COMPARE(wire.received, QByteArray("OK\x52\x52\x52"));
        QCOMPARE(statusLine(w), openLine(port, 3, 0, settings));

        // A stray byte, then frames cut anywhere: each block is counted as it
        // comes, and exactly what the frames carry reaches the widgets.
        const QByteArray reverse = QByteArray::fromHex("FF FE 0C 44 01 00 01 01 00 00 00 00");
        const QByteArray alarm = QByteArray::fromHex("00 FE 0C 99 55 6F 77 03 01 2C 00 00");
        const QByteArrayList blocks{QByteArray(1, '\x00') + reverse.left(5), reverse.mid(5) + alarm.left(1),
                                    alarm.mid(1)};
        int received = 0;
        for (const QByteArray &block : blocks) {
            QVERIFY(wire.pty.write(block));
            received += int(block.size());
            QTRY_COMPARE(statusLine(w), openLine(port, 3, received, settings));
        }
        const ParamSet read = applied(ParamSet(), {"spinBox=1", "spinBox_3=1", "spinBox_4=1", "doubleSpinBox=111",
                                                   "spinBox_45=3", "spinBox_46=300"});
        QCOMPARE(differences(ParamBinding(&w).read(), read), QString());

        // UPDATE: S, then G, each counted.
        button(w, "pushButtonSend2")->click();
        const QByteArray update = paramFileBytes(read);
        QTRY_COMPARE(wire.received, "OKRRR" + update);
        QCOMPARE(statusLine(w), openLine(port, 165, received, settings));

        // Half a frame, then close: DIS goes out, the counts stay.
        QVERIFY(wire.pty.write(QByteArray::fromHex("00 FE 0C 44 01")));
        QTRY_COMPARE(statusLine(w), openLine(port, 165, received + 5, settings));
        button(w, "pushButtonOpen")->click();
        QTRY_COMPARE(wire.received, "OKRRR" + update + "\x44\x49\x53");
        QCOMPARE(statusLine(w), QStringLiteral("串口未打开 | 发送：165B | 接收：%1B").arg(received + 5));
        QCOMPARE(linkState(w), QStringLiteral("OPEN editable"));

        // Closed, READ and UPDATE send nothing; the next OK would follow them.
        button(w, "pushButtonRead")->click();
        button(w, "pushButtonSend2")->click();
        QVERIFY(openOn(w, wire));
        QTRY_COMPARE(wire.received, "OKRRR" + update + "DISOK");

        // Were the five bytes of the last connection kept, this SUB-TRIM frame
        // would turn into a REVERSE one.
        QVERIFY(wire.pty.write(QByteArray::fromHex("00 FE 0C 55 82 78 78 78 78 78 78 78")));
        QTRY_COMPARE(ParamBinding(&w).read().value(u"spinBox_9"), 10);
        QCOMPARE(ParamBinding(&w).read().value(u"spinBox_2"), 0);

        // A READ nobody answers is reported after a second.
        QElapsedTimer clock;
        clock.start();
        button(w, "pushButtonRead")->click();
        QTRY_VERIFY(child<QLabel>(w, "secLabel")
                        ->text()
                        .endsWith(QLatin1String("no answer to READ: check port, settings, transmitter power")));
        QVERIFY(clock.elapsed() >= 950);
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
        QTest::newRow("values edited") << "edit";
        QTest::newRow("window closed") << "close";
        QTest::newRow("application exits") << "exit";
        QTest::newRow("port unplugged") << "unplug";
    }

    void duringThePause()
    {
        QFETCH(QString, action);
        const ParamSet clicked = opposite(ParamSet());
        MainWindow w;
        ParamBinding(&w).write(clicked);
        w.show();
        PtyWire wire;
        QVERIFY(openOn(w, wire));

        ModalScript script;
        MessageSeen box;
        QList<bool> enabled;          // READ, UPDATE, OPEN and LOAD in the pause
        bool shownAfterClose = true;  // the update ends before the window does
        QTimer::singleShot(200, &w, [&] {
            for (const char *name : {"pushButtonRead", "pushButtonSend2", "pushButtonOpen", "pushButtonLoad"})
                enabled << button(w, name)->isEnabled();
            if (action == u"edit") {
                ParamBinding(&w).write(opposite(clicked));
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
        const bool gSent = action != u"unplug";
        QTRY_COMPARE(wire.received, "OK" + (gSent ? sent : sent.first(RecordLength)));
        if (gSent) {
            const qint64 gap = wire.arrivals.at(2 + RecordLength) - wire.arrivals.at(1 + RecordLength);
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
    }

    void openFailures_data()
    {
        QTest::addColumn<QString>("port");
        QTest::addColumn<QString>("reason");  // how the informative text starts
        QTest::newRow("missing device") << QStringLiteral("/dev/j3k-no-such-port") << "No such file";
        QTest::newRow("longer than any path") << QString(5000, u'x') << "The port name is longer";
    }

    void openFailures()
    {
        QFETCH(QString, port);
        QFETCH(QString, reason);
        MainWindow w;
        choosePort(w, port);
        MessageSeen seen;
        ModalScript script;
        script.then("QMessageBox", press(QMessageBox::Ok, &seen));
        button(w, "pushButtonOpen")->click();
        QCOMPARE(seen.text, QStringLiteral("Can not open!"));
        QVERIFY2(seen.details.startsWith(reason), qPrintable(seen.details));
        QCOMPARE(linkState(w), QStringLiteral("OPEN editable"));
    }
};

QTEST_MAIN(tst_SerialLink)
#include "tst_seriallink.moc"
