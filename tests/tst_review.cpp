// SPDX-License-Identifier: GPL-3.0-or-later
// Knowing what the transmitter holds: the marks, the status panel, the
// question before closing and the check of an UPDATE through READ and
// UPDATE, and backups.
#include "backups.h"
#include "recoveryfile.h"
#include "transmitterstate.h"
#include "windowtest.h"

#include <QListView>
#include <QMimeData>
#include <QStatusBar>
#include <QTreeWidget>
#include <QtConcurrent>

using namespace j3k;

namespace {

QString panel(const QWidget &w) { return child<QLabel>(w, "secLabel")->text(); }

// The parameter widgets carrying `mark`, in the window's order.
QStringList marked(const QWidget &w, const char *mark)
{
    QStringList names;
    for (const ParamInfo &p : paramTable()) {
        if (child(w, QLatin1String(p.name))->property("transmitterMark").toString() == QLatin1String(mark))
            names << QLatin1String(p.name);
    }
    return names;
}

// READ, until both whole answers are in.
void readAll(MainWindow &w, const QString &panelAfter = QStringLiteral("same as the transmitter"))
{
    const int received = statusLine(w).section(u'：', -1).chopped(1).toInt();
    button(w, "pushButtonRead")->click();
    QTRY_VERIFY(statusLine(w).endsWith(QStringLiteral("%1B").arg(received + 2 * 14 * FrameLength)));
    QTRY_COMPARE(panel(w), panelAfter);
}

}  // namespace

