// SPDX-License-Identifier: GPL-3.0-or-later
// SAVE and LOAD from the user's side: the dialogs, the bytes on disk and the
// widgets afterwards, also when pointed at a disk that takes no more, a FIFO
// or a huge sparse file.
#include "dlgload.h"
#include "windowtest.h"

#include <QLineEdit>
#include <QListView>
#include <QStatusBar>
#include <QTextBrowser>
#include <QToolButton>

#include <csignal>
#ifdef Q_OS_UNIX
#include <sys/resource.h>
#include <sys/stat.h>
#endif

using namespace j3k;

class tst_Files : public QObject
{
    Q_OBJECT

private Q_SLOTS:

    void init()
    {
        freshSettings();
        // The file dialogs start in "./": a fresh folder for every test.
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(QDir::setCurrent(m_dir->path()));
    }
    // Windows removes no folder that is a process's current one.
    void cleanup() { QDir::setCurrent(QDir::tempPath()); }

    // A bare name under the text filter gets ".txt", so LOAD's text filter
    // finds it; under "All files" it stays as typed.
    void saveTakesValuesAtTheClick_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("filter");
        QTest::addColumn<QString>("written");
        QTest::newRow("named with .txt") << "start.txt" << 0 << "start.txt";
        QTest::newRow("bare name, text files") << "glider" << 0 << "glider.txt";
        QTest::newRow("bare name, all files") << "glider" << 1 << "glider";
    }
    void saveTakesValuesAtTheClick()
    {
        QFETCH(QString, typed);
        QFETCH(int, filter);
        QFETCH(QString, written);
        MainWindow w;
        ModalScript script;
        script.then("QFileDialog", [&](QWidget *dialog) {
            child<QSpinBox>(w, "spinBox_9")->setValue(50);  // too late for this SAVE
            for (int i = 0; i < filter; ++i)  // the user's way: selectNameFilter() tells the dialog nothing
                QTest::keyClick(dialog->findChild<QComboBox *>(QStringLiteral("fileTypeCombo")), Qt::Key_Down);
            chooseFile(path(typed))(dialog);
        });
        button(w, "pushButtonSave")->click();
        QCOMPARE(contentsOf(path(written)), kStartFile);
        // A long folder gives way in the middle; the file's name always shows.
        const QString said = w.statusBar()->currentMessage();
        QVERIFY2(said.startsWith(u"saved to ") && said.endsWith(QDir::toNativeSeparators(u'/' + written)),
                 qPrintable(said));
    }

    void loadRefusesGarbage_data()
    {
        QTest::addColumn<QString>("content");  // null: OK without choosing a file
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("details");
        const QString start = kStartS + kStartG;
        QTest::newRow("OK without a file") << QString() << "文件格式不正确" << QString();
        QTest::newRow("values out of range")
            << QString(start).replace(9, 2, "FF").replace(81 + 54, 1, "9")
            << "The file holds values outside their ranges; nothing was loaded."
            << "SUB-TRIM CH1: 135 is outside -100…100\nD/R CH: item 9 is outside 0…3 (CH1, CH2, CH3, CH4)";
    }

    void loadRefusesGarbage()
    {
        QFETCH(QString, content);
        QFETCH(QString, message);
        QFETCH(QString, details);
        MainWindow w;
        const ParamSet before = opposite(ParamSet());
        ParamBinding(&w).write(before);
        MessageSeen box;
        ModalScript script;
        if (!content.isNull()) {
            const QString file = writeFile(path(QStringLiteral("bad.txt")), content.toLatin1());
            script.then("DlgLoad", click("toolButton")).then("QFileDialog", chooseFile(file));
        }
        script.then("DlgLoad", click("pushButtonOK")).then("QMessageBox", press(QMessageBox::Ok, &box));
        button(w, "pushButtonLoad")->click();
        QCOMPARE(box.text, message);
        QCOMPARE(box.details, details);
        QCOMPARE(differences(ParamBinding(&w).read(), before), QString());
    }

    // LOAD's file dialog opens on "All files", which lists a name without a
    // dot too; a file holding a hex dump loads as the text it stands for.
    void loadBrowsedFile_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("hex dump") << "dump.txt" << QByteArray(" 53 30 5a\t5A ");
        QTest::newRow("a name without a dot") << "glider" << QByteArray("S0ZZ");
    }
    void loadBrowsedFile()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        const QString file = writeFile(path(name), content);
        DlgLoad dlg;
        ModalScript script;
        QStringList listed;
        script.then("QFileDialog", [&](QWidget *dialog) {
            const auto *view = dialog->findChild<QListView *>(QStringLiteral("listView"));
            // The folder is read on a thread of the dialog's own; what was
            // listed is checked once the dialog is done.
            static_cast<void>(QTest::qWaitFor([&] {
                listed.clear();
                for (int row = 0; row < view->model()->rowCount(view->rootIndex()); ++row)
                    listed << view->model()->index(row, 0, view->rootIndex()).data().toString();
                return listed.contains(name);
            }));
            chooseFile(file)(dialog);
        });
        child<QToolButton>(dlg, "toolButton")->click();
        QVERIFY2(listed.contains(name), qPrintable(listed.join(u", ")));
        QCOMPARE(child<QTextBrowser>(dlg, "textBrowser")->toPlainText(), QStringLiteral("S0ZZ"));
        QCOMPARE(dlg.getContext(), QStringLiteral("S0ZZ"));
    }

    void saveFailureLeavesTarget_data()
    {
        QTest::addColumn<bool>("fifo");  // else a file, saved over under a file size limit of 100 bytes
        QTest::newRow("file size limit below 162 bytes") << false;
        QTest::newRow("FIFO") << true;
    }

    void saveFailureLeavesTarget()
    {
#ifndef Q_OS_UNIX
        QSKIP("no FIFOs or file size limits here");
#else
        QFETCH(bool, fifo);
        const QString target = path(QStringLiteral("target.txt"));
        const QByteArray old("the file saved before");
        QVERIFY(fifo ? mkfifo(qPrintable(target), 0600) == 0 : !writeFile(target, old).isEmpty());
        rlimit saved{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
        rlimit small = saved;
        small.rlim_cur = 100;
        std::signal(SIGXFSZ, SIG_IGN);  // so the write fails with EFBIG, as on a full disk

        MainWindow w;
        MessageSeen box;
        ModalScript script;
        script.then("QFileDialog", chooseFile(target)).then("QMessageBox", [&](QWidget *replace) {
            if (!fifo)
                setrlimit(RLIMIT_FSIZE, &small);
            press(QMessageBox::Yes)(replace);
        });
        script.then("QMessageBox", press(QMessageBox::Ok, &box));
        button(w, "pushButtonSave")->click();
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &saved), 0);

        QCOMPARE(box.text, QStringLiteral("不能写入指定的文件"));
        QVERIFY(!box.details.isEmpty());
        // The FIFO is never opened: that would wait for a writer forever.
        QCOMPARE(QFileInfo(target).isFile() ? contentsOf(target) : "FIFO", fifo ? "FIFO" : old);
        QCOMPARE(QDir().entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot), QStringList{"target.txt"});
