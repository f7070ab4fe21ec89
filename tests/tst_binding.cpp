// The window's widgets and the parameter set must agree: the same ranges and
// start values, and values carried both ways unchanged, so what the user sees
// is what is sent and saved.
#include "mainwindow.h"
#include "parambinding.h"
#include "records.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QRandomGenerator>
#include <QSpinBox>
#include <QTest>

using namespace j3k;

class tst_Binding : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void tableMatchesWidgets_data();
    void tableMatchesWidgets();
    void startValuesBuildTheKnownRecords();
    void randomValuesSurviveWidgets();
    void comboWithoutItemReadsAsFirst();
};

void tst_Binding::tableMatchesWidgets_data()
{
    QTest::addColumn<int>("index");
    for (std::size_t i = 0; i < ParamCount; ++i)
        QTest::newRow(paramTable()[i].name) << int(i);
}

void tst_Binding::tableMatchesWidgets()
{
    QFETCH(int, index);
    const ParamInfo &p = paramTable()[std::size_t(index)];
    MainWindow w;
    QWidget *widget = w.findChild<QWidget *>(QLatin1String(p.name));
    QVERIFY2(widget, p.name);

    switch (p.kind) {
    case ParamKind::Spin: {
        auto *box = qobject_cast<QSpinBox *>(widget);
        QVERIFY(box);
        QCOMPARE(box->minimum(), p.min);
        QCOMPARE(box->maximum(), p.max);
        QCOMPARE(box->value(), p.start);
        break;
    }
    case ParamKind::Combo: {
        auto *box = qobject_cast<QComboBox *>(widget);
        QVERIFY(box);
        QCOMPARE(p.min, 0);
        QCOMPARE(box->count() - 1, p.max);
        QCOMPARE(box->currentIndex(), p.start);
        break;
    }
    case ParamKind::Alarm: {
        auto *box = qobject_cast<QDoubleSpinBox *>(widget);
        QVERIFY(box);
        QCOMPARE(alarmTenths(box->minimum()), p.min);
        QCOMPARE(alarmTenths(box->maximum()), p.max);
        QCOMPARE(alarmTenths(box->value()), p.start);
        break;
    }
    }
}

void tst_Binding::startValuesBuildTheKnownRecords()
{
    MainWindow w;
    const ParamSet shown = ParamBinding(&w).read();
    QCOMPARE(shown, ParamSet());
    QCOMPARE(buildRecord(RecordId::S, shown),
             QStringLiteral("S00100000787878787878787870707070707070707070707070707070424210424242424213027F2Y"));
    QCOMPARE(buildRecord(RecordId::G, shown),
             QStringLiteral("G01E2D3C4855680DCDCDCDCDC140A642A6A6674747474747474740074747474747474740135006D2Z"));
}

void tst_Binding::randomValuesSurviveWidgets()
{
    MainWindow w;
    ParamBinding binding(&w);
    QRandomGenerator rng(20261206);
    for (int round = 0; round < 40; ++round) {
        ParamSet p;
        for (std::size_t i = 0; i < ParamCount; ++i) {
            const ParamInfo &info = paramTable()[i];
            p.set(int(i), rng.bounded(info.min, info.max + 1));
        }
        binding.write(p);
        const ParamSet back = binding.read();
        for (std::size_t i = 0; i < ParamCount; ++i)
            QCOMPARE(back.value(int(i)), p.value(int(i)));
    }
}

void tst_Binding::comboWithoutItemReadsAsFirst()
{
    MainWindow w;
    auto *slave = w.findChild<QComboBox *>(QStringLiteral("comboBox_12"));
    slave->setCurrentIndex(-1);
    const ParamSet p = ParamBinding(&w).read();
    QCOMPARE(p.value(u"comboBox_12"), 0);
    QCOMPARE(buildRecord(RecordId::G, p).at(73), QLatin1Char('0'));
}

QTEST_MAIN(tst_Binding)
#include "tst_binding.moc"
