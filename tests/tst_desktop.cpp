// The editor as a desktop program: what it remembers from one run to the
// next.
#include "mainwindow.h"
#include "modalscript.h"
#include "windowtest.h"

#include <QCheckBox>
#include <QRandomGenerator>
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
    FileDialogSeen seen;
    runFileCommand(second, name, chooseFile(QString(), &seen));
    QCOMPARE(seen.directory, QDir(dir.path()).absolutePath());
}

QTEST_MAIN(tst_Desktop)
#include "tst_desktop.moc"
