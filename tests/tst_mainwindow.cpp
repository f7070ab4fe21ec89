// The main window as a user first sees it: title, size, status line, the
// serial settings, what a language change does, and where the icons come from.
#include "mainwindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

namespace {
const QString kTitle = QStringLiteral("J3K&J3LM(BLE) parameter setting sofeware  V3.0");
const QString kClosedLine = QStringLiteral("串口未打开 | 发送：0B | 接收：0B");

QStringList itemsOf(const QComboBox *box)
{
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items << box->itemText(i);
    return items;
}

QLabel *statusLabel(const QWidget &w, const char *name) { return w.findChild<QLabel *>(QLatin1String(name)); }
}  // namespace

class tst_MainWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void startUp();
    void settingsGroup_data();
    void settingsGroup();
    void languageChangeRestoresTheForm();
    void iconsWithoutImagesFolder();
    void looseIconWinsOverBuiltIn();
    void qtTextsInChinese();
};

void tst_MainWindow::startUp()
{
    MainWindow w;
    QCOMPARE(w.windowTitle(), kTitle);
    QCOMPARE(w.objectName(), QStringLiteral("MainWindow"));
    QCOMPARE(w.size(), QSize(1000, 525));
    QVERIFY(!(w.windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(w.windowFlags() & Qt::WindowCloseButtonHint);
    QVERIFY(!w.windowIcon().isNull());

    auto *tabs = w.findChild<QTabWidget *>(QStringLiteral("tabWidget_2"));
    QVERIFY(tabs);
    QCOMPARE(tabs->count(), 2);
    QCOMPARE(tabs->currentIndex(), 0);
    QCOMPARE(tabs->tabText(0), QStringLiteral("BASIC MENU"));
    QCOMPARE(tabs->tabText(1), QStringLiteral("ADVACNE MENU"));
    QCOMPARE(tabs->widget(0)->objectName(), QStringLiteral("tab_5"));
    QCOMPARE(tabs->widget(1)->objectName(), QStringLiteral("tab"));

    QLabel *first = statusLabel(w, "fstLabel");
    QLabel *second = statusLabel(w, "secLabel");
    QVERIFY(first && second);
    QCOMPARE(first->text(), kClosedLine);
    QVERIFY(second->text().isEmpty());
    QCOMPARE(first->parentWidget(), w.statusBar());
    QCOMPARE(second->parentWidget(), w.statusBar());
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    // Both panels sit at the right-hand end, the status line first.
    QVERIFY(first->geometry().right() < second->geometry().left());
    QVERIFY(second->geometry().right() > w.statusBar()->width() - 40);

    auto *open = w.findChild<QPushButton *>(QStringLiteral("pushButtonOpen"));
    QCOMPARE(open->text(), QStringLiteral("OPEN"));
    QCOMPARE(open->statusTip(), QStringLiteral("OPEN/OFF"));
    for (const char *name : {"checkBoxDTR", "checkBoxRTS"}) {
        auto *box = w.findChild<QCheckBox *>(QLatin1String(name));
        QVERIFY(box);
        QVERIFY(!box->isChecked());
        QVERIFY(box->isEnabled());
    }
}

void tst_MainWindow::settingsGroup_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("labelText");
    QTest::addColumn<QString>("combo");
    QTest::addColumn<QString>("current");

    QTest::newRow("baud") << "label_2"
                          << "BaudR："
                          << "comboBoxBaudRate"
                          << "115200";
    QTest::newRow("data") << "label_3"
                          << "DataB："
                          << "comboBoxDataBit"
                          << "8";
    QTest::newRow("stop") << "label_4"
                          << "STOPB："
                          << "comboBoxStopBit"
                          << "1";
    QTest::newRow("parity") << "label_5"
                            << "Parity："
                            << "comboBoxParity"
                            << "None";
    QTest::newRow("flow") << "label_6"
                          << "Control："
                          << "comboBoxFlowCtrl"
                          << "OFF";
    QTest::newRow("port") << "label"
                          << "PortNum："
                          << "comboBoxComm" << QString();
}

void tst_MainWindow::settingsGroup()
{
    QFETCH(QString, label);
    QFETCH(QString, labelText);
    QFETCH(QString, combo);
    QFETCH(QString, current);

    MainWindow w;
    auto *l = w.findChild<QLabel *>(label);
    auto *box = w.findChild<QComboBox *>(combo);
    QVERIFY(l && box);
    QCOMPARE(l->text(), labelText);
    QCOMPARE(l->buddy(), box);
    QCOMPARE(box->parentWidget()->objectName(), QStringLiteral("groupBox"));
    if (!current.isNull())
        QCOMPARE(box->currentText(), current);
}

void tst_MainWindow::languageChangeRestoresTheForm()
{
    MainWindow w;
    auto *port = w.findChild<QComboBox *>(QStringLiteral("comboBoxComm"));
    auto *baud = w.findChild<QComboBox *>(QStringLiteral("comboBoxBaudRate"));
    auto *slave = w.findChild<QComboBox *>(QStringLiteral("comboBox_12"));
    auto *mix = w.findChild<QComboBox *>(QStringLiteral("comboBox_7"));
    auto *alarm = w.findChild<QLabel *>(QStringLiteral("label_11"));
    auto *tabs = w.findChild<QTabWidget *>(QStringLiteral("tabWidget_2"));
    QVERIFY(port && baud && slave && mix && alarm && tabs);

    port->clear();
    port->addItems({QStringLiteral("ttyUSB0"), QStringLiteral("ttyACM3")});
    baud->setCurrentIndex(5);
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
    QStringList com;
    for (int i = 1; i <= 9; ++i)
        com << QStringLiteral("COM%1").arg(i);
    QCOMPARE(itemsOf(port), com);
    QCOMPARE(port->currentIndex(), 0);
    // The start indexes are the form's first-run choice; a refill starts over.
    QCOMPARE(baud->currentText(), QStringLiteral("2400"));
    QCOMPARE(slave->currentText(), QStringLiteral("CH1"));
    QCOMPARE(itemsOf(mix), (QStringList{"INH", "OFF", "OPEN"}));
    QCOMPARE(statusLabel(w, "fstLabel")->text(), kClosedLine);
}

void tst_MainWindow::iconsWithoutImagesFolder()
{
    QTemporaryDir empty;
    QVERIFY(empty.isValid());
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(empty.path()));
    MainWindow w;
    QDir::setCurrent(previous);

    for (const char *name : {"pushButtonRead", "pushButtonLoad", "pushButtonSend2", "pushButtonSave"}) {
        auto *button = w.findChild<QPushButton *>(QLatin1String(name));
        QVERIFY(button);
        QVERIFY2(!button->icon().pixmap(QSize(16, 16)).isNull(), name);
    }
    QVERIFY(!w.windowIcon().pixmap(QSize(32, 32)).isNull());
}

