// The editor as a desktop program: what it remembers from one run to the
// next, its shortcuts, files dropped on it, and a freshly plugged adapter.
#include "mainwindow.h"
#include "modalscript.h"
#include "parambinding.h"
#include "paramfile.h"
#include "portnames.h"
#include "testparams.h"
#include "windowtest.h"

#include <QCheckBox>
#include <QMimeData>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

// What a run leaves for the next: the line settings and where the window is.
QStringList settingsOf(const MainWindow &w)
{
    QStringList settings;
    for (const char *name : {"comboBoxComm", "comboBoxBaudRate", "comboBoxDataBit", "comboBoxStopBit", "comboBoxParity",
                             "comboBoxFlowCtrl"})
        settings << child<QComboBox>(w, name)->currentText();
    for (const char *name : {"checkBoxDTR", "checkBoxRTS"})
        settings << QString::number(child<QCheckBox>(w, name)->isChecked());
    return settings << QStringLiteral("%1,%2").arg(w.pos().x()).arg(w.pos().y());
}

// Runs `command` with the file dialog it opens answered by `fileDialog`;
// LOAD's own dialog browses and is then cancelled.
void runFileCommand(MainWindow &w, const char *command, const ModalScript::Answer &fileDialog)
{
    const bool load = qstrcmp(command, "pushButtonLoad") == 0;
    ModalScript script;
    if (load)
        script.then("DlgLoad", click("toolButton"));
    script.then("QFileDialog", fileDialog);
    if (load)
        script.then("DlgLoad", click("pushButton"));
    child<QPushButton>(w, command)->click();
    QVERIFY(script.done());
}

}  // namespace

class tst_Desktop : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { freshSettings(); }
    void settingsComeBack_data();
    void settingsComeBack();
    void goneportIsNotForced();
    void foldersComeBack_data();
    void foldersComeBack();
    void shortcuts_data();
    void shortcuts();
    void droppedFile_data();
    void droppedFile();
    void pluggedInPort_data();
    void pluggedInPort();
};

void tst_Desktop::settingsComeBack_data()
{
    QTest::addColumn<bool>("byOpening");  // else by closing the window
    QTest::newRow("port opened, then the editor killed") << true;
    QTest::newRow("window closed") << false;
}

void tst_Desktop::settingsComeBack()
{
    QFETCH(bool, byOpening);
    QStringList chosen;
    {
        MainWindow first;
        auto *port = child<QComboBox>(first, "comboBoxComm");
        // VIRTUAL-TX is a port that is there at every start and always opens.
        const int virtualTx = port->findText(QStringLiteral("VIRTUAL-TX"));
        if (virtualTx < 0)
            QSKIP("no VIRTUAL-TX here");
        port->setCurrentIndex(virtualTx);
        QRandomGenerator rng(QRandomGenerator::global()->generate());
        for (QComboBox *box : first.findChildren<QComboBox *>()) {
            if (box->parentWidget()->objectName() == QLatin1String("groupBox") && box != port)
                box->setCurrentIndex(int(rng.bounded(box->count())));
        }
        for (const char *name : {"checkBoxDTR", "checkBoxRTS"})
            child<QCheckBox>(first, name)->setChecked(rng.bounded(2));
        first.move(int(rng.bounded(300)), int(rng.bounded(200)));
        chosen = settingsOf(first);
        if (byOpening) {
            button(first, "pushButtonOpen")->click();
            QCOMPARE(button(first, "pushButtonOpen")->text(), QStringLiteral("OFF"));
        } else {
            first.close();
        }
    }
    MainWindow second;
    QCOMPARE(settingsOf(second), chosen);
}

void tst_Desktop::goneportIsNotForced()
{
    const QString gone = QStringLiteral("ttyGONE42");
    QSettings().setValue(QStringLiteral("port/name"), gone);
    MainWindow w;
    QVERIFY(w.findChild<QComboBox *>(QStringLiteral("comboBoxComm"))->currentText() != gone);
    QCOMPARE(itemsOf(child<QComboBox>(w, "comboBoxComm")).indexOf(gone), -1);
}

void tst_Desktop::foldersComeBack_data()
{
    QTest::addColumn<QString>("command");
    QTest::newRow("SAVE") << "pushButtonSave";
    QTest::newRow("LOAD") << "pushButtonLoad";
}

