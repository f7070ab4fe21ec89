// SAVE and LOAD from the user's side: the buttons, the dialogs they open, the
// bytes on disk and the widgets afterwards.
#include "mainwindow.h"
#include "modalscript.h"
#include "parambinding.h"
#include "records.h"
#include "testparams.h"
#include "windowtest.h"

#include <QDir>
#include <QDoubleSpinBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

using namespace j3k;

class tst_Files : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void saveStartValues();
    void saveOverLongerFile();
    void saveUnwritable_data();
    void saveUnwritable();
    void saveCancelled();
    void saveThenLoadRestores();
    void loadAccepted_data();
    void loadAccepted();
    void loadChangesNothing_data();
    void loadChangesNothing();

private:
    QString path(const QString &name) const { return m_dir->filePath(name); }
    void save(MainWindow &w, const ModalScript::Answer &fileDialog, const ModalScript::Answer &box = {});
    void load(MainWindow &w, const QString &file, const char *button, MessageSeen *box = nullptr);

    std::unique_ptr<QTemporaryDir> m_dir;
};

void tst_Files::init()
{
    freshSettings();
    // A fresh folder per test, and current: the file dialogs start in "./".
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    QVERIFY(QDir::setCurrent(m_dir->path()));
}

// SAVE with the file dialog answered by `fileDialog`, and the message box
// SAVE is expected to show by `box`.
void tst_Files::save(MainWindow &w, const ModalScript::Answer &fileDialog, const ModalScript::Answer &box)
{
    ModalScript script;
    script.then("QFileDialog", fileDialog);
    if (box)
        script.then("QMessageBox", box);
    child<QPushButton>(w, "pushButtonSave")->click();
    QVERIFY(script.done());
    QCOMPARE(script.unexpected(), QStringList());
}

// LOAD with `file` chosen in the dialog (none when empty), ended with the
// dialog's `button`; `box` answers the message box LOAD is expected to show.
void tst_Files::load(MainWindow &w, const QString &file, const char *button, MessageSeen *box)
{
    ModalScript script;
    if (!file.isEmpty())
        script.then("DlgLoad", click("toolButton")).then("QFileDialog", chooseFile(file));
    script.then("DlgLoad", click(button));
    if (box)
        script.then("QMessageBox", press(QMessageBox::Ok, box));
    child<QPushButton>(w, "pushButtonLoad")->click();
    QVERIFY(script.done());
    QCOMPARE(script.unexpected(), QStringList());
}

void tst_Files::saveStartValues()
{
    MainWindow w;
    FileDialogSeen seen;
    save(w, [&](QWidget *dialog) {
        // Too late: SAVE took the values when the button was clicked.
        child<QSpinBox>(w, "spinBox_9")->setValue(50);
        chooseFile(path(QStringLiteral("start.txt")), &seen)(dialog);
    });

    QCOMPARE(contentsOf(path(QStringLiteral("start.txt"))), kStartFile);
    QCOMPARE(seen.title, QStringLiteral("保存数据"));
    QCOMPARE(seen.directory, QDir::currentPath());
    QCOMPARE(seen.filters, (QStringList{"文本文件 (*.txt *.dat)", "所有文件 (*.*)"}));
}

void tst_Files::saveOverLongerFile()
{
    const QString file = writeFile(path(QStringLiteral("old.dat")), QByteArray(500, 'x'));
    QVERIFY(!file.isEmpty());
    MainWindow w;
    save(w, chooseFile(file), press(QMessageBox::Yes));  // replace it?
    QCOMPARE(contentsOf(file), kStartFile);
}

void tst_Files::saveUnwritable_data()
{
    // Paths no one can write, root included.
    QTest::addColumn<QString>("folder");
    QTest::addColumn<bool>("folderIsFile");
    QTest::newRow("folder is a file") << "plain" << true;
    QTest::newRow("folder missing") << "missing" << false;
}

void tst_Files::saveUnwritable()
{
    QFETCH(QString, folder);
    QFETCH(bool, folderIsFile);
    if (folderIsFile)
        QVERIFY(!writeFile(path(folder), "kept").isEmpty());
    const QStringList before = QDir(m_dir->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);

    MainWindow w;
    MessageSeen box;
    save(w, chooseFile(path(folder + QStringLiteral("/out.txt"))), press(QMessageBox::Ok, &box));

    QCOMPARE(box.title, QStringLiteral("错误"));
    QCOMPARE(box.text, QStringLiteral("不能写入指定的文件"));
    QCOMPARE(box.icon, QMessageBox::Critical);
    QCOMPARE(box.parent, &w);
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);
    if (folderIsFile)
        QCOMPARE(contentsOf(path(folder)), QByteArray("kept"));
}

void tst_Files::saveCancelled()
{
    MainWindow w;
    save(w, chooseFile(QString()));
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
}

