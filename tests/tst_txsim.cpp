// txsim, the virtual transmitter as a program of its own: the editor opens
// its path, READs, and txsim logs what it understood.
#include "mainwindow.h"
#include "parambinding.h"
#include "testparams.h"
#include "windowtest.h"

#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>

using namespace j3k;

class tst_Txsim : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { freshSettings(); }
#ifdef J3K_HAVE_PTY
    void txsimOnItsPath();
#else
    void pseudoTerminals() { QSKIP("no pseudo-terminals here to stand in for a transmitter"); }
#endif
};

#ifdef J3K_HAVE_PTY
void tst_Txsim::txsimOnItsPath()
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

QTEST_MAIN(tst_Txsim)
#include "tst_txsim.moc"
