// SAVE and LOAD from the user's side: the buttons, the dialogs they open, the
// bytes on disk and the widgets afterwards.
#include "mainwindow.h"
#include "modalscript.h"
#include "parambinding.h"
#include "randomparams.h"
#include "records.h"

#include <QComboBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

using namespace j3k;

namespace {
const QByteArray kStartFile = "S00100000787878787878787870707070707070707070707070707070424210424242424213027F2Y"
                              "G01E2D3C4855680DCDCDCDCDC140A642A6A6674747474747474740074747474747474740135006D2Z";
const QByteArray kTemplateS = "S00000000787878787878787876767676767676767575757575757875323232323264323201236D2Y";
const QByteArray kTemplateG = "G41E2D3C4855680DCDCDCDCDC14096329696674747474747474740074746464646464640135006D2Z";

template<typename T>
T *child(const QObject &parent, const char *name)
{
    return parent.findChild<T *>(QLatin1String(name));
}

QByteArray lowerHex(const QByteArray &record)  // the record letters stay capitals
{
    return record.first(1) + record.sliced(1, 79).toLower() + record.last(1);
}

QByteArray contentsOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}
}  // namespace

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
    void loadRefused_data();
    void loadRefused();
    void loadCancelled();

private:
    QString path(const QString &name) const { return m_dir->filePath(name); }
    QString writeFile(const QString &name, const QByteArray &content);
    void save(MainWindow &w, const ModalScript::Answer &fileDialog, const ModalScript::Answer &box = {});
    void load(MainWindow &w, const QString &file, const char *button, MessageSeen *box = nullptr);

    std::unique_ptr<QTemporaryDir> m_dir;
};

void tst_Files::init()
{
    // A fresh folder per test, and current: the file dialogs start in "./".
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    QVERIFY(QDir::setCurrent(m_dir->path()));
}

QString tst_Files::writeFile(const QString &name, const QByteArray &content)
{
    QFile file(path(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        return QString();
    return file.fileName();
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
    const QString file = writeFile(QStringLiteral("old.dat"), QByteArray(500, 'x'));
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
        QVERIFY(!writeFile(folder, "kept").isEmpty());
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
        const ParamSet loaded = ParamBinding(&loader).read();
        for (int i = 0; i < int(ParamCount); ++i)
            QVERIFY2(loaded.value(i) == expected.value(i), paramTable()[std::size_t(i)].name);
    }
}

void tst_Files::loadAccepted_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("attitudeChannel");  // comboBox_4, set to 2 before loading

    QTest::newRow("record templates") << kTemplateS + kTemplateG << 4;
    QTest::newRow("lower-case hex") << lowerHex(kTemplateS) + lowerHex(kTemplateG) << 4;
    QTest::newRow("LF between") << kTemplateS + '\n' + kTemplateG << 4;
    QTest::newRow("CR LF between") << kTemplateS + "\r\n" + kTemplateG << 4;
    QTest::newRow("text after G ignored") << kTemplateS + kTemplateG + "\r\nG9Z junk" << 4;
    QTest::newRow("combo index off its list") << kTemplateS + QByteArray(kTemplateG).replace(1, 1, "9") << 2;
}

void tst_Files::loadAccepted()
{
    QFETCH(QByteArray, content);
    QFETCH(int, attitudeChannel);
    const QString file = writeFile(QStringLiteral("load.txt"), content);
    QVERIFY(!file.isEmpty());

    MainWindow w;
    const QStringList attitudes{"spinBox_81", "spinBox_82", "spinBox_83", "spinBox_84", "spinBox_85", "spinBox_86"};
    for (const QString &name : attitudes)
        w.findChild<QSpinBox *>(name)->setValue(0);  // the start values equal the template's
    child<QComboBox>(w, "comboBox_4")->setCurrentIndex(2);
    child<QSpinBox>(w, "spinBox_46")->setValue(4321);
    load(w, file, "pushButtonOK");

    QList<int> loaded;
    for (const QString &name : attitudes)
        loaded << w.findChild<QSpinBox *>(name)->value();
    QCOMPARE(loaded, (QList<int>{14, 29, 44, 56, 69, 88}));
    QCOMPARE(child<QComboBox>(w, "comboBox_4")->currentIndex(), attitudeChannel);
    QCOMPARE(child<QDoubleSpinBox>(w, "doubleSpinBox")->value(), 9.3);
    QCOMPARE(child<QSpinBox>(w, "spinBox_46")->value(), 4321);
}

void tst_Files::loadRefused_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("chooseFile");
    QTest::newRow("OK without a file") << QByteArray() << false;
    QTest::newRow("empty file") << QByteArray() << true;
    QTest::newRow("one character short") << kStartFile.chopped(1) << true;
    QTest::newRow("not hex") << QByteArray(kStartFile).replace(30, 1, "x") << true;
    QTest::newRow("wrong record letter") << QByteArray(kStartFile).replace(81, 1, "S") << true;
    QTest::newRow("two line breaks between") << kTemplateS + "\n\n" + kTemplateG << true;
}

void tst_Files::loadRefused()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, chooseFile);
    const QString file = chooseFile ? writeFile(QStringLiteral("bad.txt"), content) : QString();
    QVERIFY(!chooseFile || !file.isEmpty());

    MainWindow w;
    QRandomGenerator rng(27);
    ParamBinding(&w).write(randomParams(rng));
    const ParamSet before = ParamBinding(&w).read();
    MessageSeen box;
    load(w, file, "pushButtonOK", &box);

    QVERIFY(ParamBinding(&w).read() == before);
    QCOMPARE(box.title, QStringLiteral("错误"));
    QCOMPARE(box.text, QStringLiteral("文件格式不正确"));
    QCOMPARE(box.icon, QMessageBox::Critical);
    QCOMPARE(box.parent, &w);
}

void tst_Files::loadCancelled()
{
    const QString file = writeFile(QStringLiteral("load.txt"), kTemplateS + kTemplateG);
    QVERIFY(!file.isEmpty());
    MainWindow w;
    const ParamSet before = ParamBinding(&w).read();
    load(w, file, "pushButton");
    QVERIFY(ParamBinding(&w).read() == before);
}

QTEST_MAIN(tst_Files)
#include "tst_files.moc"