void tst_Desktop::foldersComeBack()
{
    QFETCH(QString, command);
    const QByteArray name = command.toLatin1();
    QTemporaryDir dir;
    // LOAD reads a file that is there; SAVE writes a new one.
    const QString file = command == QLatin1String("pushButtonLoad")
                             ? writeFile(dir.filePath(QStringLiteral("there.txt")), "S")
                             : dir.filePath(QStringLiteral("new.txt"));
    QVERIFY(!file.isEmpty());
    {
        MainWindow first;
        runFileCommand(first, name, chooseFile(file));
        first.close();
    }
    MainWindow second;
    QString directory;
    runFileCommand(second, name, [&directory](QWidget *dialog) {
        directory = static_cast<QFileDialog *>(dialog)->directory().absolutePath();
        chooseFile(QString())(dialog);
    });
    QCOMPARE(directory, QDir(dir.path()).absolutePath());
}

void tst_Desktop::shortcuts_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QKeySequence>("keys");
    QTest::newRow("READ") << "pushButtonRead" << QKeySequence(Qt::Key_F5);
    QTest::newRow("UPDATE") << "pushButtonSend2" << QKeySequence(Qt::CTRL | Qt::Key_U);
    QTest::newRow("LOAD") << "pushButtonLoad" << QKeySequence(Qt::CTRL | Qt::Key_O);
    QTest::newRow("SAVE") << "pushButtonSave" << QKeySequence(Qt::CTRL | Qt::Key_S);
}

void tst_Desktop::shortcuts()
{
    QFETCH(QString, command);
    QFETCH(QKeySequence, keys);
    MainWindow w;
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    auto *b = child<QPushButton>(w, command);
    QVERIFY(b->toolTip().contains(keys.toString(QKeySequence::NativeText)));
    QSignalSpy clicked(b, &QPushButton::clicked);
    ModalScript script;  // LOAD and SAVE open a dialog: cancel it
    script.then("QDialog", [](QWidget *dialog) { static_cast<QDialog *>(dialog)->reject(); });
    QTest::keySequence(&w, keys);
    QTRY_COMPARE(clicked.count(), 1);
}

void tst_Desktop::droppedFile_data()
{
    QTest::addColumn<QByteArray>("content");  // "random": a random parameter file
    QTest::addColumn<QString>("refusal");     // the message, none when it loads
    QTest::newRow("parameter file") << QByteArray("random") << QString();
    QTest::newRow("not a parameter file") << QByteArray("S00 hello") << QStringLiteral("文件格式不正确");
}

void tst_Desktop::droppedFile()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, refusal);
    MainWindow w;
    j3k::ParamSet expected = ParamBinding(&w).read();  // a refused file changes nothing
    if (content == "random") {
        QRandomGenerator rng(QRandomGenerator::global()->generate());
        const j3k::ParamSet before = expected;
        expected = randomParams(rng);
        content = j3k::paramFileBytes(expected);
        expected.set(u"spinBox_46", before.value(u"spinBox_46"));  // VERSION is in neither record
    }
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("dropped.txt"));
    QVERIFY(!writeFile(path, content).isEmpty());

    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    QDragEnterEvent enter(QPoint(500, 200), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&w, &enter);
    QVERIFY(enter.isAccepted());
    MessageSeen box;
    ModalScript script;
    if (!refusal.isEmpty())
        script.then("QMessageBox", press(QMessageBox::Ok, &box));
    QDropEvent drop(QPointF(500, 200), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&w, &drop);
    QVERIFY(script.done());

    QCOMPARE(box.text, refusal);
    QCOMPARE(differences(ParamBinding(&w).read(), expected), QString());
}

void tst_Desktop::pluggedInPort_data()
{
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QStringList>("now");
    QTest::addColumn<QString>("plugged");
    QTest::newRow("adapter plugged in") << QStringList{"ttyS0"} << QStringList{"ttyS0", "ttyUSB0"} << "ttyUSB0";
    QTest::newRow("one out, another in") << QStringList{"ttyUSB0"} << QStringList{"ttyACM0"} << "ttyACM0";
}

void tst_Desktop::pluggedInPort()
{
    QFETCH(QStringList, before);
    QFETCH(QStringList, now);
    QFETCH(QString, plugged);
    QCOMPARE(j3k::pluggedInPort(before, now), plugged);
}

QTEST_MAIN(tst_Desktop)
#include "tst_desktop.moc"
