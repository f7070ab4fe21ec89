// The main window as a user first sees it: title, size, status line, the
// serial settings, what a language change does, and where the icons come from.
#include "mainwindow.h"
#include "windowtest.h"

#include <QCheckBox>
#include <QDir>
#include <QEvent>
#include <QImage>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

namespace {
const QString kTitle = QStringLiteral("J3K&J3LM(BLE) parameter setting sofeware  V3.0");
}  // namespace

class tst_MainWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { freshSettings(); }
    void startUp();
    void settingsGroup_data();
    void settingsGroup();
    void languageChangeRestoresTheTexts();
    void icons_data();
    void icons();
};

void tst_MainWindow::startUp()
{
    MainWindow w;
    QCOMPARE(w.windowTitle(), kTitle);
    QCOMPARE(w.size(), QSize(1000, 525));
    QVERIFY(!(w.windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(w.windowFlags() & Qt::WindowCloseButtonHint);
    QCOMPARE(child<QTabWidget>(w, "tabWidget_2")->currentIndex(), 0);
    // The handshake lines stay low until the user asks for them.
    for (const char *name : {"checkBoxDTR", "checkBoxRTS"})
        QVERIFY2(!child<QCheckBox>(w, name)->isChecked(), name);

    QLabel *first = child<QLabel>(w, "fstLabel");
    QLabel *second = child<QLabel>(w, "secLabel");
    QVERIFY(first && second);
    QCOMPARE(first->text(), closedLine());
    QVERIFY(second->text().isEmpty());
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    // Both panels sit at the right-hand end of the status bar, the status line first.
    QCOMPARE(first->parentWidget(), w.statusBar());
    QVERIFY(first->geometry().right() < second->geometry().left());
    QVERIFY(second->geometry().right() > w.statusBar()->width() - 40);
}

void tst_MainWindow::settingsGroup_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("combo");  // the label's buddy; the items are tst_layout's

    const char *rows[][3] = {
        {"label_2", "BaudR：", "comboBoxBaudRate"},   {"label_3", "DataB：", "comboBoxDataBit"},
        {"label_4", "STOPB：", "comboBoxStopBit"},    {"label_5", "Parity：", "comboBoxParity"},
        {"label_6", "Control：", "comboBoxFlowCtrl"}, {"label", "PortNum：", "comboBoxComm"},
    };
    for (const auto &row : rows)
        QTest::newRow(row[2]) << QString::fromUtf8(row[0]) << QString::fromUtf8(row[1]) << QString::fromUtf8(row[2]);
}

void tst_MainWindow::settingsGroup()
{
    QFETCH(QString, label);
    QFETCH(QString, text);
    QFETCH(QString, combo);

    MainWindow w;
    auto *l = child<QLabel>(w, label);
    auto *box = child<QComboBox>(w, combo);
    QVERIFY(l && box);
    QCOMPARE(l->text(), text);
    QCOMPARE(l->buddy(), box);
    QCOMPARE(box->parentWidget()->objectName(), QStringLiteral("groupBox"));
}

void tst_MainWindow::languageChangeRestoresTheTexts()
{
    MainWindow w;
    auto *alarm = child<QLabel>(w, "label_11");
    auto *tabs = child<QTabWidget>(w, "tabWidget_2");
    QVERIFY(alarm && tabs);

    alarm->setText(QStringLiteral("garbled"));
    tabs->setTabText(1, QStringLiteral("garbled"));
    w.setWindowTitle(QStringLiteral("garbled"));

    // Twice, so a refill that piles items up would show.
    for (int round = 0; round < 2; ++round) {
        QEvent change(QEvent::LanguageChange);
        QCoreApplication::sendEvent(&w, &change);
    }

    QCOMPARE(w.windowTitle(), kTitle);
    QCOMPARE(alarm->text(), QStringLiteral("TX-ALARM："));
    QCOMPARE(tabs->tabText(1), QStringLiteral("ADVACNE MENU"));
    QCOMPARE(itemsOf(child<QComboBox>(w, "comboBox_7")), (QStringList{"INH", "OFF", "OPEN"}));
    QCOMPARE(statusLine(w), closedLine());
}

void tst_MainWindow::icons_data()
{
    QTest::addColumn<bool>("looseReceiveIcon");  // a red images/Receive.png beside the editor
    QTest::newRow("no images folder: the built-in icons") << false;
    QTest::newRow("a loose file wins over the built-in one") << true;
}

void tst_MainWindow::icons()
{
    QFETCH(bool, looseReceiveIcon);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    if (looseReceiveIcon) {
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("images")));
        QImage red(8, 8, QImage::Format_ARGB32);
        red.fill(Qt::red);
        QVERIFY(red.save(dir.filePath(QStringLiteral("images/Receive.png"))));
    }
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir.path()));
    MainWindow w;
    QDir::setCurrent(previous);

    QVERIFY(!w.windowIcon().pixmap(QSize(32, 32)).isNull());
    for (const char *name : {"pushButtonRead", "pushButtonLoad", "pushButtonSend2", "pushButtonSave"})
        QVERIFY2(!child<QPushButton>(w, name)->icon().pixmap(QSize(16, 16)).isNull(), name);
    const QImage read = child<QPushButton>(w, "pushButtonRead")->icon().pixmap(QSize(8, 8)).toImage();
    QCOMPARE(read.pixelColor(4, 4) == QColor(Qt::red), looseReceiveIcon);
}

QTEST_MAIN(tst_MainWindow)
#include "tst_mainwindow.moc"
