// The editor with no transmitter at hand: VIRTUAL-TX in the port list, and
// txsim on a pseudo-terminal path, each doing what the real one would.
#include "mainwindow.h"
#include "parambinding.h"
#include "testparams.h"
#include "windowtest.h"
#ifdef J3K_HAVE_PTY
#include "ptytransmitter.h"
#endif

#include <QProcess>
#include <QPushButton>
#include <QSerialPort>
#include <QStandardPaths>
#include <QTest>

using namespace j3k;

class tst_VirtualPort : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { freshSettings(); }
#ifdef J3K_HAVE_PTY
    void updateThenReadRestoresWindow();
    void txsimOnItsPath();
#else
    void pseudoTerminals() { QSKIP("no pseudo-terminals here to stand in for a transmitter"); }
#endif
};

#ifdef J3K_HAVE_PTY
void tst_VirtualPort::updateThenReadRestoresWindow()
{
    MainWindow w;
    ParamBinding binding(&w);
    const QString tx = QStringLiteral("VIRTUAL-TX");
    auto *ports = child<QComboBox>(w, "comboBoxComm");
    ports->setCurrentIndex(ports->findText(tx));
    QCOMPARE(ports->currentText(), tx);
    button(w, "pushButtonOpen")->click();
    QCOMPARE(statusLine(w), openLine(tx, 0, 0));
    QCOMPARE(w.findChildren<PtyTransmitter *>().size(), 1);

    button(w, "pushButtonRead")->click();
    QTRY_COMPARE(statusLine(w), openLine(tx, 3, 168));
    QCOMPARE(binding.read().value(u"spinBox_46"), 300);

    const ParamSet sent = opposite(ParamSet());  // every widget off its start value
    binding.write(sent);
    button(w, "pushButtonSend2")->click();
    QCOMPARE(statusLine(w), openLine(tx, 165, 168));

    // A fresh window's values, on the D/R channel that was written.
    ParamSet blank;
    blank.set(u"comboBox_2", sent.value(u"comboBox_2"));
    binding.write(blank);
    button(w, "pushButtonRead")->click();
    QTRY_COMPARE(statusLine(w), openLine(tx, 168, 336));
    ParamSet expected = sent;
    expected.set(u"spinBox_46", 300);  // the transmitter's own; no record carries it
    QCOMPARE(differences(binding.read(), expected), QString());

    button(w, "pushButtonOpen")->click();
    QCOMPARE(statusLine(w), closedLine(168, 336));
    QVERIFY(w.findChildren<PtyTransmitter *>().isEmpty());
    QVERIFY(w.findChildren<QSerialPort *>().isEmpty());
}

void tst_VirtualPort::txsimOnItsPath()
{
    QProcess txsim;
    txsim.start(QStringLiteral(TXSIM_PATH), {});
    QVERIFY2(txsim.waitForStarted(), qPrintable(txsim.errorString()));
    QTRY_VERIFY(txsim.canReadLine());
    const QString path = QString::fromLocal8Bit(txsim.readLine()).trimmed();
    QVERIFY2(path.startsWith(QLatin1Char('/')), qPrintable(path));

    {
        MainWindow w;
        choosePort(w, path);
        button(w, "pushButtonOpen")->click();
        QCOMPARE(statusLine(w), openLine(path, 0, 0));
        button(w, "pushButtonRead")->click();
        QTRY_COMPARE(statusLine(w), openLine(path, 3, 168));
        QCOMPARE(ParamBinding(&w).read().value(u"spinBox_46"), 300);
        button(w, "pushButtonOpen")->click();
    }

    txsim.terminate();
    QVERIFY(txsim.waitForFinished(5000));
    QCOMPARE(txsim.exitStatus(), QProcess::NormalExit);
    QCOMPARE(txsim.exitCode(), 0);
    const QStringList log = QString::fromLocal8Bit(txsim.readAllStandardOutput()).split(QLatin1Char('\n'));
    QCOMPARE(log, (QStringList{"OK: linked", "RRR: answered with 14 frames, 168 bytes", "DIS: unlinked", "quit", ""}));
}
#endif

QTEST_MAIN(tst_VirtualPort)
#include "tst_virtualport.moc"
