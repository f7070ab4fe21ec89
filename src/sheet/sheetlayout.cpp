// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheetlayout.h"

#include "paramtext.h"

#include <QCoreApplication>
#include <QHash>
#include <QLocale>

namespace j3k {

namespace {

using Mark = TransmitterState::Mark;

struct SetupSheet {
    Q_DECLARE_TR_FUNCTIONS(SetupSheet)
};

// In millimetres. Letter is shorter than A4, so everything fits on it.
constexpr double kMargin = SheetMargin;
constexpr double kGap = 3;
constexpr double kTitle = SheetTitleLine;
constexpr double kRow = SheetRowHeight;
constexpr double kFootnote = SheetTextLine;
constexpr double kTab = 8;  // BASIC MENU over its boxes

int byLabel(const QString &label)
{
    static const QHash<QString, int> indexes = [] {
        QHash<QString, int> h;
        for (int i = 0; i < int(ParamCount); ++i)
            h.insert(QLatin1String(paramTable()[std::size_t(i)].label), i);
        return h;
    }();
    return indexes.value(label, -1);
}

SheetCell cell(const SheetFacts &facts, int index)
{
    const Mark mark = facts.marks.value(index, Mark::None);
    return {valueText(index, facts.values.value(index)), mark,
            mark == Mark::Changed ? valueText(index, facts.held.value(index)) : QString()};
}

double boxHeight(const SheetBox &box)
{
    return kTitle + kRow * box.rows.size() + (box.footnote.isEmpty() ? 0 : kFootnote) + 2;
}

// The window's group `title`: `count` parameters from the one labelled
// `first`, each row named as inside the group ("MIX" in ELEVON).
SheetBox group(const SheetFacts &facts, const QString &title, const QString &first, int count)
{
    SheetBox box{title, {}, {}, {}, {}, 0};
    const int start = byLabel(first);
    for (int i = start; i < start + count; ++i) {
        QString label = paramLabel(i);
        if (label.startsWith(title + u' '))
            label = label.sliced(title.size() + 1);
        box.rows.append({label, {cell(facts, i)}, {}});
    }
    return box;
}

// REVERSE to DELAY as the BASIC MENU tab has them, one column a channel.
SheetBox channelTable(const SheetFacts &facts)
{
    SheetBox box{QStringLiteral("CHANNEL"), {}, {}, {}, {}, 0};
    for (int ch = 1; ch <= 8; ++ch)
        box.headings << QStringLiteral("CH%1").arg(ch);
    for (const char *name : {"REVERSE", "SUB-TRIM", "END POINT L", "END POINT R", "FAIL SAFE", "DELAY", "AUX-CH"}) {
        SheetRow row{QLatin1String(name), {}, {}};
        for (const QString &ch : std::as_const(box.headings)) {
            const int index = byLabel(row.label + u' ' + ch);
            row.cells.append(index < 0 ? SheetCell{QStringLiteral("\u2013")} : cell(facts, index));
        }
        box.rows.append(row);
    }
    box.footnote = QStringLiteral("REVERSE: 0-N 1-R      AUX-CH: 0:SwA  1:SwB  2:VrA  3:VrB  4:NULL");
    return box;
}

// Every channel's pair, which the window shows one channel at a time.
SheetBox ratesTable(const DrRates &rates)
{
    SheetBox box{QStringLiteral("D/R"), {QStringLiteral("RATE-UP"), QStringLiteral("RATE-DOWN")}, {}, {}, {}, 0};
    for (std::size_t ch = 0; ch < rates.up.size(); ++ch) {
        box.rows.append({QStringLiteral("CH%1").arg(ch + 1),
                         {{QString::number(rates.up[ch])}, {QString::number(rates.down[ch])}},
                         {}});
    }
    return box;
}

// Boxes one under the other from `top`, `width` wide; where the column ends.
double stack(QList<SheetBox> &boxes, double left, double top, double width, double labelWidth)
{
    for (SheetBox &box : boxes) {
        box.rect = QRectF(left, top, width, boxHeight(box));
        box.labelWidth = labelWidth;
        top += box.rect.height() + kGap;
    }
    return top;
}

QString source(const SheetFacts &facts)
{
    if (facts.readAt.isValid())
        return SetupSheet::tr("Read from the transmitter on %1")
            .arg(facts.readAt.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
    if (!facts.file.isEmpty())
        return SetupSheet::tr("From the file %1").arg(facts.file);
    return SetupSheet::tr("Values set in the editor, from no file and no READ");
}

// How the sheet marks what differs from the transmitter, in the window's way.
QStringList markLines(const SheetFacts &facts)
{
    if (facts.marks.isEmpty())
        return {};
    const int changed = int(facts.marks.count(Mark::Changed));
    const int written = int(facts.marks.count(Mark::Written));
    QStringList lines;
    if (changed == 1)
        lines << SetupSheet::tr("1 value differs from the transmitter: underlined on grey, the transmitter's value "
                                "beside (TX).");
    else if (changed > 1)
        lines << SetupSheet::tr("%1 values differ from the transmitter: underlined on grey, the transmitter's value "
                                "beside (TX).")
                     .arg(changed);
    if (written == 1)
        lines << SetupSheet::tr("1 value written by UPDATE, not yet confirmed by a READ: in italics.");
    else if (written > 1)
        lines << SetupSheet::tr("%1 values written by UPDATE, not yet confirmed by a READ: in italics.").arg(written);
    if (lines.isEmpty())
        lines << SetupSheet::tr("Every value is the transmitter's.");
    return lines;
}

}  // namespace

QPageSize sheetPageSize()
{
    return QPageSize(QLocale().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter : QPageSize::A4);
}

Sheet sheetFor(const SheetFacts &facts, const QPageSize &page)
{
    Sheet sheet;
    sheet.page = page.size(QPageSize::Millimeter);
    sheet.title = SetupSheet::tr("J3K&J3LM setup sheet");
    sheet.program = QStringLiteral("j3k-editor %1").arg(QCoreApplication::applicationVersion());
    sheet.lines = QStringList{source(facts)} + markLines(facts);
    const double width = sheet.page.width() - 2 * kMargin;
    // Room for the most lines there are, so every sheet has its boxes in
    // the same places.
    double top = kMargin + SheetHeading + 3 * SheetTextLine + kGap;

    // BASIC MENU: the channels across, the rest of its groups below.
    sheet.tabs.append({QStringLiteral("BASIC MENU"), QRectF(kMargin, top, width, kTab)});
    QList<SheetBox> channels{channelTable(facts)};
    top = stack(channels, kMargin, top + kTab, width, 36);
    QList<SheetBox> settings{
        group(facts, QStringLiteral("PARAMENTER"), QStringLiteral("TX-ALARM"), facts.versionRead ? 3 : 2)};
    const double column = (width - 3 * kGap) / 4;
    stack(settings, kMargin, top, 62, 26);
    QList<SheetBox> notes{{SetupSheet::tr("MODEL AND NOTES"), {}, {}, {}, {}, 60}};
    notes.first().rect = QRectF(kMargin + 62 + kGap, top, width - 62 - kGap, boxHeight(settings.first()));
    top += settings.first().rect.height() + kGap;

    // ADVACNE MENU: four columns, as the tab has them.
    sheet.tabs.append({QStringLiteral("ADVACNE MENU"), QRectF(kMargin, top, width, kTab)});
    top += kTab;
    QList<SheetBox> dr{group(facts, QStringLiteral("D/R"), QStringLiteral("D/R MIX"), 4)};
    if (facts.rates)
        dr.append(ratesTable(*facts.rates));
    QList<SheetBox> attitude{group(facts, QStringLiteral("ATTITUDE"), QStringLiteral("ATTITUDE CH"), 7)};
    const char *attitudes[] = {"(UP-UP)", "(UP-CT)", "(UP-DN)", "(DN-UP)", "(DN-CT)", "(DN-DN)"};
    for (int i = 0; i < 6; ++i)
        attitude.first().rows[i + 1].note = QLatin1String(attitudes[i]);
    QList<SheetBox> tails{group(facts, QStringLiteral("ELEVON"), QStringLiteral("ELEVON MIX"), 7),
                          group(facts, QStringLiteral("V-TAIL"), QStringLiteral("V-TAIL MIX"), 5)};
    QList<SheetBox> mixes{group(facts, QStringLiteral("PROG.MIX1"), QStringLiteral("PROG.MIX1 MIX"), 6),
                          group(facts, QStringLiteral("PROG.MIX2"), QStringLiteral("PROG.MIX2 MIX"), 6)};
    stack(dr, kMargin, top, column, 24);
    if (dr.size() > 1)
        dr.last().labelWidth = 10;
    stack(attitude, kMargin + column + kGap, top, column, 13);
    stack(tails, kMargin + 2 * (column + kGap), top, column, 18);
    stack(mixes, kMargin + 3 * (column + kGap), top, column, 16);

    for (const QList<SheetBox> *part : {&channels, &settings, &notes, &dr, &attitude, &tails, &mixes})
        sheet.boxes += *part;
    return sheet;
}

}  // namespace j3k
