// The window's value widgets against the parameter table that records,
// frames and files are read and written by.
#include "paramtext.h"
#include "windowtest.h"

#include <QDoubleSpinBox>

using namespace j3k;

class tst_Window : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { freshSettings(); }

    // One drift between the two, and what the window shows is not what is
    // sent or saved.
    void tableMatchesForm()
    {
        MainWindow w;
        for (int i = 0; i < int(ParamCount); ++i) {
            const ParamInfo &p = paramTable()[std::size_t(i)];
            QWidget *widget = child(w, QLatin1String(p.name));
            QVERIFY2(widget, p.name);
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
};

QTEST_MAIN(tst_Window)
#include "tst_window.moc"
