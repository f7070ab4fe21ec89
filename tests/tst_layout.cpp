// The editor's widgets as a user meets them: every value widget's range and
// start value, the combo boxes' items, the exact label texts and fonts, and
// the order the Tab key walks through them.
#include "mainwindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>

class tst_Layout : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void spinBoxes_data();
    void spinBoxes();
    void alarmBox();
    void comboBoxes_data();
    void comboBoxes();
    void texts_data();
    void texts();
    void fonts_data();
    void fonts();
    void tabOrderFollowsColumns();

private:
    MainWindow *window = nullptr;
    template<typename T>
    T *child(const QString &name)
    {
        return window->findChild<T *>(name);
    }
};

void tst_Layout::initTestCase() { window = new MainWindow; }
void tst_Layout::cleanupTestCase() { delete window; }

void tst_Layout::spinBoxes_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("min");
    QTest::addColumn<int>("max");
    QTest::addColumn<int>("start");

    auto column = [](const char *what, int first, int min, int max, QList<int> starts) {
        for (int row = 0; row < 8; ++row) {
            const int n = first + row;
            const QString name = n == 1 ? QStringLiteral("spinBox") : QStringLiteral("spinBox_%1").arg(n);
            QTest::addRow("%s CH%d %s", what, row + 1, qPrintable(name))
                << name << min << max << starts.value(row, starts.constLast());
        }
    };
    // Row 3 of REVERSE starts reversed and row 3 of FAIL SAFE at 0.
    column("REVERSE", 1, 0, 1, {0, 0, 1, 0});
    column("SUB-TRIM", 9, -100, 100, {0});
    column("END POINT L", 17, 0, 120, {96});
    column("END POINT R", 25, 0, 120, {96});
    column("FAIL SAFE", 33, 0, 100, {50, 50, 0, 50});
    column("DELAY", 71, 0, 100, {100});

    struct Single {
        const char *name;
        int min, max, start;
    };
    const Single singles[] = {
        {"spinBox_41", 0, 4, 1},        {"spinBox_42", 0, 4, 3},         {"spinBox_43", 0, 4, 0},
        {"spinBox_44", 0, 4, 2},        {"spinBox_45", 1, 4, 2},         {"spinBox_46", 0, 99999, 0},
        {"spinBox_79", 0, 100, 100},    {"spinBox_80", 0, 100, 100},     {"spinBox_81", 0, 100, 14},
        {"spinBox_82", 0, 100, 29},     {"spinBox_83", 0, 100, 44},      {"spinBox_84", 0, 100, 56},
        {"spinBox_85", 0, 100, 69},     {"spinBox_86", 0, 100, 88},      {"spinBox_87", -100, 100, 100},
        {"spinBox_88", -100, 100, 100}, {"spinBox_89", -100, 100, 100},  {"spinBox_90", -100, 100, 100},
        {"spinBox_91", -100, 100, 100}, {"spinBox_92", -100, 100, -100}, {"spinBox_93", -100, 100, 50},
        {"spinBox_94", -100, 100, -50}, {"spinBox_95", -100, 100, 50},   {"spinBox_96", -100, 100, 50},
        {"spinBox_97", -100, 100, 0},   {"spinBox_98", -100, 100, 0},    {"spinBox_99", -100, 100, 0},
        {"spinBox_100", -100, 100, 0},  {"spinBox_101", -100, 100, 0},   {"spinBox_102", -100, 100, 0},
    };
    for (const Single &s : singles)
        QTest::newRow(s.name) << QString::fromLatin1(s.name) << s.min << s.max << s.start;
}

void tst_Layout::spinBoxes()
{
    QFETCH(QString, name);
    QFETCH(int, min);
    QFETCH(int, max);
    QFETCH(int, start);

    QSpinBox *box = child<QSpinBox>(name);
    QVERIFY2(box, qPrintable(name));
    QCOMPARE(box->minimum(), min);
    QCOMPARE(box->maximum(), max);
    QCOMPARE(box->value(), start);
    QCOMPARE(box->singleStep(), 1);
    QVERIFY(box->isEnabled());

    // Values from outside the range show the nearest bound.
    box->setValue(max + 30);
    QCOMPARE(box->value(), max);
    box->setValue(min - 30);
    QCOMPARE(box->value(), min);
    box->setValue(start);
}

