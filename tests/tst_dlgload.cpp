// The load dialog: what it shows, what it reads, and what it hands to LOAD.
#include "dlgload.h"
#include "modalscript.h"
#include "testparams.h"
#include "windowtest.h"

#include <QCheckBox>
#include <QDir>
#include <QEvent>
#include <QGroupBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>

namespace {
// The path, the length and the preview the dialog shows, and the text it
// would hand to LOAD.
QStringList shown(const DlgLoad &dlg)
{
    return {child<QLineEdit>(dlg, "lineEdit")->text(), child<QLabel>(dlg, "labelFileLength")->text(),
            child<QTextBrowser>(dlg, "textBrowser")->toPlainText(), dlg.getContext()};
}
}  // namespace

class tst_DlgLoad : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void dialogAsShown();
    void browse_data();
    void browse();
    void unreadableFile_data();
    void unreadableFile();
    void cancelledBrowseKeepsFirstFile();
    void bitKeepsTextAndStaysUnchecked();

private:
    QString path(const QString &name) const { return m_dir.filePath(name); }
    void browseTo(DlgLoad &dlg, const QString &path, FileDialogSeen *seen = nullptr);

    QTemporaryDir m_dir;
};

void tst_DlgLoad::initTestCase()
{
    QVERIFY(m_dir.isValid());
    // The file dialog starts in "./": here, so the test can see it does.
    QVERIFY(QDir::setCurrent(m_dir.path()));
}

void tst_DlgLoad::browseTo(DlgLoad &dlg, const QString &path, FileDialogSeen *seen)
{
    ModalScript script;
    script.then("QFileDialog", chooseFile(path, seen));
    child<QToolButton>(dlg, "toolButton")->click();
    QVERIFY(script.done());
    QCOMPARE(script.unexpected(), QStringList());
}

void tst_DlgLoad::dialogAsShown()
{
    DlgLoad dlg;
    QCOMPARE(dlg.windowTitle(), QStringLiteral("加载文件"));
    QCOMPARE(dlg.size(), QSize(388, 240));
    QCOMPARE(dlg.minimumSize(), QSize(320, 240));
    QCOMPARE(dlg.maximumSize(), QSize(400, 300));

    QCOMPARE(child<QLabel>(dlg, "label")->text(), QStringLiteral("filename："));
    QCOMPARE(child<QLabel>(dlg, "labelFileLength")->text(), QStringLiteral("file length：0"));
    QCOMPARE(child<QLabel>(dlg, "label_3")->text(), QStringLiteral("Preview before 16 bytes of data："));
    QCOMPARE(child<QGroupBox>(dlg, "groupBox")->title(), QStringLiteral("file info"));
    QStringList buttons;
    for (const char *name : {"toolButton", "checkBox", "pushButtonOK", "pushButton"})
        buttons << child<QAbstractButton>(dlg, name)->text();
    QCOMPARE(buttons, (QStringList{"browse", "BIT", "OK", "CANCEL"}));

    auto *bit = child<QCheckBox>(dlg, "checkBox");
    QVERIFY(bit->isEnabled());
    QVERIFY(!bit->isCheckable());
    const QString tip = QStringLiteral("用于打开二进制文件");
    QCOMPARE(bit->toolTip(), tip);
    QCOMPARE(bit->statusTip(), tip);
    QCOMPARE(bit->whatsThis(), tip);
    QCOMPARE(child(dlg, "textBrowser")->contextMenuPolicy(), Qt::NoContextMenu);

    // A language change puts the form's texts back.
    child<QToolButton>(dlg, "toolButton")->setText(QStringLiteral("garbled"));
    QEvent change(QEvent::LanguageChange);
    QCoreApplication::sendEvent(&dlg, &change);
    QCOMPARE(child<QToolButton>(dlg, "toolButton")->text(), QStringLiteral("browse"));
}

