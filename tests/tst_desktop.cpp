// SPDX-License-Identifier: GPL-3.0-or-later
// The editor as a desktop program: its form against the parameter table,
// what it remembers from one run to the next (values not written, after a
// kill, too), and its shortcuts.
#include "paramdiff.h"
#include "paramdocument.h"
#include "paramtext.h"
#include "recoveryfile.h"
#include "smallfile.h"
#include "windowtest.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QProcess>
#include <QRegularExpression>
#include <QTabWidget>
#include <QToolBar>

#include <csignal>
#include <cstdio>

#include <sys/stat.h>
#include <unistd.h>

#include <utility>

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

// Where a box's focus ring is drawn: two pixels around it, within its parent.
QImage ringArea(QWidget *box)
{
    QWidget *parent = box->parentWidget();
    return parent->grab(box->geometry().adjusted(-2, -2, 2, 2) & parent->rect()).toImage();
}

// Whether three in four pixels of the ring differ clearly (by a quarter of
// the grey scale) between the two grabs.
bool ringStandsOut(const QImage &focused, const QImage &unfocused)
{
    int ring = 0, changed = 0;
    for (int y = 0; y < focused.height(); ++y) {
        for (int x = 0; x < focused.width(); ++x) {
            if (x >= 2 && y >= 2 && x < focused.width() - 2 && y < focused.height() - 2)
                continue;
            ++ring;
            changed += qAbs(qGray(focused.pixel(x, y)) - qGray(unfocused.pixel(x, y))) > 64;
        }
    }
    return changed * 4 > ring * 3;
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
        QObject::connect(&w.findChild<ParamDocument *>()->recovery(), &RecoveryFile::writeFailed, [] {
            std::puts("failed");
            std::fflush(stdout);
        });
        std::puts("edited");
        std::fflush(stdout);
        const int status = app.exec();
        std::puts(qPrintable(child<QLabel>(w, "secLabel")->text()));  // what the panel said last
        std::fflush(stdout);  // a sanitizer that finds a leak ends without flushing it
        std::exit(status);
    }