void tst_Layout::alarmBox()
{
    // TX-ALARM is stored in tenths up to 23.9, so the box offers exactly that.
    QDoubleSpinBox *alarm = child<QDoubleSpinBox>(QStringLiteral("doubleSpinBox"));
    QVERIFY(alarm);
    QCOMPARE(alarm->decimals(), 1);
    QCOMPARE(alarm->minimum(), 0.0);
    QCOMPARE(alarm->maximum(), 23.9);
    QCOMPARE(alarm->singleStep(), 0.1);
    QCOMPARE(alarm->value(), 11.1);

    alarm->stepUp();
    QCOMPARE(alarm->value(), 11.2);
    alarm->setValue(199.99);
    QCOMPARE(alarm->value(), 23.9);
    alarm->setValue(-1);
    QCOMPARE(alarm->value(), 0.0);
    alarm->setValue(11.1);
}

void tst_Layout::comboBoxes_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<int>("start");

    const QStringList offOpen{"OFF", "OPEN"};
    const QStringList mix{"INH", "OFF", "OPEN"};
    const QStringList ch8{"CH1", "CH2", "CH3", "CH4", "CH5", "CH6", "CH7", "CH8"};
    QTest::newRow("baud") << "comboBoxBaudRate"
                          << QStringList{"2400", "4800", "9600", "14400", "19200", "38400", "56000", "57600", "115200"}
                          << 8;
    QTest::newRow("data bits") << "comboBoxDataBit" << QStringList{"8", "7", "6", "5"} << 0;
    QTest::newRow("stop bits") << "comboBoxStopBit" << QStringList{"1", "1.5", "2"} << 0;
    QTest::newRow("parity") << "comboBoxParity" << QStringList{"None", "ODD", "EVEN", "MARK", "SPACE"} << 0;
    QTest::newRow("flow") << "comboBoxFlowCtrl" << QStringList{"OFF", "HARDWARE", "XONXOFF"} << 0;
    QTest::newRow("D/R MIX") << "comboBox" << offOpen << 0;
    QTest::newRow("D/R CH") << "comboBox_2" << QStringList{"CH1", "CH2", "CH3", "CH4"} << 0;
    QTest::newRow("D/R SW") << "comboBox_3" << QStringList{"SWA"} << 0;
    QTest::newRow("ATTITUDE CH") << "comboBox_4" << QStringList{"CH5", "CH6", "CH7", "CH8", "OFF"} << 0;
    QTest::newRow("ELEVON MIX") << "comboBox_5" << offOpen << 0;
    QTest::newRow("V-TAIL MIX") << "comboBox_6" << offOpen << 0;
    QTest::newRow("MIX1 MIX") << "comboBox_7" << mix << 0;
    QTest::newRow("MIX2 MIX") << "comboBox_8" << mix << 0;
    QTest::newRow("MIX2 MAS") << "comboBox_9" << ch8 << 1;
    QTest::newRow("MIX2 SLA") << "comboBox_10" << ch8 << 5;
    QTest::newRow("MIX1 MAS") << "comboBox_11" << ch8 << 0;
    QTest::newRow("MIX1 SLA") << "comboBox_12" << ch8 << 3;
}

void tst_Layout::comboBoxes()
{
    QFETCH(QString, name);
    QFETCH(QStringList, items);
    QFETCH(int, start);

    QComboBox *box = child<QComboBox>(name);
    QVERIFY2(box, qPrintable(name));
    QStringList actual;
    for (int i = 0; i < box->count(); ++i)
        actual << box->itemText(i);
    QCOMPARE(actual, items);
    QCOMPARE(box->currentIndex(), start);
    QVERIFY(!box->isEditable());
}