void tst_MainWindow::looseIconWinsOverBuiltIn()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("images")));
    QImage red(8, 8, QImage::Format_ARGB32);
    red.fill(Qt::red);
    QVERIFY(red.save(dir.filePath(QStringLiteral("images/Receive.png"))));

    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir.path()));
    MainWindow w;
    QDir::setCurrent(previous);

    auto *read = w.findChild<QPushButton *>(QStringLiteral("pushButtonRead"));
    const QImage shown = read->icon().pixmap(QSize(8, 8)).toImage();
    QVERIFY(!shown.isNull());
    QCOMPARE(shown.pixelColor(4, 4), QColor(Qt::red));
    // The others have no loose file here and fall back to the built-in ones.
    auto *save = w.findChild<QPushButton *>(QStringLiteral("pushButtonSave"));
    QVERIFY(!save->icon().pixmap(QSize(16, 16)).isNull());
}

void tst_MainWindow::qtTextsInChinese()
{
    // Message boxes and file dialogs speak the same language as the editor.
    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral(":/qm/qt_zh_CN.qm")));
    QVERIFY(QCoreApplication::installTranslator(&translator));
    const QString cancel = QCoreApplication::translate("QPlatformTheme", "Cancel");
    QCoreApplication::removeTranslator(&translator);
    QCOMPARE(cancel, QStringLiteral("取消"));
}

QTEST_MAIN(tst_MainWindow)
#include "tst_mainwindow.moc"