class tst_Review : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init() { QDir(RecoveryFile::folder()).removeRecursively(); }  // the backups' folder is in it

    // Rounds of one to three writers at once (the editor, j3kctl, a second
    // editor), on a clock that now and then jumps back by up to a year,
    // in a folder full of other programs' files, some named almost as
    // backups. Every writer gets a file of its own, the newest write always
    // survives, at most the number to keep remain, and nothing else is
    // touched.
    void backupsOnlyEverAdd()
    {
        QTemporaryDir dir;
        QRandomGenerator rng(21);
        QDateTime clock(QDate(2026, 12, 6), QTime(14, 3, 59));
        QStringList foreign{"0-my-notes.txt", "2026-13-06_14-04-00.txt"};
        for (int k = 0; k < 40; ++k) {
            QString name = clock.addSecs(rng.bounded(-9, 9)).toString(QStringLiteral("yyyy-MM-dd_HH-mm-ss")) + ".txt";
            name.insert(rng.bounded(int(name.size()) + 1), QChar(u'a' + rng.bounded(26)));
            foreign << name;
        }
        for (const QString &name : foreign)
            QVERIFY(!writeFile(dir.filePath(name), name.toUtf8()).isEmpty());

        constexpr int keep = 4;
        int written = 0;
        for (int round = 0; round < 30; ++round) {
            // Now and then the clock is off by up to a year, as on a board
            // without a clock battery.
            clock = clock.addSecs(rng.bounded(2, 4));
            const bool wrong = rng.bounded(4) == 0;
            const QDateTime when = wrong ? clock.addSecs(-rng.bounded(1, 366 * 86400)) : clock;
            const int writers = rng.bounded(1, 4);
            QList<ParamSet> sets;
            for (int k = 0; k <= writers; ++k)
                sets << applied(randomParams(rng), {"spinBox_46=0"});  // VERSION: in no file
            const auto write
                = [&](int k) { return BackupStore(dir.path(), keep).add(sets.at(k), when.addSecs(k / writers)); };
            QList<QFuture<BackupStore::Result>> running;
            for (int k = 0; k < writers; ++k)
                running << QtConcurrent::run(write, k);
            QList<BackupStore::Result> results;
            for (QFuture<BackupStore::Result> &r : running)
                results << r.result();
            results << write(writers);  // the newest, a second later
            for (int k = 0; k <= writers; ++k) {
                QVERIFY2(results[k].ok(), qPrintable(results[k].error));
                // Named newest but for the rest, none of them may go.
                if (!wrong || k == writers)
                    QCOMPARE(paramsFromFileText(QString::fromLatin1(contentsOf(results[k].path))).params, sets[k]);
            }
            written += writers + 1;
            QCOMPARE(BackupStore(dir.path(), keep).list().size(), std::min(keep, written));
        }
        for (const QString &name : foreign)
            QCOMPARE(contentsOf(dir.filePath(name)), name.toUtf8());
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).size(),
                 foreign.size() + keep);  // nothing half-written
    }

    void marksThroughReadAndUpdate()
    {
        MainWindow w;
        ParamBinding binding(&w);
        openVirtualTx(w);
        QCOMPARE(panel(w), QStringLiteral("not read"));
        readAll(w);
        QCOMPARE(BackupStore().list().size(), 1);
        binding.write(applied(binding.read(), {"spinBox_11=12", "doubleSpinBox=100", "comboBox_7=2"}));
        // A backup dated in the future, holding what the UPDATE below writes: listed, but no READ is compared with it.
        QVERIFY(
            !writeFile(BackupStore().folder() + "/2099-01-01_00-00-00.txt", paramFileBytes(binding.read())).isEmpty());
        const QStringList three{"spinBox_11", "doubleSpinBox", "comboBox_7"};
        QTRY_COMPARE(panel(w), QStringLiteral("3 changes not written"));
        QCOMPARE(marked(w, "changed"), three);
        QCOMPARE(child(w, "spinBox_11")->toolTip(), QStringLiteral("The transmitter holds 0"));
        QVERIFY(child(w, "spinBox_11")->accessibleDescription().endsWith(u"changed: the transmitter holds 0"));

        QStringList rows;
        ModalScript script;
        script.then("DlgChanges", [&rows](QWidget *dlg) {
            auto *table = dlg->findChild<QTreeWidget *>(QStringLiteral("changesTable"));
            for (int i = 0; i < table->topLevelItemCount(); ++i) {
                const QTreeWidgetItem *row = table->topLevelItem(i);
                rows << row->text(0) + u'|' + row->text(1) + u'|' + row->text(2);
            }
            rows << dlg->findChild<QTreeWidget *>(QStringLiteral("backupList"))->topLevelItem(0)->text(0);
            static_cast<QDialog *>(dlg)->reject();
        });
        button(w, "pushButtonChanges")->click();
        QCOMPARE(rows, (QStringList{"SUB-TRIM CH3|0|12", "TX-ALARM (V)|11.1|10.0", "PROG.MIX1 MIX|INH|OPEN",
                                    "2099-01-01 00:00:00, dated in the future"}));
        MessageSeen question;
        script.then("QMessageBox", press(QMessageBox::Cancel, &question));
        QVERIFY(!w.close());
        QCOMPARE(question.text, QStringLiteral("3 changes are not saved or written to the transmitter."));
        const QString traffic = statusLine(w);
        script.then("QMessageBox", press(QMessageBox::Cancel, &question));
        button(w, "pushButtonRead")->click();
        QCOMPARE(question.text, QStringLiteral("READ will replace 3 changes not written."));
        QCOMPARE(statusLine(w), traffic);  // nothing went out

        button(w, "pushButtonSend2")->click();
        QTRY_COMPARE(panel(w), QStringLiteral("written, READ to confirm"));
        QCOMPARE(marked(w, "written"), three);
        QVERIFY(child(w, "doubleSpinBox")->accessibleDescription().endsWith(u"V; written, not yet confirmed"));
        QCOMPARE(marked(w, "changed"), QStringList());

        readAll(w, QStringLiteral("same as the transmitter \u2013 UPDATE confirmed: every value written came back"));
        QCOMPARE(marked(w, "written") + marked(w, "changed"), QStringList());
        QCOMPARE(BackupStore().list().size(), 3);
        binding.write(applied(binding.read(), {"spinBox_11=13"}));  // the confirmation is past
        QTRY_COMPARE(panel(w), QStringLiteral("1 change not written"));

        // A value the transmitter does not take is named after the next READ,
        // which brings nothing new to back up.
        QVERIFY(w.findChild<TxSession *>()->withVirtualTransmitter(
            [](VirtualTransmitter &tx) { tx.keepUnchanged(paramIndex(u"spinBox_11")); }));
        binding.write(applied(binding.read(), {"spinBox_11=7"}));
        button(w, "pushButtonSend2")->click();
        QTRY_VERIFY(button(w, "pushButtonRead")->isEnabled());
        MessageSeen notTaken;
        script.then("QMessageBox", press(QMessageBox::Ok, &notTaken));
        readAll(w, QStringLiteral("same as the transmitter \u2013 UPDATE did not take every value"));
        QTRY_VERIFY(script.done());
        QCOMPARE(notTaken.text, QStringLiteral("UPDATE did not take:\nSUB-TRIM CH3: sent 7, the transmitter has 12"));
        QCOMPARE(BackupStore().list().size(), 3);

        // The open dialog counts against the values a loaded backup brings.
        QStringList counts;
        script.then("DlgChanges", [&counts](QWidget *dlg) {
            auto *list = dlg->findChild<QTreeWidget *>(QStringLiteral("backupList"));
            list->setCurrentItem(list->topLevelItem(2));
            click("loadBackupButton")(dlg);
            for (int i = 0; i < list->topLevelItemCount(); ++i)
                counts << list->topLevelItem(i)->text(1);
            reject(dlg);
        });
        button(w, "pushButtonChanges")->click();
        QCOMPARE(counts, (QStringList{"3 parameters", "3 parameters", "0 parameters"}));
    }

    // Each step undone and redone with the keys, the focus in a spin box;
    // then the CHANGES dialog's history goes back to a step. Undo changes
    // the editor's values only: the READ stays known.
    void undoRedo()
    {
        MainWindow w;
        ParamBinding binding(&w);
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        openVirtualTx(w);
        QList<ParamSet> states{binding.read()};
        auto *trim = child<QSpinBox>(w, "spinBox_11");
        trim->setFocus();
        trim->selectAll();
        QTest::keyClicks(trim, "12\r");  // one step, not "1" then "12"
        states << applied(states[0], {"spinBox_11=12"});
        ModalScript script;
        script.then("QMessageBox", click("readAnywayButton"));
        readAll(w);
        states << applied(states[0], {"spinBox_46=300"});

        QRandomGenerator rng(19);
        states << applied(randomParams(rng), {"spinBox_46=300", "comboBox_2=0"});
        QTemporaryDir dir;
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(writeFile(dir.filePath("dropped.txt"), paramFileBytes(states[3])))});
        QDragEnterEvent enter(QPoint(500, 200), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&w, &enter);
        QDropEvent drop(QPointF(500, 200), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&w, &drop);  // loads as LOAD does
        const QString loaded
            = QStringLiteral("%1 changes not written").arg(compareParams(states[2], states[3], recordParams()).size());
        QTRY_COMPARE(panel(w), loaded);

        script.then("DlgChanges", [](QWidget *dlg) {
            click("putBackButton")(dlg);
            reject(dlg);
        });
        button(w, "pushButtonChanges")->click();
        states << states[2];
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));

        const QString same = QStringLiteral("same as the transmitter"), one = QStringLiteral("1 change not written");
        const QKeyCombination undo(Qt::CTRL, Qt::Key_Z), redo(Qt::CTRL | Qt::SHIFT, Qt::Key_Z), y(Qt::CTRL, Qt::Key_Y);
        const std::tuple<QKeyCombination, int, QString> walk[]
            = {{undo, 3, loaded}, {undo, 2, same}, {undo, 1, one},    {undo, 0, same}, {undo, 0, same},
               {redo, 1, one},    {y, 2, same},    {redo, 3, loaded}, {y, 4, same}};
        for (const auto &[key, state, words] : walk) {
            QTest::keyClick(w.windowHandle(), key.key(), key.keyboardModifiers());
            QCOMPARE(differences(binding.read(), states[state]), QString());
            QTRY_COMPARE(panel(w), words);
        }
        QCOMPARE(w.statusBar()->currentMessage(), QStringLiteral("redone: Put back the transmitter's values"));

        QStringList steps;
        script.then("DlgChanges", [&steps](QWidget *dlg) {
            auto *view = dlg->findChild<QListView *>(QStringLiteral("historyView"));
            for (int i = 0; i < view->model()->rowCount(); ++i)
                steps << view->model()->index(i, 0).data().toString();
            view->setCurrentIndex(view->model()->index(1, 0));
            reject(dlg);
        });
        button(w, "pushButtonChanges")->click();
        QCOMPARE(steps, (QStringList{"start of this session", "SUB-TRIM CH3 0 → 12", "READ", "LOAD dropped.txt",
                                     "Put back the transmitter's values"}));
        QCOMPARE(differences(binding.read(), states[1]), QString());
        QTRY_COMPARE(panel(w), one);
    }
};

QTEST_MAIN(tst_Review)
#include "tst_review.moc"
