// SAVE and LOAD from the user's side: the dialogs, the bytes on disk and the
// widgets afterwards.
#include "dlgload.h"
#include "mainwindow.h"
#include "modalscript.h"
#include "parambinding.h"
#include "paramfile.h"
#include "testparams.h"
#include "windowtest.h"

#include <QDir>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>

using namespace j3k;

class tst_Files : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void saveTakesValuesAtTheClick();
    void saveFailureChangesNothing_data();
    void saveFailureChangesNothing();
    void saveThenLoad();
    void loadRefusesGarbage_data();
    void loadRefusesGarbage();
    void loadDialogShows_data();
    void loadDialogShows();

private:
    QString path(const QString &name) const { return m_dir->filePath(name); }
    QStringList entries() const { return QDir(m_dir->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot); }
    void run(QAbstractButton *command, ModalScript &script);

    std::unique_ptr<QTemporaryDir> m_dir;
};

void tst_Files::init()
{
    freshSettings();
    // The file dialogs start in "./": a fresh folder for every test.
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(QDir::setCurrent(m_dir->path()));
}

void tst_Files::run(QAbstractButton *command, ModalScript &script)
{
    command->click();
    QVERIFY(script.done());
    QCOMPARE(script.unexpected(), QStringList());
}

void tst_Files::saveTakesValuesAtTheClick()
{
    MainWindow w;
    ModalScript script;
    script.then("QFileDialog", [&](QWidget *dialog) {
        child<QSpinBox>(w, "spinBox_9")->setValue(50);  // too late for this SAVE
        chooseFile(path(QStringLiteral("start.txt")))(dialog);
    });
    run(button(w, "pushButtonSave"), script);
    QCOMPARE(contentsOf(path(QStringLiteral("start.txt"))), kStartFile);
}

void tst_Files::saveFailureChangesNothing_data()
{
    QTest::addColumn<QString>("target");  // below the test's folder, which holds "plain"
    QTest::newRow("folder is a file") << "plain/out.txt";
    QTest::newRow("folder missing") << "missing/out.txt";
}

void tst_Files::saveFailureChangesNothing()
{
    QFETCH(QString, target);
    QVERIFY(!writeFile(path(QStringLiteral("plain")), "kept").isEmpty());
    MainWindow w;
    MessageSeen box;
    ModalScript script;
    script.then("QFileDialog", chooseFile(path(target))).then("QMessageBox", press(QMessageBox::Ok, &box));
    run(button(w, "pushButtonSave"), script);
    QCOMPARE(box.text, QStringLiteral("不能写入指定的文件"));
    QCOMPARE(entries(), QStringList{"plain"});
    QCOMPARE(contentsOf(path(QStringLiteral("plain"))), QByteArray("kept"));
}

void tst_Files::saveThenLoad()
{
    QRandomGenerator rng(3141);
    MainWindow saver;
    ParamBinding(&saver).write(randomParams(rng));
    const ParamSet shown = ParamBinding(&saver).read();
    const QString file = path(QStringLiteral("saved.txt"));
    {
        ModalScript saving;  // one script at a time
        saving.then("QFileDialog", chooseFile(file));
        run(button(saver, "pushButtonSave"), saving);
    }
    QCOMPARE(contentsOf(file), paramFileBytes(shown));

    MainWindow loader;
    child<QSpinBox>(loader, "spinBox_46")->setValue(4321);  // VERSION is in neither record
    ModalScript loading;
    loading.then("DlgLoad", click("toolButton")).then("QFileDialog", chooseFile(file));
    loading.then("DlgLoad", click("pushButtonOK"));
    run(button(loader, "pushButtonLoad"), loading);
    QCOMPARE(differences(ParamBinding(&loader).read(), applied(shown, {"spinBox_46=4321"})), QString());
}

void tst_Files::loadRefusesGarbage_data()
{
    QTest::addColumn<QString>("content");  // null: OK without choosing a file
    const QString start = kStartS + kStartG;
    QTest::newRow("OK without a file") << QString();
    QTest::newRow("empty file") << QStringLiteral("");
    QTest::newRow("one character short") << start.chopped(1);
    QTest::newRow("not hex") << with(start, 30, QStringLiteral("x"));
    QTest::newRow("wrong record letter") << with(start, 81, QStringLiteral("S"));
}

void tst_Files::loadRefusesGarbage()
{
    QFETCH(QString, content);
    MainWindow w;
    QRandomGenerator rng(27);
    ParamBinding(&w).write(randomParams(rng));
    const ParamSet before = ParamBinding(&w).read();
    MessageSeen box;
    ModalScript script;
    if (!content.isNull()) {
        const QString file = writeFile(path(QStringLiteral("bad.txt")), content.toLatin1());
        script.then("DlgLoad", click("toolButton")).then("QFileDialog", chooseFile(file));
    }
    script.then("DlgLoad", click("pushButtonOK")).then("QMessageBox", press(QMessageBox::Ok, &box));
    run(button(w, "pushButtonLoad"), script);
    QCOMPARE(box.text, QStringLiteral("文件格式不正确"));
    QCOMPARE(differences(ParamBinding(&w).read(), before), QString());
}

// The file's length, the preview, and the text the dialog hands to LOAD.
void tst_Files::loadDialogShows_data()
{
    QTest::addColumn<QByteArray>("content");  // null: the file is gone before it is read
    QTest::addColumn<QStringList>("shown");
    const QString file = QString::fromLatin1(kStartFile);
    QTest::newRow("parameter file") << kStartFile << QStringList{"文件长度：162B", file.left(16), file};
    QTest::newRow("hex dump") << QByteArray("53 30 30") << QStringList{"文件长度：8B", "S00", "S00"};
    QTest::newRow("unreadable") << QByteArray() << QStringList{"file length：0", "", ""};
}

void tst_Files::loadDialogShows()
{
    QFETCH(QByteArray, content);
    QFETCH(QStringList, shown);
    const QString file = writeFile(path(QStringLiteral("chosen.txt")), content);
    DlgLoad dlg;
    MessageSeen box;
    ModalScript script;
    script.then("QFileDialog", [&](QWidget *dialog) {
        chooseFile(file)(dialog);
        if (content.isNull())
            QFile::remove(file);
    });
    if (content.isNull())
        script.then("QMessageBox", press(QMessageBox::Ok, &box));
    run(child<QToolButton>(dlg, "toolButton"), script);
    QStringList seen{child<QLabel>(dlg, "labelFileLength")->text(),
                     child<QTextBrowser>(dlg, "textBrowser")->toPlainText(), dlg.getContext()};
    if (content.isNull())
        QCOMPARE(box.text, QStringLiteral("不能读取指定的文件"));
    QCOMPARE(seen, shown);
}

QTEST_MAIN(tst_Files)
#include "tst_files.moc"