void tst_Layout::texts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");

    // Full-width colons and parentheses stand exactly where the transmitter's
    // manual has them; the ASCII ones are just as deliberate.
    const char *rows[][2] = {
        {"groupBox_4", "REVERSE"},
        {"groupBox_5", "SUB-TRIM"},
        {"groupBox_6", "END POINT"},
        {"groupBox_8", "CHANNEL"},
        {"groupBox_10", "FAIL SAFE"},
        {"groupBox_11", "PARAMENTER"},
        {"groupBox_24", "AUX-CH"},
        {"groupBox", "SETTING"},
        {"groupBox_2", "DELAY"},
        {"groupBox_3", "D/R"},
        {"groupBox_7", "ATTITUDE"},
        {"groupBox_9", "ELEVON"},
        {"groupBox_12", "V-TAIL"},
        {"groupBox_13", "PROG.MIX1"},
        {"groupBox_14", "PROG.MIX2"},
        {"label_8", "0-N"},
        {"label_9", "1-R"},
        {"label_10", "  L                R"},
        {"Lable_22",
         "<html><head/><body><p><span style=\" font-size:16pt; font-weight:600;\">CH1：</span></p></body></html>"},
        {"Lable_29",
         "<html><head/><body><p><span style=\" font-size:16pt; font-weight:600;\">CH8：</span></p></body></html>"},
        {"label_11", "TX-ALARM："},
        {"label_12", "STK-MODE："},
        {"label_13", "VERSION："},
        {"label_25", "0:SwA"},
        {"label_28", "3:VrB"},
        {"label_32", "4:NULL"},
        {"label_7", "CH5:"},
        {"label_31", "CH8:"},
        {"label", "PortNum："},
        {"label_6", "Control："},
        {"label_14", "MIX："},
        {"label_15", "CH ："},
        {"label_16", "SW："},
        {"label_17", "RATE- UP ："},
        {"label_46", "RATE-DOWN："},
        {"label_18", "CH："},
        {"label_19", "ATTI1："},
        {"label_22", "ATTI4："},
        {"label_23", "ATTI5:"},
        {"label_24", "ATTI6:"},
        {"label_55", "（UP-UP）"},
        {"label_56", "(UP-CT)"},
        {"label_58", "(DN-UP)"},
        {"label_60", "（DN-DN）"},
        {"label_34", "（L）"},
        {"label_47", "（R）"},
        {"label_50", "ELEV2："},
        {"label_51", "ELEV1："},
        {"label_53", "RUDD2："},
        {"label_52", "RUDD1："},
        {"label_37", "OFFSET："},
        {"label_65", "UP ："},
        {"label_66", "DOWN："},
        {"label_43", "MAS："},
        {"label_44", "SLA："},
        {"checkBoxDTR", "DTR"},
        {"checkBoxRTS", "RTS"},
        {"pushButtonOpen", "OPEN"},
        {"pushButtonRead", "READ"},
        {"pushButtonLoad", "LOAD"},
        {"pushButtonSend2", "UPDATE"},
        {"pushButtonSave", "SAVE"},
    };
    for (const auto &row : rows)
        QTest::newRow(row[0]) << QString::fromLatin1(row[0]) << QString::fromUtf8(row[1]);
}

void tst_Layout::texts()
{
    QFETCH(QString, name);
    QFETCH(QString, text);

    QWidget *w = child<QWidget>(name);
    QVERIFY2(w, qPrintable(name));
    if (auto *label = qobject_cast<QLabel *>(w))
        QCOMPARE(label->text(), text);
    else if (auto *group = qobject_cast<QGroupBox *>(w))
        QCOMPARE(group->title(), text);
    else if (auto *button = qobject_cast<QAbstractButton *>(w))
        QCOMPARE(button->text(), text);
    else
        QFAIL("no text to compare");
}

