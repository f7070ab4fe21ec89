// Which texts LOAD takes as a parameter file, and which it refuses.
#include "paramfile.h"
#include "testparams.h"

#include <QTest>

using namespace j3k;

class tst_ParamFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void split_data();
    void split();
};

void tst_ParamFile::split_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("s");  // null: refused
    QTest::addColumn<QString>("g");

    const QString &kS = kTemplateS, &kG = kTemplateG;
    const QString lowS = lowerHex(kS), lowG = lowerHex(kG);
    QTest::newRow("records back to back") << kS + kG << kS << kG;
    QTest::newRow("lower-case hex") << lowS + lowG << lowS << lowG;
    QTest::newRow("LF between") << kS + u'\n' + kG << kS << kG;
    QTest::newRow("CR LF between") << kS + QStringLiteral("\r\n") + kG << kS << kG;
    QTest::newRow("line end after G") << kS + kG + QStringLiteral("\r\n") << kS << kG;
    QTest::newRow("text after G") << kS + kG + QStringLiteral("S0123 and more") << kS << kG;

    const QString none;
    QTest::newRow("empty") << QString() << none << none;
    QTest::newRow("S record only") << kS << none << none;
    QTest::newRow("one character short") << kS + kG.first(80) << none << none;
    QTest::newRow("CR alone between") << kS + u'\r' + kG << none << none;
    QTest::newRow("two line breaks between") << kS + QStringLiteral("\n\n") + kG << none << none;
    QTest::newRow("blank before S") << u' ' + kS + kG << none << none;
    QTest::newRow("records swapped") << kG + kS << none << none;
    QTest::newRow("G record without Z") << kS + with(kG, 80, QStringLiteral("Y")) << none << none;
    QTest::newRow("S record without Y") << with(kS, 80, QStringLiteral("Z")) + kG << none << none;
    QTest::newRow("not hex in S") << with(kS, 40, QStringLiteral("x")) + kG << none << none;
    QTest::newRow("not hex in G digit field") << kS + with(kG, 76, QStringLiteral(" ")) << none << none;
}

void tst_ParamFile::split()
{
    QFETCH(QString, text);
    QFETCH(QString, s);
    QFETCH(QString, g);
    const std::optional<ParamFileRecords> records = splitParamFile(text);
    QCOMPARE(records.has_value(), !s.isNull());
    if (records) {
        QCOMPARE(records->s, s);
        QCOMPARE(records->g, g);
    }
}

QTEST_APPLESS_MAIN(tst_ParamFile)
#include "tst_paramfile.moc"
