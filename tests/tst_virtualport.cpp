// The editor with no transmitter at hand: VIRTUAL-TX in the port list, and
// txsim on a pseudo-terminal path, each doing what the real one would.
#include "mainwindow.h"
#include "parambinding.h"
#ifdef J3K_HAVE_PTY
#include "ptytransmitter.h"
#endif

#include <QComboBox>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSerialPort>
#include <QTest>

using namespace j3k;

namespace {

QPushButton *button(const MainWindow &w, const char *name) { return w.findChild<QPushButton *>(QLatin1String(name)); }
QString statusLine(const MainWindow &w) { return w.findChild<QLabel *>(QStringLiteral("fstLabel"))->text(); }
QComboBox *combo(const MainWindow &w, const char *name) { return w.findChild<QComboBox *>(QLatin1String(name)); }

// Every parameter at some value of its range other than its start value.
ParamSet edited(QRandomGenerator &random)
{
    ParamSet p;
    for (int i = 0; i < int(ParamCount); ++i) {
        const ParamInfo &info = paramTable()[std::size_t(i)];
        int v = info.start;
        while (v == info.start)
            v = random.bounded(info.min, info.max + 1);
        p.set(i, v);
    }
    return p;
}

}  // namespace

class tst_VirtualPort : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void updateThenReadRestoresWindow();
    void txsimOnItsPath();
};

void tst_VirtualPort::init()
{
#ifndef J3K_HAVE_PTY
    QSKIP("no pseudo-terminals here to stand in for a transmitter");
#endif
}

void tst_VirtualPort::updateThenReadRestoresWindow()
{
#ifdef J3K_HAVE_PTY
    MainWindow w;
    ParamBinding binding(&w);
    QComboBox *ports = combo(w, "comboBoxComm");
    ports->setCurrentIndex(ports->findText(QStringLiteral("VIRTUAL-TX")));
    QCOMPARE(ports->currentText(), QStringLiteral("VIRTUAL-TX"));
    button(w, "pushButtonOpen")->click();
    QCOMPARE(statusLine(w), QStringLiteral("VIRTUAL-TX已打开 115200 8 1 | 发送：0B | 接收：0B"));
    QCOMPARE(w.findChildren<PtyTransmitter *>().size(), 1);

    button(w, "pushButtonRead")->click();
    QTRY_COMPARE(statusLine(w), QStringLiteral("VIRTUAL-TX已打开 115200 8 1 | 发送：3B | 接收：168B"));
    QCOMPARE(binding.read().value(u"spinBox_46"), 300);

    QRandomGenerator random(20240501);
    const ParamSet sent = edited(random);
    binding.write(sent);
    button(w, "pushButtonSend2")->click();
    QCOMPARE(statusLine(w), QStringLiteral("VIRTUAL-TX已打开 115200 8 1 | 发送：165B | 接收：168B"));

    // A fresh window's values, on the D/R channel that was written.
    ParamSet blank;
    blank.set(u"comboBox_2", sent.value(u"comboBox_2"));
    binding.write(blank);
    button(w, "pushButtonRead")->click();
    QTRY_COMPARE(statusLine(w), QStringLiteral("VIRTUAL-TX已打开 115200 8 1 | 发送：168B | 接收：336B"));
    ParamSet expected = sent;
    expected.set(u"spinBox_46", 300);  // the transmitter's own; no record carries it
    const ParamSet shown = binding.read();
    for (int i = 0; i < int(ParamCount); ++i)
        QVERIFY2(shown.value(i) == expected.value(i), paramTable()[std::size_t(i)].name);

    // The other D/R channels kept their rates.
    const int other = (sent.value(u"comboBox_2") + 1) % 4;
    combo(w, "comboBox_2")->setCurrentIndex(other);
    button(w, "pushButtonRead")->click();
    QTRY_COMPARE(statusLine(w), QStringLiteral("VIRTUAL-TX已打开 115200 8 1 | 发送：171B | 接收：504B"));
    QCOMPARE(binding.read().value(u"spinBox_79"), 100);
    QCOMPARE(binding.read().value(u"spinBox_80"), 100);

    button(w, "pushButtonOpen")->click();
    QCOMPARE(statusLine(w), QStringLiteral("串口未打开 | 发送：171B | 接收：504B"));
    QVERIFY(w.findChildren<PtyTransmitter *>().isEmpty());
    QVERIFY(w.findChildren<QSerialPort *>().isEmpty());
#endif
}

void tst_VirtualPort::txsimOnItsPath()
{
#ifdef J3K_HAVE_PTY
    QProcess txsim;
    txsim.start(QStringLiteral(TXSIM_PATH), {});
    QVERIFY2(txsim.waitForStarted(), qPrintable(txsim.errorString()));
    QTRY_VERIFY(txsim.canReadLine());
    const QString path = QString::fromLocal8Bit(txsim.readLine()).trimmed();
    QVERIFY2(path.startsWith(QLatin1Char('/')), qPrintable(path));

    {
        MainWindow w;
        QComboBox *ports = combo(w, "comboBoxComm");
        ports->addItem(path);
        ports->setCurrentIndex(ports->count() - 1);
        button(w, "pushButtonOpen")->click();
        QCOMPARE(statusLine(w), QStringLiteral("%1已打开 115200 8 1 | 发送：0B | 接收：0B").arg(path));
        button(w, "pushButtonRead")->click();
        QTRY_COMPARE(statusLine(w), QStringLiteral("%1已打开 115200 8 1 | 发送：3B | 接收：168B").arg(path));
        QCOMPARE(ParamBinding(&w).read().value(u"spinBox_46"), 300);
        button(w, "pushButtonOpen")->click();
    }

    txsim.terminate();
    QVERIFY(txsim.waitForFinished(5000));
    QCOMPARE(txsim.exitStatus(), QProcess::NormalExit);
    QCOMPARE(txsim.exitCode(), 0);
    const QStringList log = QString::fromLocal8Bit(txsim.readAllStandardOutput()).split(QLatin1Char('\n'));
    QCOMPARE(log, (QStringList{"OK: linked", "RRR: answered with 14 frames, 168 bytes", "DIS: unlinked", "quit", ""}));
#endif
}

QTEST_MAIN(tst_VirtualPort)
#include "tst_virtualport.moc"
