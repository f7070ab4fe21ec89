// SPDX-License-Identifier: GPL-3.0-or-later
// Knowing what the transmitter holds: the marks, the status panel, the
// question before closing and the check of an UPDATE through READ and
// UPDATE, and backups.
#include "backups.h"
#include "windowtest.h"

#include <QTreeWidget>

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

// READ, until the whole answer is in.
void readAll(MainWindow &w, const QString &panelAfter = QStringLiteral("same as the transmitter"))
{
    const int received = statusLine(w).section(u'：', -1).chopped(1).toInt();
    button(w, "pushButtonRead")->click();
    QTRY_VERIFY(statusLine(w).endsWith(QStringLiteral("%1B").arg(received + 14 * FrameLength)));
    QCOMPARE(panel(w), panelAfter);
}

}  // namespace

class tst_Review : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init() { QDir(BackupStore::defaultFolder()).removeRecursively(); }

    void backupsRotate()
    {
        QTemporaryDir dir;
        BackupStore store(dir.path(), 2);
        const QDateTime t0(QDate(2026, 12, 6), QTime(14, 3, 59));
        const QList<ParamSet> sets{ParamSet(), opposite(ParamSet(), paramIndex(u"spinBox_46")),
                                   applied(ParamSet(), {"spinBox_11=5"})};
        for (int i = 0; i < sets.size(); ++i)
            QVERIFY(store.add(sets[i], t0.addSecs(i)).ok());
        const QStringList files = store.list();
        QCOMPARE(files.size(), 2);  // the oldest went
        QVERIFY(files[0].endsWith(QLatin1String("2026-12-06_14-04-01.txt")));
        QVERIFY(paramsFromFileText(QString::fromLatin1(contentsOf(files[0]))) == sets[2]);
        QVERIFY(paramsFromFileText(QString::fromLatin1(contentsOf(files[1]))) == sets[1]);
    }

    void marksThroughReadAndUpdate()
    {
        MainWindow w;
        ParamBinding binding(&w);
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));  // for the shortcut
        openVirtualTx(w);
        QCOMPARE(panel(w), QStringLiteral("not read"));
        readAll(w);
        QCOMPARE(BackupStore().list().size(), 1);
        binding.write(applied(binding.read(), {"spinBox_11=12", "doubleSpinBox=100", "comboBox_7=2"}));
        const QStringList three{"spinBox_11", "doubleSpinBox", "comboBox_7"};
        QTRY_COMPARE(panel(w), QStringLiteral("3 changes not written"));
        QCOMPARE(marked(w, "changed"), three);
        QCOMPARE(child(w, "spinBox_11")->toolTip(), QStringLiteral("The transmitter holds 0"));

        QStringList rows;
        ModalScript script;
        script.then("DlgChanges", [&rows](QWidget *dlg) {
            auto *table = dlg->findChild<QTreeWidget *>(QStringLiteral("changesTable"));
            for (int i = 0; i < table->topLevelItemCount(); ++i) {
                const QTreeWidgetItem *row = table->topLevelItem(i);
                rows << row->text(0) + u'|' + row->text(1) + u'|' + row->text(2);
            }
            static_cast<QDialog *>(dlg)->reject();
        });
        child(w, "spinBox_11")->setFocus();  // typing there, Ctrl+D still opens the review
        QTest::keyClick(w.windowHandle(), Qt::Key_D, Qt::ControlModifier);
        QTRY_COMPARE(rows, (QStringList{"SUB-TRIM CH3|0|12", "TX-ALARM (V)|11.1|10.0", "PROG.MIX1 MIX|INH|OPEN"}));
        MessageSeen question;
        script.then("QMessageBox", press(QMessageBox::No, &question));
        QVERIFY(!w.close());
        QCOMPARE(question.text, QStringLiteral("3 changes are not written to the transmitter. Close anyway?"));

        button(w, "pushButtonSend2")->click();
        QCOMPARE(panel(w), QStringLiteral("written, READ to confirm"));
        QCOMPARE(marked(w, "written"), three);
        QCOMPARE(marked(w, "changed"), QStringList());

        readAll(w, QStringLiteral("same as the transmitter \u2013 UPDATE confirmed: every value written came back"));
        QCOMPARE(marked(w, "written") + marked(w, "changed"), QStringList());
        QCOMPARE(BackupStore().list().size(), 2);

        // A value the transmitter does not take is named after the next READ,
        // which brings nothing new to back up.
        w.findChild<VirtualTxObject *>()->transmitter().keepUnchanged(paramIndex(u"spinBox_11"));
        binding.write(applied(binding.read(), {"spinBox_11=7"}));
        button(w, "pushButtonSend2")->click();
        MessageSeen notTaken;
        script.then("QMessageBox", press(QMessageBox::Ok, &notTaken));
        readAll(w, QStringLiteral("same as the transmitter \u2013 UPDATE did not take every value"));
        QTRY_VERIFY(script.done());
        QCOMPARE(notTaken.text, QStringLiteral("UPDATE did not take:\nSUB-TRIM CH3: sent 7, the transmitter has 12"));
        QCOMPARE(BackupStore().list().size(), 2);
    }
};

QTEST_MAIN(tst_Review)
#include "tst_review.moc"
