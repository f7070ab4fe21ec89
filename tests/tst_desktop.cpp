// SPDX-License-Identifier: GPL-3.0-or-later
// The editor as a desktop program: its form against the parameter table,
// what it remembers from one run to the next (values not written, after a
// kill, too), and its shortcuts.
#include "paramtext.h"
#include "recoveryfile.h"
#include "windowtest.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QProcess>
#include <QSignalSpy>
#include <QToolBar>

#include <csignal>
#include <cstdio>

using namespace j3k;

namespace {

// What a run leaves for the next: the line settings and where the window is.
QStringList settingsOf(const MainWindow &w)
{
    QStringList settings{QStringLiteral("%1,%2").arg(w.pos().x()).arg(w.pos().y())};
    for (QComboBox *box : child(w, "groupBox")->findChildren<QComboBox *>())
        settings << box->currentText();
    for (QCheckBox *box : child(w, "groupBox")->findChildren<QCheckBox *>())
        settings << QString::number(box->isChecked());
    return settings;
}

}  // namespace

class tst_Desktop : public QObject
{
    Q_OBJECT

public:
    // The editor of recoveryAfterKill, in a process of its own.
    static void initMain()
    {
        if (!qEnvironmentVariableIsSet("J3K_EDIT_AND_WAIT"))
            return;
        static int argc = 1;
        static char name[] = "tst_desktop";
        static char *argv[] = {name, nullptr};
        QApplication app(argc, argv);
        QStandardPaths::setTestModeEnabled(true);
        j3k::setApplicationNames();  // as the test's own window has them
        MainWindow w;
        ParamBinding(&w).write(keptSet());
        std::puts("edited");
        std::fflush(stdout);
        std::exit(app.exec());
    }

private Q_SLOTS:
    void init()
    {
        freshSettings();
        QDir(RecoveryFile::folder()).removeRecursively();
    }

    // One drift between the two, and what the window shows is not what is
    // sent or saved.
    void tableMatchesForm()
    {
        MainWindow w;
        for (int i = 0; i < int(ParamCount); ++i) {
            const ParamInfo &p = paramTable()[std::size_t(i)];
            QWidget *widget = child(w, QLatin1String(p.name));
            QString shown;
            if (auto *spin = qobject_cast<QSpinBox *>(widget))
                shown = QStringLiteral("%1 %2 %3").arg(spin->minimum()).arg(spin->maximum()).arg(spin->value());
            else if (auto *alarm = qobject_cast<QDoubleSpinBox *>(widget))
                shown = QStringLiteral("%1 %2 %3").arg(alarm->minimum()).arg(alarm->maximum()).arg(alarm->value());
            else if (auto *combo = qobject_cast<QComboBox *>(widget))
                shown = itemsOf(combo).join(u'|') + u' ' + combo->currentText();
            const double unit = p.kind == ParamKind::Alarm ? 0.1 : 1.0;
            const QString table
                = p.kind == ParamKind::Combo
                      ? paramItems(i).join(u'|') + u' ' + valueText(i, p.start)
                      : QStringLiteral("%1 %2 %3").arg(p.min * unit).arg(p.max * unit).arg(p.start * unit);
            QCOMPARE(shown, table);
        }
    }

    void settingsComeBack_data()
    {
        QTest::addColumn<bool>("byOpening");  // else by closing the window
        QTest::newRow("port opened, then the editor killed") << true;
        QTest::newRow("window closed") << false;
    }

    void settingsComeBack()
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
            // Every line setting and the place away from its start.
            for (QComboBox *box : first.findChildren<QComboBox *>()) {
                if (box->parentWidget()->objectName() == QLatin1String("groupBox") && box != port)
                    box->setCurrentIndex(box->count() - 1);
            }
            for (const char *name : {"checkBoxDTR", "checkBoxRTS"})
                child<QCheckBox>(first, name)->toggle();
            first.move(123, 45);
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

    void goneportIsNotForced()
    {
        const QString gone = QStringLiteral("ttyGONE42");
        QSettings().setValue(QStringLiteral("port/name"), gone);
        MainWindow w;
        QVERIFY(w.findChild<QComboBox *>(QStringLiteral("comboBoxComm"))->currentText() != gone);
        QCOMPARE(itemsOf(child<QComboBox>(w, "comboBoxComm")).indexOf(gone), -1);
    }