void tst_DlgLoad::browse_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("length");
    QTest::addColumn<QString>("preview");
    QTest::addColumn<QString>("context");

    const QString file = kStartS + kStartG;
    QTest::newRow("parameter file") << kStartFile << "文件长度：162B" << file.left(16) << file;
    QTest::newRow("hex dump") << QByteArray("53 30 30") << "文件长度：8B" << QStringLiteral("S00") << "S00";
    QTest::newRow("hex token above FF") << QByteArray("1FF 30") << "文件长度：6B" << QStringLiteral("1FF 30")
                                        << "1FF 30";
    QTest::newRow("empty file") << QByteArray() << "文件长度：0B" << QString() << QString();
}

void tst_DlgLoad::browse()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, length);
    QFETCH(QString, preview);
    QFETCH(QString, context);

    const QString file = writeFile(path(QStringLiteral("chosen.txt")), content);
    QVERIFY(!file.isEmpty());
    DlgLoad dlg;
    FileDialogSeen seen;
    browseTo(dlg, file, &seen);

    QCOMPARE(seen.title, QStringLiteral("打开文件"));
    QCOMPARE(seen.directory, QDir::currentPath());
    QCOMPARE(seen.filters, (QStringList{"所有文件 (*.*)", "文本文件 (*.txt *.dat)"}));
    QCOMPARE(shown(dlg), (QStringList{file, length, preview, context}));
}

void tst_DlgLoad::unreadableFile_data()
{
    // The file dialog itself refuses folders and missing files, so the file
    // goes astray between being chosen and being read.
    QTest::addColumn<bool>("becomesFolder");
    QTest::newRow("a folder by then") << true;
    QTest::newRow("gone by then") << false;
}

void tst_DlgLoad::unreadableFile()
{
    QFETCH(bool, becomesFolder);
    const QString good = writeFile(path(QStringLiteral("good.txt")), kStartFile);
    const QString astray = writeFile(path(QStringLiteral("astray.txt")), kStartFile);
    QVERIFY(!good.isEmpty() && !astray.isEmpty());

    DlgLoad dlg;
    browseTo(dlg, good);
    MessageSeen box;
    ModalScript script;
    script.then("QFileDialog", [&](QWidget *w) {
        chooseFile(astray)(w);
        QFile::remove(astray);
        if (becomesFolder)
            QDir().mkdir(astray);
    });
    script.then("QMessageBox", press(QMessageBox::Ok, &box));
    child<QToolButton>(dlg, "toolButton")->click();
    QDir().rmdir(astray);

    QVERIFY(script.done());
    QCOMPARE(box.title, QStringLiteral("错误"));
    QCOMPARE(box.text, QStringLiteral("不能读取指定的文件"));
    QCOMPARE(box.icon, QMessageBox::Critical);
    QCOMPARE(box.parent, &dlg);
    // No path and nothing to LOAD; what the last good file showed stays on show.
    QCOMPARE(shown(dlg), (QStringList{QString(), "文件长度：162B", kStartS.left(16), QString()}));
}

void tst_DlgLoad::cancelledBrowseKeepsFirstFile()
{
    const QString file = writeFile(path(QStringLiteral("first.txt")), "53 30 30");
    QVERIFY(!file.isEmpty());
    DlgLoad dlg;
    browseTo(dlg, file);
    browseTo(dlg, QString());
    QCOMPARE(shown(dlg), (QStringList{file, "文件长度：8B", "S00", "S00"}));
}

void tst_DlgLoad::bitKeepsTextAndStaysUnchecked()
{
    DlgLoad dlg;
    auto *bit = child<QCheckBox>(dlg, "checkBox");
    bit->click();
    QVERIFY(!bit->isChecked());
    QCOMPARE(dlg.getContext(), QString());

    // The dump was converted on reading; converting again must not touch it.
    const QString file = writeFile(path(QStringLiteral("dump.txt")), "53 30 30");
    QVERIFY(!file.isEmpty());
    browseTo(dlg, file);
    bit->click();
    QVERIFY(!bit->isChecked());
    QCOMPARE(shown(dlg), (QStringList{file, "文件长度：8B", "S00", "S00"}));
}

QTEST_MAIN(tst_DlgLoad)
#include "tst_dlgload.moc"
