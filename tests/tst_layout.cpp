// The editor's widgets as a user meets them: every value widget's range,
// start value and clamping, the label texts easiest to get wrong, the fonts
// that set a label apart, the order the Tab key walks through them, and the
// values carried between the widgets and the parameter set unchanged.
#include "mainwindow.h"
#include "parambinding.h"
#include "records.h"
#include "testparams.h"
#include "windowtest.h"

#include <QAbstractButton>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QSpinBox>
#include <QTest>

using namespace j3k;

class tst_Layout : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void valueWidgets_data();
    void valueWidgets();
    void texts_data();
    void texts();
    void fonts_data();
    void fonts();
    void tabOrderFollowsColumns();
    void randomValuesSurviveWidgets();
    void comboWithoutItemReadsAsFirst();

private:
    MainWindow window;
};

void tst_Layout::valueWidgets_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<double>("min");
    QTest::addColumn<double>("max");
    QTest::addColumn<double>("start");
    QTest::addColumn<double>("step");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QStringList>("items");  // combo boxes only

    const auto spin = [](const QString &name, int min, int max, int start) {
        QTest::addRow("%s", qPrintable(name))
            << name << double(min) << double(max) << double(start) << 1.0 << 0 << QStringList();
    };
    const auto column = [&](int first, int min, int max, QList<int> starts) {
        for (int row = 0; row < 8; ++row) {
            const int n = first + row;
            spin(n == 1 ? QStringLiteral("spinBox") : QStringLiteral("spinBox_%1").arg(n), min, max,
                 starts.value(row, starts.constLast()));
        }
    };
    // Row 3 of REVERSE starts reversed and row 3 of FAIL SAFE at 0.
    column(1, 0, 1, {0, 0, 1, 0});        // REVERSE
    column(9, -100, 100, {0});            // SUB-TRIM
    column(17, 0, 120, {96});             // END POINT L
    column(25, 0, 120, {96});             // END POINT R
    column(33, 0, 100, {50, 50, 0, 50});  // FAIL SAFE
    column(71, 0, 100, {100});            // DELAY
    // clang-format off
    const struct { const char *name; int min, max, start; } singles[] = {
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
    // clang-format on
    for (const auto &s : singles)
        spin(QString::fromLatin1(s.name), s.min, s.max, s.start);

    // TX-ALARM is stored in tenths up to 23.9, so the box offers exactly that.
    QTest::newRow("doubleSpinBox") << "doubleSpinBox" << 0.0 << 23.9 << 11.1 << 0.1 << 1 << QStringList();

    const auto combo = [](const char *name, const QStringList &items, int start) {
        QTest::newRow(name) << name << 0.0 << double(items.size() - 1) << double(start) << 0.0 << 0 << items;
    };
    const QStringList offOpen{"OFF", "OPEN"};
    const QStringList mix{"INH", "OFF", "OPEN"};
    const QStringList ch8{"CH1", "CH2", "CH3", "CH4", "CH5", "CH6", "CH7", "CH8"};
    combo("comboBoxBaudRate", {"2400", "4800", "9600", "14400", "19200", "38400", "56000", "57600", "115200"}, 8);
    combo("comboBoxDataBit", {"8", "7", "6", "5"}, 0);
    combo("comboBoxStopBit", {"1", "1.5", "2"}, 0);
    combo("comboBoxParity", {"None", "ODD", "EVEN", "MARK", "SPACE"}, 0);
    combo("comboBoxFlowCtrl", {"OFF", "HARDWARE", "XONXOFF"}, 0);
    combo("comboBox", offOpen, 0);                                // D/R MIX
    combo("comboBox_2", {"CH1", "CH2", "CH3", "CH4"}, 0);         // D/R CH
    combo("comboBox_3", {"SWA"}, 0);                              // D/R SW
    combo("comboBox_4", {"CH5", "CH6", "CH7", "CH8", "OFF"}, 0);  // ATTITUDE CH
    combo("comboBox_5", offOpen, 0);                              // ELEVON
    combo("comboBox_6", offOpen, 0);                              // V-TAIL
    combo("comboBox_7", mix, 0);                                  // PROG.MIX1
    combo("comboBox_8", mix, 0);                                  // PROG.MIX2
    combo("comboBox_9", ch8, 1);                                  // PROG.MIX2 MAS
    combo("comboBox_10", ch8, 5);                                 // PROG.MIX2 SLA
    combo("comboBox_11", ch8, 0);                                 // PROG.MIX1 MAS
    combo("comboBox_12", ch8, 3);                                 // PROG.MIX1 SLA
}

void tst_Layout::valueWidgets()
{
    QFETCH(QString, name);
    QFETCH(double, min);
    QFETCH(double, max);
    QFETCH(double, start);
    QFETCH(double, step);
    QFETCH(int, decimals);
    QFETCH(QStringList, items);

    QWidget *w = child(window, name);
    QVERIFY2(w, qPrintable(name));
    QVERIFY(w->isEnabled());

    // What is read from the widget, sent and saved has the same range and
    // start value (TX-ALARM in tenths); the serial settings are no parameter.
    if (const int index = paramIndex(name); index >= 0) {
        const ParamInfo &p = paramTable()[std::size_t(index)];
        const double unit = p.kind == ParamKind::Alarm ? 0.1 : 1.0;
        QCOMPARE(p.min * unit, min);
        QCOMPARE(p.max * unit, max);
        QCOMPARE(p.start * unit, start);
    }

    if (auto *combo = qobject_cast<QComboBox *>(w)) {
        QCOMPARE(itemsOf(combo), items);
        QCOMPARE(combo->currentIndex(), int(start));
        QVERIFY(!combo->isEditable());
        return;
    }
    // A QSpinBox, or the alarm's QDoubleSpinBox: both have these properties.
    const auto value = [w] { return w->property("value").toDouble(); };
    QCOMPARE(w->property("minimum").toDouble(), min);
    QCOMPARE(w->property("maximum").toDouble(), max);
    QCOMPARE(value(), start);
    QCOMPARE(w->property("singleStep").toDouble(), step);
    QCOMPARE(w->property("decimals").toInt(), decimals);  // none on a QSpinBox

    static_cast<QAbstractSpinBox *>(w)->stepUp();
    QCOMPARE(value(), qMin(start + step, max));
    // Values from outside the range show the nearest bound.
    w->setProperty("value", max + 30);
    QCOMPARE(value(), max);
    w->setProperty("value", min - 30);
    QCOMPARE(value(), min);
    w->setProperty("value", start);
}