    // The folder SAVE used is where the next run's SAVE and LOAD start.
    void folderComesBack()
    {
        QTemporaryDir dir;
        {
            MainWindow first;
            ModalScript script;
            script.then("QFileDialog", chooseFile(dir.filePath(QStringLiteral("new.txt"))));
            button(first, "pushButtonSave")->click();
            first.close();
        }
        MainWindow second;
        QStringList folders;
        const auto startFolder = [&folders](QWidget *dialog) {
            folders << static_cast<QFileDialog *>(dialog)->directory().absolutePath();
            reject(dialog);
        };
        ModalScript script;
        script.then("QFileDialog", startFolder).then("DlgLoad", click("toolButton"));
        script.then("QFileDialog", startFolder).then("DlgLoad", click("pushButton"));
        button(second, "pushButtonSave")->click();
        button(second, "pushButtonLoad")->click();
        QCOMPARE(folders, QStringList(2, QDir(dir.path()).absolutePath()));
    }

    void shortcuts()
    {
        MainWindow w;
        w.show();
        const std::pair<const char *, QKeySequence> keys[] = {{"pushButtonRead", Qt::Key_F5},
                                                              {"pushButtonSend2", Qt::CTRL | Qt::Key_U},
                                                              {"pushButtonLoad", QKeySequence::Open},
                                                              {"pushButtonSave", QKeySequence::Save},
                                                              {"pushButtonChanges", Qt::CTRL | Qt::Key_D}};
        ModalScript script;
        script.then("DlgLoad", reject).then("QFileDialog", reject).then("DlgChanges", reject);
        for (const auto &[name, key] : keys) {
            w.activateWindow();  // back from the last dialog
            QVERIFY(QTest::qWaitForWindowActive(&w));
            QSignalSpy clicked(button(w, name), &QPushButton::clicked);
            QTest::keySequence(&w, key);
            QTRY_VERIFY2(clicked.count() == 1, name);
        }
    }

#ifdef Q_OS_UNIX
    void recoveryAfterKill_data()
    {
        QTest::addColumn<int>("signal");
        QTest::newRow("SIGKILL two seconds after the edit") << int(SIGKILL);
        QTest::newRow("SIGTERM at once") << int(SIGTERM);
    }

    // An editor killed two seconds after an edit, or stopped by SIGTERM at
    // once: the next one offers its values, and Restore brings exactly them
    // back. While the first runs, its file is its own.
    void recoveryAfterKill()
    {
        QFETCH(int, signal);
        QProcess editor;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("J3K_EDIT_AND_WAIT"), QStringLiteral("1"));
        editor.setProcessEnvironment(env);
        editor.start(QCoreApplication::applicationFilePath(), QStringList());
        QVERIFY(editor.waitForReadyRead(30000));
        const auto files = [] { return QDir(RecoveryFile::folder()).entryList({QStringLiteral("recovery-*.txt")}); };
        if (signal == SIGKILL) {
            QTRY_COMPARE_WITH_TIMEOUT(files().size(), 1, 3000);
            MainWindow second;
            QCoreApplication::processEvents();
            QVERIFY(!second.findChild<QToolBar *>());
        }
        QCOMPARE(::kill(pid_t(editor.processId()), signal), 0);
        QVERIFY(editor.waitForFinished());
        QCOMPARE(files().size(), 1);
        const QString killed = files().first();

        MainWindow w;
        QTRY_VERIFY(w.findChild<QToolBar *>(QStringLiteral("recoveryBar")));
        QCOMPARE(child<QLabel>(w, "secLabel")->text(), QStringLiteral("unwritten values of the last session kept"));
        button(w, "restoreButton")->click();
        QCOMPARE(differences(ParamBinding(&w).read(), keptSet()), QString());
        QCOMPARE(child<QLabel>(w, "secLabel")->text(), QString());
        QTRY_VERIFY(!w.findChild<QToolBar *>());
        QCOMPARE(files().size(), 1);
        QVERIFY(files().first() != killed);  // this editor's own now
    }
#endif

private:
    static ParamSet keptSet()
    {
        QRandomGenerator rng(19);
        return applied(randomParams(rng), {"spinBox_46=0"});  // VERSION: in no file
    }
};

QTEST_MAIN(tst_Desktop)
#include "tst_desktop.moc"
