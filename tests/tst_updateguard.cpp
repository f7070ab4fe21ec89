// UPDATE against clicks at the wrong moment and a port that vanishes: the
// transmitter gets the set of the click, S and G at least 500 ms apart, or
// the user is told that it got only the S record.
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
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace j3k;

class tst_UpdateGuard : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { freshSettings(); }
#ifdef J3K_HAVE_PTY
    void duringThePause_data();
    void duringThePause();
#else
    void pseudoTerminals() { QSKIP("no pseudo-terminals here to stand in for a transmitter"); }
#endif
};

#ifdef J3K_HAVE_PTY
void tst_UpdateGuard::duringThePause_data()
{
    QTest::addColumn<QString>("action");  // what the user or the line does 200 ms after the click
    QTest::addColumn<bool>("gSent");
    QTest::newRow("values edited") << "edit" << true;
    QTest::newRow("LOAD clicked") << "load" << true;
    QTest::newRow("window closed") << "close" << true;
    QTest::newRow("application exits") << "exit" << true;
    QTest::newRow("port unplugged") << "unplug" << false;
}

void tst_UpdateGuard::duringThePause()
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
    bool loadEnabled = true;
    bool shownAfterClose = true;  // the update ends before the window does
    QTimer::singleShot(200, &w, [&] {
        loadEnabled = button(w, "pushButtonLoad")->isEnabled();
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
    }
    QVERIFY(!loadEnabled);
    QVERIFY(shownAfterClose);
    QCOMPARE(script.unexpected(), QStringList());
}
#endif

QTEST_MAIN(tst_UpdateGuard)
#include "tst_updateguard.moc"