void tst_Layout::texts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");

    // Full-width colons and parentheses stand exactly where the transmitter's
    // manual has them; the ASCII ones and the blanks are just as deliberate.
    const char *rows[][2] = {
        {"label_10", "  L                R"},
        {"Lable_22",
         "<html><head/><body><p><span style=\" font-size:16pt; font-weight:600;\">CH1：</span></p></body></html>"},
        {"label_17", "RATE- UP ："},
        {"label_46", "RATE-DOWN："},
        {"label_15", "CH ："},
        {"label_65", "UP ："},
        {"label_11", "TX-ALARM："},
        {"label_19", "ATTI1："},
        {"label_23", "ATTI5:"},
        {"label_7", "CH5:"},
        {"label_55", "（UP-UP）"},
        {"label_56", "(UP-CT)"},
        {"groupBox_11", "PARAMENTER"},
    };
    for (const auto &row : rows)
        QTest::newRow(row[0]) << QString::fromLatin1(row[0]) << QString::fromUtf8(row[1]);
}

void tst_Layout::texts()
{
    QFETCH(QString, name);
    QFETCH(QString, text);

    QWidget *w = child(window, name);
    QVERIFY2(w, qPrintable(name));
    if (auto *group = qobject_cast<QGroupBox *>(w))
        QCOMPARE(group->title(), text);
    else
        QCOMPARE(child<QLabel>(window, name)->text(), text);
}

void tst_Layout::fonts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("family");
    QTest::addColumn<bool>("bold");

    const QString caslon = QStringLiteral("Adobe Caslon Pro");
    QTest::newRow("CH1 label") << "Lable_22" << caslon << true;
    QTest::newRow("CH2 label is not bold") << "Lable_23" << caslon << false;
    QTest::newRow("D/R group") << "groupBox_3" << QStringLiteral("宋体") << true;
}

void tst_Layout::fonts()
{
    QFETCH(QString, name);
    QFETCH(QString, family);
    QFETCH(bool, bold);

    QWidget *w = child(window, name);
    QVERIFY2(w, qPrintable(name));
    QCOMPARE(w->font().family(), family);
    QCOMPARE(w->font().pointSize(), 10);
    QCOMPARE(w->font().bold(), bold);
}

void tst_Layout::tabOrderFollowsColumns()
{
    // Tab walks down each column, column after column, as the screen reads.
    // A number stands for spinBox_<number>, "a-b" for a run of them.
    const QString order = QStringLiteral(
        "1-40 45 doubleSpinBox 46 41-44 pushButtonOpen comboBoxComm checkBoxDTR checkBoxRTS comboBoxBaudRate "
        "comboBoxDataBit comboBoxStopBit comboBoxParity comboBoxFlowCtrl 71-78 comboBox comboBox_2 comboBox_3 79-80 "
        "81-86 comboBox_4 87-92 comboBox_5 93-96 comboBox_6 comboBox_7 97-99 comboBox_11 comboBox_12 comboBox_8 "
        "100-102 comboBox_9 comboBox_10 pushButtonRead pushButtonLoad pushButtonSend2 pushButtonSave "
        "pushButtonChanges");
    QStringList expected;
    for (const QString &item : order.split(u' ')) {
        bool isNumber = false;
        const int first = item.section(u'-', 0, 0).toInt(&isNumber);
        const int last = item.section(u'-', -1).toInt();
        for (int n = first; isNumber && n <= last; ++n)
            expected << (n == 1 ? QStringLiteral("spinBox") : QStringLiteral("spinBox_%1").arg(n));
        if (!isNumber)
            expected << item;
    }

    QStringList chain;
    QWidget *first = child(window, "spinBox");
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

void tst_Layout::randomValuesSurviveWidgets()
{
    // What the user sees is what is sent and saved: no value changes on its
    // way into a widget and back.
    MainWindow w;
    ParamBinding binding(&w);
    QRandomGenerator rng(20261206);
    for (int round = 0; round < 60; ++round) {
        const ParamSet p = randomParams(rng);
        binding.write(p);
        QCOMPARE(differences(binding.read(), p), QString());
    }
}

void tst_Layout::comboWithoutItemReadsAsFirst()
{
    MainWindow w;
    child<QComboBox>(w, "comboBox_12")->setCurrentIndex(-1);
    const ParamSet p = ParamBinding(&w).read();
    QCOMPARE(p.value(u"comboBox_12"), 0);
    QCOMPARE(buildRecord(RecordId::G, p).at(73), QLatin1Char('0'));
}

QTEST_MAIN(tst_Layout)
#include "tst_layout.moc"
