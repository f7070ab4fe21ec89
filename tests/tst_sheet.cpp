// SPDX-License-Identifier: GPL-3.0-or-later
// The setup sheet as a user gets it, read back from the PDF with pdftotext:
// j3kctl sheet on a parameter file, on a JSON export and on a transmitter,
// and the window's Export PDF after a READ and some edits.
#include "language.h"
#include "paramjson.h"
#include "paramtext.h"
#include "sheetlayout.h"
#include "virtualtransmitter.h"
#include "windowtest.h"

#include <QAction>
#include <QProcess>
#include <QRegularExpression>

using namespace j3k;

namespace {

// What the PDF says inside `mm` (a box, or the whole page), as pdftotext lays it out.
QString pdfText(const QString &pdf, const QRectF &mm = {})
{
    const QRect pt = QRectF(mm.topLeft() * 72 / 25.4, mm.size() * 72 / 25.4).toRect();
    QStringList args{"-layout", "-r", "72"};
    if (!mm.isNull())
        args << "-x" << QString::number(pt.x()) << "-y" << QString::number(pt.y()) << "-W"
             << QString::number(pt.width()) << "-H" << QString::number(pt.height());
    QProcess p;
    p.start(QStringLiteral("pdftotext"), args << pdf << "-");
    p.waitForFinished();
    return QString::fromUtf8(p.readAllStandardOutput());
}

// Every value each box of the sheet shows, named as the window labels it:
// its row's label, with the box's title before it unless the label names
// a parameter alone, and the column's heading after it ("SUB-TRIM CH3").
// A value the transmitter holds otherwise reads "12 TX 0".
QMap<QString, QString> valuesShown(const QString &pdf, const Sheet &layout, const QMap<QString, QString> &known)
{
    QMap<QString, QString> shown;
    static const QRegularExpression columns(QStringLiteral("\\s{2,}"));
    for (const SheetBox &box : layout.boxes) {
        QStringList lines = pdfText(pdf, box.rect).trimmed().split(u'\n', Qt::SkipEmptyParts);
        const QStringList headings = lines.takeFirst().trimmed().split(columns).mid(1);
        if (!box.footnote.isEmpty())
            lines.removeLast();
        for (const QString &line : lines) {
            QStringList cells = line.trimmed().split(columns);
            const QString label = cells.takeFirst();
            const QStringList words = cells.join(u' ').split(u' ', Qt::SkipEmptyParts);
            int column = 0;
            for (qsizetype w = 0; w < words.size(); ++w) {
                if (words.at(w).startsWith(u'('))
                    continue;  // a note, such as (UP-UP)
                const QString heading = headings.isEmpty() ? QString() : u' ' + headings.value(column++);
                if (words.at(w) == u"\u2013")
                    continue;  // no such value in this column
                QString value = words.at(w);
                if (words.value(w + 1) == u"TX") {
                    value += QStringLiteral(" TX ") + words.value(w + 2);
                    w += 2;
                }
                const QString alone = label + heading, inBox = box.title + heading + u' ' + label;
                shown.insert(known.contains(alone) || !known.contains(inBox) ? alone : inBox, value);
            }
        }
    }
    return shown;
}

}  // namespace

class tst_Sheet : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        freshSettings();
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("no pdftotext to read the sheet back (Debian: poppler-utils)");
    }

    void everyValue_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<bool>("chinese");
        QTest::newRow("parameter file") << "file" << false;
        QTest::newRow("JSON export, in Chinese") << "json" << true;
#ifdef J3K_HAVE_PTY
        QTest::newRow("transmitter") << "port" << false;