#endif
    }

    void loadReadsOnlySmallFiles_data()
    {
        QTest::addColumn<QByteArray>("content");  // empty: a sparse file of 1 GiB
        QTest::addColumn<QString>("length");      // the length label; empty when refused
        QTest::addColumn<QString>("expected");    // the text handed to LOAD, or part of the refusal's reason

        const QByteArray atBound(65536, 'S');
        // Shown in the system's 8-bit encoding, UTF-8 here but not on Windows.
        QTest::newRow("UTF-8, length in bytes")
            << QByteArray("S\xc3\xa9") << "文件长度：3B" << QString::fromLocal8Bit("S\xc3\xa9");
        QTest::newRow("64 KiB") << atBound << "文件长度：65536B" << QString(atBound);
        QTest::newRow("a byte more") << atBound + 'S' << QString() << "65537 bytes";
        QTest::newRow("1 GiB sparse") << QByteArray() << QString() << "1073741824 bytes";
    }

    void loadReadsOnlySmallFiles()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, length);
        QFETCH(QString, expected);
        const QString file = writeFile(path(QStringLiteral("chosen")), content);
        QVERIFY(!file.isEmpty() && (!content.isEmpty() || QFile::resize(file, qint64(1) << 30)));

        DlgLoad dlg;
        MessageSeen box;
        ModalScript script;
        if (length.isEmpty())
            script.then("QMessageBox", press(QMessageBox::Ok, &box));
#ifdef Q_OS_UNIX
        rusage before{}, after{};
        getrusage(RUSAGE_SELF, &before);
#endif
        QTest::keyClicks(child<QLineEdit>(dlg, "lineEdit"), file);  // typed, not browsed to
        // As the typing rests, before OK.
        QTRY_COMPARE(child<QLabel>(dlg, "labelFileLength")->text(), length.isEmpty() ? u"文件长度：0B"_qs : length);
        QElapsedTimer clock;
        clock.start();
        child<QAbstractButton>(dlg, "pushButtonOK")->click();
        QVERIFY2(clock.elapsed() < 1000, "time grew with the file");
#ifdef Q_OS_UNIX
        getrusage(RUSAGE_SELF, &after);
        QVERIFY2(after.ru_maxrss - before.ru_maxrss < 32 * 1024, "memory grew with the file");
#endif
        if (length.isEmpty()) {
            QCOMPARE(box.text, QStringLiteral("不能读取指定的文件"));
            QVERIFY2(box.details.contains(expected), qPrintable(box.details));
        } else {
            QCOMPARE(child<QLabel>(dlg, "labelFileLength")->text(), length);
        }
        QCOMPARE(dlg.getContext(), length.isEmpty() ? QString() : expected);
    }

private:
    QString path(const QString &name) const { return m_dir->filePath(name); }

    std::unique_ptr<QTemporaryDir> m_dir;
};

QTEST_MAIN(tst_Files)
#include "tst_files.moc"
