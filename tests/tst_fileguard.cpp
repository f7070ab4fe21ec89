// SAVE and LOAD against what a careless or hostile user points them at: a
// disk that takes no more, a FIFO, an endless device, a huge sparse file, a
// path typed in by hand.
#include "dlgload.h"
#include "mainwindow.h"
#include "modalscript.h"
#include "paramfile.h"
#include "testparams.h"
#include "windowtest.h"

#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {
long peakResidentKiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// A FIFO is never opened here: reading one without a writer waits forever.
QByteArray kindAndContents(const QString &path)
{
    return QFileInfo(path).isFile() ? contentsOf(path) : QByteArray("not a file");
}
}  // namespace

class tst_FileGuard : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void saveFailureLeavesTarget_data();
    void saveFailureLeavesTarget();
    void loadReadsOnlySmallFiles_data();
    void loadReadsOnlySmallFiles();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

void tst_FileGuard::init()
{
    QStandardPaths::setTestModeEnabled(true);
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    QVERIFY(QDir::setCurrent(m_dir->path()));
}

void tst_FileGuard::saveFailureLeavesTarget_data()
{
    QTest::addColumn<bool>("fifo");  // else a file that may grow to 100 bytes only
    QTest::newRow("file size limit below 162 bytes") << false;
    QTest::newRow("FIFO") << true;
}

void tst_FileGuard::saveFailureLeavesTarget()
{
    QFETCH(bool, fifo);
    const QString target = m_dir->filePath(QStringLiteral("target"));
    if (fifo)
        QCOMPARE(mkfifo(QFile::encodeName(target).constData(), 0600), 0);
    else
        QVERIFY(!writeFile(target, (kTemplateS + kTemplateG).toLatin1()).isEmpty());
    const QByteArray before = kindAndContents(target);

    rlimit saved{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
    MainWindow w;
    MessageSeen box;
    ModalScript script;
    script.then("QFileDialog", chooseFile(target)).then("QMessageBox", [&](QWidget *replace) {
        if (!fifo) {  // like a full disk: the write fails with EFBIG, not with a signal
            std::signal(SIGXFSZ, SIG_IGN);
            rlimit small = saved;
            small.rlim_cur = 100;
            QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
        }
        press(QMessageBox::Yes)(replace);
    });
    script.then("QMessageBox", press(QMessageBox::Ok, &box));
    button(w, "pushButtonSave")->click();
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &saved), 0);

    QVERIFY(script.done());
    QCOMPARE(script.unexpected(), QStringList());
    QCOMPARE(box.title, QStringLiteral("错误"));
    QCOMPARE(box.text, QStringLiteral("不能写入指定的文件"));
    QVERIFY(!box.details.isEmpty());
    QCOMPARE(kindAndContents(target), before);
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot),
             QStringList{"target"});
}

void tst_FileGuard::loadReadsOnlySmallFiles_data()
{
    QTest::addColumn<QString>("path");  // a device, or a file made here from `content`
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<qint64>("sparseSize");
    QTest::addColumn<bool>("typed");        // typed into the file box, else browsed to
    QTest::addColumn<QString>("length");    // the length label; empty when refused
    QTest::addColumn<QString>("expected");  // the text handed to LOAD, or what the refusal says

    const QString f = QStringLiteral("file");
    const QByteArray param = kStartFile;
    const QByteArray atBound(65536, 'S');
    QTest::newRow("typed parameter file") << f << param << 0LL << true << "文件长度：162B" << kStartS + kStartG;
    QTest::newRow("size in bytes") << f << QByteArray("S\xc3\xa9") << 0LL << false << "文件长度：3B"
                                   << "Sé";
    QTest::newRow("64 KiB") << f << atBound << 0LL << true << "文件长度：65536B" << QString(atBound);
    QTest::newRow("a byte more") << f << atBound + 'S' << 0LL << true << QString() << "65537 bytes";
    QTest::newRow("1 GiB sparse") << f << QByteArray() << (1LL << 30) << false << QString() << "1073741824 bytes";
    QTest::newRow("FIFO without writer") << "fifo" << QByteArray() << 0LL << false << QString() << "not a regular";
    QTest::newRow("/dev/zero") << "/dev/zero" << QByteArray() << 0LL << true << QString() << "not a regular";
}

void tst_FileGuard::loadReadsOnlySmallFiles()
{
    QFETCH(QString, path);
    QFETCH(QByteArray, content);
    QFETCH(qint64, sparseSize);
    QFETCH(bool, typed);
    QFETCH(QString, length);
    QFETCH(QString, expected);
    if (path == u"fifo")
        QCOMPARE(mkfifo(QFile::encodeName(m_dir->filePath(path)).constData(), 0600), 0);
    else if (!path.startsWith(u'/'))
        QVERIFY(!writeFile(m_dir->filePath(path), content).isEmpty());
    path = QDir(m_dir->path()).absoluteFilePath(path);
    if (sparseSize > 0)
        QVERIFY(QFile::resize(path, sparseSize));

    DlgLoad dlg;
    MessageSeen box;
    ModalScript script;
    if (!typed)
        script.then("QFileDialog", chooseFile(path));
    if (length.isEmpty())
        script.then("QMessageBox", press(QMessageBox::Ok, &box));
    const long peakBefore = peakResidentKiB();
    QElapsedTimer clock;
    clock.start();
    if (typed)
        child<QLineEdit>(dlg, "lineEdit")->setText(path);
    else
        child<QToolButton>(dlg, "toolButton")->click();
    child<QAbstractButton>(dlg, "pushButtonOK")->click();

    QVERIFY(script.done());
    QCOMPARE(script.unexpected(), QStringList());
    QVERIFY2(clock.elapsed() < 1000, qPrintable(QStringLiteral("%1 ms").arg(clock.elapsed())));
    QVERIFY2(peakResidentKiB() - peakBefore < 32 * 1024, "memory grew with the file");
    if (length.isEmpty()) {
        QCOMPARE(box.title, QStringLiteral("错误"));
        QCOMPARE(box.text, QStringLiteral("不能读取指定的文件"));
        QVERIFY2(box.details.contains(expected), qPrintable(box.details));
        QCOMPARE(dlg.getContext(), QString());
    } else {
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QCOMPARE(child<QLabel>(dlg, "labelFileLength")->text(), length);
        QCOMPARE(dlg.getContext(), expected);
    }
}

QTEST_MAIN(tst_FileGuard)
#include "tst_fileguard.moc"