void tst_Files::saveThenLoadRestores()
{
    QRandomGenerator rng(3141);
    for (int round = 0; round < 3; ++round) {
        MainWindow saver;
        ParamBinding(&saver).write(randomParams(rng));
        const ParamSet shown = ParamBinding(&saver).read();
        const QString file = path(QStringLiteral("round%1.txt").arg(round));
        save(saver, chooseFile(file));
        // What UPDATE would send for the same values, in the same order.
        QCOMPARE(contentsOf(file), (buildRecord(RecordId::S, shown) + buildRecord(RecordId::G, shown)).toLatin1());

        MainWindow loader;
        child<QSpinBox>(loader, "spinBox_46")->setValue(4321);
        load(loader, file, "pushButtonOK");
        ParamSet expected = shown;
        expected.set(u"spinBox_46", 4321);  // VERSION is in neither record
        QCOMPARE(differences(ParamBinding(&loader).read(), expected), QString());
    }
}

void tst_Files::loadAccepted_data()
{
    QTest::addColumn<QString>("content");
    QTest::addColumn<int>("attitudeChannel");  // comboBox_4, set to 2 before loading

    const QString &s = kTemplateS, &g = kTemplateG;
    QTest::newRow("record templates") << s + g << 4;
    QTest::newRow("lower-case hex") << lowerHex(s) + lowerHex(g) << 4;
    QTest::newRow("LF between") << s + u'\n' + g << 4;
    QTest::newRow("CR LF between") << s + QStringLiteral("\r\n") + g << 4;
    QTest::newRow("text after G ignored") << s + g + QStringLiteral("\r\nG9Z junk") << 4;
    QTest::newRow("combo index off its list") << s + with(g, 1, QStringLiteral("9")) << 2;
}

void tst_Files::loadAccepted()
{
    QFETCH(QString, content);
    QFETCH(int, attitudeChannel);
    const QString file = writeFile(path(QStringLiteral("load.txt")), content.toLatin1());
    QVERIFY(!file.isEmpty());

    MainWindow w;
    const QStringList attitudes{"spinBox_81", "spinBox_82", "spinBox_83", "spinBox_84", "spinBox_85", "spinBox_86"};
    for (const QString &name : attitudes)
        child<QSpinBox>(w, name)->setValue(0);  // the start values equal the template's
    child<QComboBox>(w, "comboBox_4")->setCurrentIndex(2);
    child<QSpinBox>(w, "spinBox_46")->setValue(4321);
    load(w, file, "pushButtonOK");

    QList<int> loaded;
    for (const QString &name : attitudes)
        loaded << child<QSpinBox>(w, name)->value();
    QCOMPARE(loaded, (QList<int>{14, 29, 44, 56, 69, 88}));
    QCOMPARE(child<QComboBox>(w, "comboBox_4")->currentIndex(), attitudeChannel);
    QCOMPARE(child<QDoubleSpinBox>(w, "doubleSpinBox")->value(), 9.3);
    QCOMPARE(child<QSpinBox>(w, "spinBox_46")->value(), 4321);
}

void tst_Files::loadChangesNothing_data()
{
    QTest::addColumn<QString>("content");
    QTest::addColumn<bool>("chooseFile");
    QTest::addColumn<QByteArray>("button");  // OK is refused with a box, CANCEL quietly

    const QByteArray ok = "pushButtonOK";
    const QString start = kStartS + kStartG;
    QTest::newRow("cancelled") << kTemplateS + kTemplateG << true << QByteArray("pushButton");
    QTest::newRow("OK without a file") << QString() << false << ok;
    QTest::newRow("empty file") << QString() << true << ok;
    QTest::newRow("one character short") << start.chopped(1) << true << ok;
    QTest::newRow("not hex") << with(start, 30, QStringLiteral("x")) << true << ok;
    QTest::newRow("wrong record letter") << with(start, 81, QStringLiteral("S")) << true << ok;
    QTest::newRow("two line breaks between") << kTemplateS + QStringLiteral("\n\n") + kTemplateG << true << ok;
}

void tst_Files::loadChangesNothing()
{
    QFETCH(QString, content);
    QFETCH(bool, chooseFile);
    QFETCH(QByteArray, button);
    const QString file = chooseFile ? writeFile(path(QStringLiteral("bad.txt")), content.toLatin1()) : QString();
    QVERIFY(!chooseFile || !file.isEmpty());

    MainWindow w;
    QRandomGenerator rng(27);
    ParamBinding(&w).write(randomParams(rng));
    const ParamSet before = ParamBinding(&w).read();
    const bool refused = button == "pushButtonOK";
    MessageSeen box;
    load(w, file, button.constData(), refused ? &box : nullptr);

    QCOMPARE(differences(ParamBinding(&w).read(), before), QString());
    if (refused) {
        QCOMPARE(box.title, QStringLiteral("错误"));
        QCOMPARE(box.text, QStringLiteral("文件格式不正确"));
        QCOMPARE(box.icon, QMessageBox::Critical);
        QCOMPARE(box.parent, &w);
    }
}

QTEST_MAIN(tst_Files)
#include "tst_files.moc"