void tst_Layout::fonts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("family");
    QTest::addColumn<int>("pointSize");  // -1: inherited, not checked
    QTest::addColumn<bool>("bold");

    const QString caslon = QStringLiteral("Adobe Caslon Pro");
    const QString song = QStringLiteral("宋体");
    QTest::newRow("tabs") << "tabWidget_2" << caslon << -1 << false;
    QTest::newRow("CH1 label") << "Lable_22" << caslon << 10 << true;
    QTest::newRow("CH2 label is not bold") << "Lable_23" << caslon << 10 << false;
    QTest::newRow("REVERSE box") << "spinBox" << caslon << 10 << true;
    QTest::newRow("FAIL SAFE box") << "spinBox_33" << caslon << 10 << true;
    QTest::newRow("TX-ALARM label") << "label_11" << caslon << 9 << false;
    QTest::newRow("AUX legend") << "label_25" << caslon << -1 << true;
    QTest::newRow("D/R group") << "groupBox_3" << song << 10 << true;
    QTest::newRow("ATTI2 label") << "label_20" << song << 10 << true;
    QTest::newRow("PROG.MIX2 group") << "groupBox_14" << song << -1 << true;
    QTest::newRow("V-TAIL label inherits") << "label_36" << song << 10 << true;
}

void tst_Layout::fonts()
{
    QFETCH(QString, name);
    QFETCH(QString, family);
    QFETCH(int, pointSize);
    QFETCH(bool, bold);

    QWidget *w = child<QWidget>(name);
    QVERIFY2(w, qPrintable(name));
    QCOMPARE(w->font().family(), family);
    if (pointSize > 0)
        QCOMPARE(w->font().pointSize(), pointSize);
    QCOMPARE(w->font().bold(), bold);
}

void tst_Layout::tabOrderFollowsColumns()
{
    // Tab walks down each column, column after column, as the screen reads.
    QStringList expected;
    auto range = [&](int first, int last) {
        for (int n = first; n <= last; ++n)
            expected << (n == 1 ? QStringLiteral("spinBox") : QStringLiteral("spinBox_%1").arg(n));
    };
    range(1, 40);
    expected << "spinBox_45"
             << "doubleSpinBox"
             << "spinBox_46";
    range(41, 44);
    expected << "pushButtonOpen"
             << "comboBoxComm"
             << "checkBoxDTR"
             << "checkBoxRTS"
             << "comboBoxBaudRate"
             << "comboBoxDataBit"
             << "comboBoxStopBit"
             << "comboBoxParity"
             << "comboBoxFlowCtrl";
    range(71, 78);
    expected << "comboBox"
             << "comboBox_2"
             << "comboBox_3"
             << "spinBox_79"
             << "spinBox_80";
    range(81, 86);
    expected << "comboBox_4";
    range(87, 92);
    expected << "comboBox_5";
    range(93, 96);
    expected << "comboBox_6"
             << "comboBox_7";
    range(97, 99);
    expected << "comboBox_11"
             << "comboBox_12"
             << "comboBox_8";
    range(100, 102);
    expected << "comboBox_9"
             << "comboBox_10"
             << "pushButtonRead"
             << "pushButtonLoad"
             << "pushButtonSend2"
             << "pushButtonSave";

    QStringList chain;
    QWidget *first = child<QSpinBox>(QStringLiteral("spinBox"));
    for (QWidget *w = first; w; w = w->nextInFocusChain()) {
        if (chain.size() > 0 && w == first)
            break;
        // The tab bar's own scroll buttons are in the chain too; only the form's count.
        const bool formButton = qobject_cast<QAbstractButton *>(w)
                                && (w->objectName().startsWith(QLatin1String("pushButton"))
                                    || w->objectName().startsWith(QLatin1String("checkBox")));
        if (qobject_cast<QAbstractSpinBox *>(w) || qobject_cast<QComboBox *>(w) || formButton)
            chain << w->objectName();
    }
    QCOMPARE(chain, expected);
}

QTEST_MAIN(tst_Layout)
#include "tst_layout.moc"