private Q_SLOTS:
    void init()
    {
        freshSettings();
        QDir(RecoveryFile::folder()).removeRecursively();
    }

    // One drift between the two, and what the window shows is not what is
    // sent or saved. A screen reader names each widget as the table does
    // and says the values it takes.
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

            QAccessibleInterface *said = QAccessible::queryAccessibleInterface(widget);
            QCOMPARE(said->text(QAccessible::Name), paramLabel(i));
            const QString unitText = p.unit ? u' ' + QLatin1String(p.unit) : QString();
            const QStringList values = p.kind == ParamKind::Combo
                                           ? paramItems(i)
                                           : QStringList{valueText(i, p.min), valueText(i, p.max) + unitText};
            for (const QString &value : values)
                QVERIFY2(said->text(QAccessible::Description).contains(value), qPrintable(value));
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
            port->setCurrentIndex(port->findText(QStringLiteral("VIRTUAL-TX")));
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

    // A settings file the editor cannot trust is neither read (a FIFO would
    // hang the start) nor written over; a value that does not parse or no
    // longer applies (a port unplugged since) is its default. What is
    // written, the next start reads.
    void settingsFileLeftAlone_data()
    {
        QTest::addColumn<QByteArray>("content");  // empty: a FIFO
        QTest::addColumn<bool>("kept");
        QTest::newRow("FIFO") << QByteArray() << true;
        QTest::newRow("over 64 KiB") << "[port]\ndtr=true\n" + QByteArray(64 * 1024, ';') << true;
        QTest::newRow("values that do not apply") << QByteArray("[port]\ndtr=maybe\nname=ttyGONE42\n") << false;
        // QSettings would write it back three times as long.
        QTest::newRow("text that grows when written") << "[other]\nk=" + QByteArray(60'000, '\x01') << false;
    }
    void settingsFileLeftAlone()
    {
#ifdef Q_OS_WIN
        QSKIP("Windows keeps the settings in the registry, not in a file");
#else
        QFETCH(QByteArray, content);
        QFETCH(bool, kept);
        const QString path = QSettings().fileName();
        QFile::remove(path);
        QVERIFY(QDir().mkpath(QFileInfo(path).path()));
        if (content.isEmpty())
            m_fifo = path;
        QVERIFY(content.isEmpty() ? ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0
                                  : !writeFile(path, content).isEmpty());
        {
            MainWindow w;
            QVERIFY(!child<QCheckBox>(w, "checkBoxDTR")->isChecked());
            auto *port = child<QComboBox>(w, "comboBoxComm");
            QVERIFY(!(itemsOf(port) << port->currentText()).contains(QStringLiteral("ttyGONE42")));
            w.close();
        }
        if (kept)
            QCOMPARE(QFileInfo(path).isFile() ? contentsOf(path) : QByteArray(), content);
        else  // and the next start reads it
            QCOMPARE_LE(QFileInfo(path).size(), 64 * 1024);
#endif
    }
    void cleanup() { QFile::remove(std::exchange(m_fifo, QString())); }  // before init() reads it

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

    // A whole session without the mouse: the port, OPEN, READ, an edit,
    // CHANGES, UPDATE and closing the port, by Tab, arrows, Space, Escape
    // and the commands' shortcuts (LOAD's and SAVE's too).
    void keyboardOnly()
    {
        MainWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        auto *port = child<QComboBox>(w, "comboBoxComm");
        const auto key = [](QKeyCombination k) {
            QTest::keyClick(static_cast<QWidget *>(nullptr), k.key(), k.keyboardModifiers());
        };
        const auto tabTo = [&](const char *name) {
            for (int i = 0; i < 200 && QApplication::focusWidget() != child(w, name); ++i)
                key(Qt::Key_Tab);
            return QApplication::focusWidget() == child(w, name);
        };
        QVERIFY(tabTo("comboBoxComm"));
        for (int i = 0; i < port->count() && port->currentText() != QLatin1String("VIRTUAL-TX"); ++i)
            key(Qt::Key_Down);
        QVERIFY(tabTo("pushButtonOpen"));
        key(Qt::Key_Space);
        key(Qt::Key_F5);
        QTRY_COMPARE(child<QLabel>(w, "secLabel")->text(), QStringLiteral("same as the transmitter"));
        QVERIFY(tabTo("spinBox_11"));
        // The focus stands out all around the box: its ring goes when the focus does.
        const QImage ringed = ringArea(child(w, "spinBox_11"));
        key(Qt::Key_Tab);
        QVERIFY(ringStandsOut(ringed, ringArea(child(w, "spinBox_11"))));
        key(Qt::Key_Backtab);
        key(Qt::Key_Up);
        QTRY_COMPARE(child<QLabel>(w, "secLabel")->text(), QStringLiteral("1 change not written"));

        // The tab keys switch tabs from inside a box and leave every value as it is.
        auto *tabs = child<QTabWidget>(w, "tabWidget_2");
        const ParamSet values = ParamBinding(&w).read();
        for (const QKeyCombination k : {Qt::CTRL | Qt::Key_PageDown, Qt::CTRL | Qt::Key_PageUp, Qt::CTRL | Qt::Key_Tab,
                                        Qt::CTRL | Qt::SHIFT | Qt::Key_Tab}) {
            const int at = tabs->currentIndex();
            QVERIFY(tabTo(at == 0 ? "spinBox_11" : "comboBox_2"));
            key(k);
            QCOMPARE(tabs->currentIndex(), 1 - at);
        }
        QCOMPARE(differences(ParamBinding(&w).read(), values), QString());

        // A shortcut clicks its button a moment later; each dialog is closed with Escape.
        const std::pair<QKeyCombination, const char *> dialogs[] = {{Qt::CTRL | Qt::Key_D, "DlgChanges"},
                                                                    {Qt::CTRL | Qt::Key_O, "DlgLoad"},
                                                                    {Qt::CTRL | Qt::Key_S, "QFileDialog"}};
        for (const auto &[keys, dialog] : dialogs) {
            ModalScript script;
            script.then(dialog, [](QWidget *d) { QTest::keyClick(d, Qt::Key_Escape); });
            key(keys);
            QTRY_VERIFY2(script.done(), dialog);
            w.activateWindow();  // what a window manager does when a dialog closes
            QVERIFY(QTest::qWaitForWindowActive(&w));
        }
        key(Qt::CTRL | Qt::Key_U);
        QTRY_COMPARE(child<QLabel>(w, "secLabel")->text(), QStringLiteral("written, READ to confirm"));
        QVERIFY(tabTo("pushButtonOpen"));
        key(Qt::Key_Space);
        QCOMPARE(button(w, "pushButtonOpen")->text(), QStringLiteral("OPEN"));
    }

#ifdef Q_OS_UNIX
    void recoveryAfterKill_data()
    {
        QTest::addColumn<int>("signal");
        QTest::addColumn<QString>("change");  // to what the editor left
        QTest::addColumn<int>("left");        // files after Discard all; -1: Restore
        QTest::addColumn<QString>("said");    // a pattern the bar matches
        QTest::newRow("SIGKILL two seconds after the edit") << int(SIGKILL) << "" << -1 << "";
        QTest::newRow("SIGTERM at once") << int(SIGTERM) << "" << -1 << "";
        QTest::newRow("unreadable: a FIFO") << int(SIGTERM) << "fifo" << 1 << "left.txt .It is not a regular file";
        QTest::newRow("another user's") << int(SIGTERM) << "other user" << 1 << "left.txt .(it belongs|Permission)";
        QTest::newRow("an empty lock") << int(SIGKILL) << "lock" << -1 << "";
        QTest::newRow("another host's, an hour old") << int(SIGKILL) << "host, old" << -1 << "";
        QTest::newRow("another host's, just written") << int(SIGKILL) << "host" << 1 << "an editor on elsewhere";
        QTest::newRow("300 more") << int(SIGTERM) << "300" << 0 << "300 older session";
        QTest::newRow("a full folder") << int(SIGTERM) << "full" << 0 << "";
    }

    // An editor killed two seconds after an edit, or stopped by SIGTERM at
    // once: the next one offers its values, and Restore brings exactly them
    // back. While the first runs, its file is its own. Whatever is left
    // beside it is offered or named, and Discard all deletes only what the
    // editor can read and owns. Locks that name no running editor are
    // stale, and so is another host's whose editor stopped writing. With
    // no room left, the editor says so in its panel and on stderr.
    void recoveryAfterKill()
    {
        QFETCH(int, signal);
        QFETCH(QString, change);
        QFETCH(int, left);
        QFETCH(QString, said);
        const QDir folder(RecoveryFile::folder());
        QProcess editor;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("J3K_EDIT_AND_WAIT"), QStringLiteral("1"));
        editor.setProcessEnvironment(env);
        QStringList args;
        if (change == u"full") {
            // A mount of its own, seen by the editor alone.
            QVERIFY(folder.mkpath(QStringLiteral(".")));
            const char *fill
                = "mount -t tmpfs -o size=4k tmpfs \"$1\" || exit; cat /dev/zero >\"$1/f\" 2>&-; exec \"$0\"";
            args
                = QStringList{::geteuid() ? "-rm" : "-m", "sh", "-c", fill, qApp->applicationFilePath(), folder.path()};
        }
        editor.start(args.isEmpty() ? QCoreApplication::applicationFilePath() : QStringLiteral("unshare"), args);
        const bool edited = editor.waitForReadyRead(30000);
        if (!edited && !args.isEmpty())
            QSKIP(qPrintable("no folder of its own to fill: " + editor.readAllStandardError()));
        QVERIFY(edited);
        if (!args.isEmpty())  // the signal comes after a write that failed
            QTRY_VERIFY_WITH_TIMEOUT(editor.peek(100).contains("failed"), 5000);
        const auto files
            = [&] { return folder.entryList({QStringLiteral("recovery-*.txt")}, QDir::Files | QDir::System); };
        if (signal == SIGKILL) {
            QTRY_COMPARE_WITH_TIMEOUT(files().size(), 1, 3000);
            MainWindow second;
            QCoreApplication::processEvents();
            QVERIFY(!second.findChild<QToolBar *>());
        }
        QCOMPARE(::kill(pid_t(editor.processId()), signal), 0);
        QVERIFY(editor.waitForFinished());
        if (!args.isEmpty()) {
            const QByteArray out = editor.readAllStandardError() + editor.readAllStandardOutput();
            QVERIFY2(out.count("could not be kept") == 2 && out.count("No space left on device") == 2, out);
            return;
        }
        QCOMPARE(files().size(), 1);
        const QString killed = files().first();
        const QString path = folder.filePath(killed);
        const QString other = folder.filePath(QStringLiteral("recovery-left.txt"));
        if (change == u"fifo")
            QCOMPARE(::mkfifo(QFile::encodeName(other), 0600), 0);
        if (change == u"other user") {
            QVERIFY(QFile::copy(path, other));
            QCOMPARE(::geteuid() == 0 ? ::chown(QFile::encodeName(other), 65534, 65534)
                                      : ::chmod(QFile::encodeName(other), 0),
                     0);
        }
        if (change.startsWith(u"host") || change == u"lock")
            QVERIFY(
                replaceSmallFile(path + ".lock", change == u"lock" ? "" : "4242\nj3k-editor\nelsewhere\n").isEmpty());
        if (change.endsWith(u"old"))
            QCOMPARE(QProcess::execute(QStringLiteral("touch"), {"-d", "1 hour ago", path, path + ".lock"}), 0);
        for (int i = 0; change == u"300" && i < 300; ++i)
            QVERIFY(QFile::copy(path, folder.filePath(QStringLiteral("recovery-%1.txt").arg(i))));

        MainWindow w;
        QTRY_VERIFY(w.findChild<QToolBar *>(QStringLiteral("recoveryBar")));
        const QString text = child<QLabel>(w, "recoveryText")->text();
        QVERIFY2(text.contains(QRegularExpression(said)), qPrintable(text));
        if (left >= 0) {
            button(w, "discardAllButton")->click();
            QCOMPARE(files().size(), left);
            return;
        }
        const QString values
            = QStringLiteral("%1 value").arg(compareParams(ParamSet(), keptSet(), recordParams()).size());
        QVERIFY2(text.contains(values), qPrintable(text));
        QCOMPARE(child<QLabel>(w, "secLabel")->text(), QStringLiteral("unwritten values of the last session kept"));
        button(w, "restoreButton")->click();
        QCOMPARE(differences(ParamBinding(&w).read(), keptSet()), QString());
        QVERIFY(child<QLabel>(w, "secLabel")->text().startsWith("restored " + values));
        QTRY_VERIFY(!w.findChild<QToolBar *>());
        QCOMPARE(files().size(), 1);
        QVERIFY(files().first() != killed);  // this editor's own now

        // Kept nowhere else: closing asks, port closed or not.
        ModalScript script;
        script.then("QMessageBox", press(QMessageBox::Cancel));
        QVERIFY(!w.close());
        script.then("QMessageBox", press(QMessageBox::Discard));
        QVERIFY(w.close());
    }
#endif

private:
    static ParamSet keptSet()
    {
        QRandomGenerator rng(19);
        return applied(randomParams(rng), {"spinBox_46=0"});  // VERSION: in no file
    }

private:
    QString m_fifo;  // a settings file that must go before the next test
};

QTEST_MAIN(tst_Desktop)
#include "tst_desktop.moc"