#endif
        QTest::newRow("window after a READ and edits, in Chinese") << "window" << true;
    }

    void everyValue()
    {
        QFETCH(QString, from);
        QFETCH(bool, chinese);
        QRandomGenerator rng(3);
        SheetFacts facts;
        facts.values = applied(randomParams(rng), {"spinBox_46=0"});  // no file holds VERSION
        const VirtualTransmitter tx;
        const QString pdf = m_dir.filePath(from + ".pdf");
        QStringList args{"sheet", "-o", pdf, "--lang", chinese ? "zh" : "en"};
        if (from == u"file" || from == u"json") {
            facts.file = from + ".txt";
            QVERIFY(!writeFile(m_dir.filePath(facts.file),
                               from == u"file" ? paramFileBytes(facts.values) : paramsToJson(facts.values))
                         .isEmpty());
            args << m_dir.filePath(facts.file);
        }
#ifdef J3K_HAVE_PTY
        QProcess txsim;
        if (from == u"port") {
            txsim.start(QCoreApplication::applicationDirPath() + "/txsim", QStringList());
            QTRY_VERIFY(txsim.canReadLine());
            args << "--port" << QString::fromLocal8Bit(txsim.readLine()).trimmed();
            facts = {tx.params(), tx.rates(), true, {}, QDateTime::currentDateTime(), {}, {}};
        }
#endif
        if (from != u"window") {
            QProcess ctl;
            ctl.start(QCoreApplication::applicationDirPath() + "/j3kctl", args);
            QVERIFY(ctl.waitForFinished(20000));
            QVERIFY2(ctl.exitCode() == 0, ctl.readAllStandardError().constData());
#ifdef J3K_HAVE_PTY
            txsim.terminate();
            txsim.waitForFinished();
#endif
        } else {
            MainWindow w;
            ParamBinding binding(&w);
            openVirtualTx(w);
            button(w, "pushButtonRead")->click();
            QTRY_COMPARE(child<QLabel>(w, "secLabel")->text(), QStringLiteral("same as the transmitter"));
            binding.write(applied(binding.read(), {"spinBox_11=12", "doubleSpinBox=100", "comboBox_7=2"}));
            facts = {binding.read(), tx.rates(), true, {}, QDateTime::currentDateTime(), {}, {}};
            setLanguage(Language::Chinese);
            ModalScript script;
            script.then("QFileDialog", chooseFile(pdf));
            w.findChild<QAction *>(QStringLiteral("exportSheetAction"))->trigger();
            QVERIFY(script.done());
            setLanguage(Language::English);
        }

        // Every value by name, and what the transmitter holds where it differs.
        QMap<QString, QString> expected;
        for (int i = 0; i < int(ParamCount); ++i) {
            if (facts.versionRead || paramTable()[std::size_t(i)].name != QLatin1String("spinBox_46"))
                expected.insert(paramLabel(i), valueText(i, facts.values.value(i)));
            if (from == u"window" && tx.params().value(i) != facts.values.value(i))
                expected[paramLabel(i)] += " TX " + valueText(i, tx.params().value(i));
        }
        for (std::size_t ch = 0; facts.rates && ch < 4; ++ch) {
            expected.insert(QStringLiteral("D/R RATE-UP CH%1").arg(ch + 1), QString::number(facts.rates->up[ch]));
            expected.insert(QStringLiteral("D/R RATE-DOWN CH%1").arg(ch + 1), QString::number(facts.rates->down[ch]));
        }
        QCOMPARE(valuesShown(pdf, sheetFor(facts), expected), expected);
        const QString page = pdfText(pdf);
        QVERIFY2(page.contains(facts.file.isEmpty() ? QDate::currentDate().toString(Qt::ISODate) : facts.file),
                 qPrintable(page));
        QVERIFY(page.contains("j3k-editor " + QCoreApplication::applicationVersion()));
        QCOMPARE(page.contains(QRegularExpression(QStringLiteral("\\p{Han}"))), chinese);
        // Every text in the window's font, which the PDF carries: no other
        // font stands in for a character it lacks.
        QProcess fonts;
        fonts.start(QStringLiteral("pdffonts"), {pdf});
        QVERIFY(fonts.waitForFinished());
        static const QRegularExpression named(QStringLiteral("^(?:[A-Z]{6}\\+)?(\\S+)"),
                                              QRegularExpression::MultilineOption);
        QStringList used;
        for (const QRegularExpressionMatch &m : named.globalMatch(QString::fromUtf8(fonts.readAllStandardOutput())))
            used << m.captured(1);
        used = used.mid(2);  // the heading and its rule
        used.removeDuplicates();
        QCOMPARE(used, QStringList("WenQuanYiMicroHeiJ3K"));
    }

private:
    QTemporaryDir m_dir;
};

QTEST_MAIN(tst_Sheet)
#include "tst_sheet.moc"
