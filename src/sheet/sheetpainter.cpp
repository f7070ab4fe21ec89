// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheetpainter.h"

#include "editorfont.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>

namespace j3k {

namespace {

using Mark = TransmitterState::Mark;

constexpr double kTitle = SheetTitleLine;
constexpr double kRow = SheetRowHeight;
constexpr double kNote = 14;  // the width of "(UP-UP)" and the like

// Millimetres on the page to the device's pixels, and fonts in points.
class Pen
{
public:
    explicit Pen(QPainter &painter)
        : m_painter(painter)
        , m_perMm(painter.device()->logicalDpiX() / 25.4)
    {}

    QRectF at(const QRectF &mm) const { return {mm.topLeft() * m_perMm, mm.size() * m_perMm}; }
    double mm(double pixels) const { return pixels / m_perMm; }

    void font(double points, bool bold = false, bool italic = false, bool underline = false)
    {
        // The window's font: the sheet reads as the window does, on paper and
        // in the PDF (which embeds it), on every system.
        QFont f(editorFontFamily());
        f.setPointSizeF(points);
        // Any spacing at all keeps Qt from joining "fi" into one glyph, which
        // a PDF reader would then find and copy as "ﬁ" (file names, "FAIL").
        f.setLetterSpacing(QFont::AbsoluteSpacing, 0.1);
        f.setBold(bold);
        f.setItalic(italic);
        f.setUnderline(underline);
        m_painter.setFont(f);
    }
    // Where the text ends, in millimetres.
    double text(const QRectF &mm, const QString &text, Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter)
    {
        QRectF drawn;
        // Rather over the next column than cut off where nobody sees it.
        m_painter.drawText(at(mm), int(align | Qt::TextDontClip), text, &drawn);
        return this->mm(drawn.right());
    }
    void frame(const QRectF &mm, double width)
    {
        m_painter.setPen(QPen(Qt::black, width * m_perMm));
        m_painter.setBrush(Qt::NoBrush);
        m_painter.drawRect(at(mm));
    }
    void line(double x1, double y, double x2, double width)
    {
        m_painter.setPen(QPen(Qt::black, width * m_perMm));
        m_painter.drawLine(at(QRectF(x1, y, 0, 0)).topLeft(), at(QRectF(x2, y, 0, 0)).topLeft());
    }
    void shade(const QRectF &mm) { m_painter.fillRect(at(mm), QColor(0xd8, 0xd8, 0xd8)); }
    double width(const QString &text) const
    {
        return mm(QFontMetricsF(m_painter.font(), m_painter.device()).horizontalAdvance(text));
    }

private:
    QPainter &m_painter;
    double m_perMm;
};

// A value as the window marks it: underlined on grey where it differs from
// the transmitter, with the transmitter's value beside; in italics where an
// UPDATE wrote it and no READ has confirmed it.
void paintCell(Pen &pen, const QRectF &at, const SheetCell &cell)
{
    pen.font(10.5, true, cell.mark == Mark::Written, cell.mark == Mark::Changed);
    if (cell.mark == Mark::Changed)
        pen.shade(QRectF(at.left() - 0.6, at.top() + 0.8, pen.width(cell.text) + 1.2, at.height() - 1.6));
    const double end = pen.text(at, cell.text);
    if (cell.held.isEmpty())
        return;
    pen.font(7);
    pen.text(QRectF(end + 1.2, at.top(), at.right() - end, at.height()),
             QCoreApplication::translate("SetupSheet", "TX %1").arg(cell.held));
}

void paintBox(Pen &pen, const SheetBox &box)
{
    pen.frame(box.rect, 0.25);
    const double left = box.rect.left() + 2;
    const bool notes
        = std::any_of(box.rows.begin(), box.rows.end(), [](const SheetRow &r) { return !r.note.isEmpty(); });
    const qsizetype columns = box.rows.isEmpty() ? 1 : box.rows.first().cells.size();
    const double cellsLeft = left + box.labelWidth;
    const double cellWidth = (box.rect.right() - 1 - cellsLeft - (notes ? kNote : 0)) / double(columns);
    pen.font(9.5, true);
    pen.text(QRectF(left, box.rect.top(), box.headings.isEmpty() ? box.rect.width() - 4 : box.labelWidth, kTitle),
             box.title);
    pen.font(6.5, true);
    for (qsizetype c = 0; c < box.headings.size(); ++c)
        pen.text(QRectF(cellsLeft + c * cellWidth, box.rect.top(), cellWidth, kTitle), box.headings.at(c));
    double top = box.rect.top() + kTitle;
    for (const SheetRow &row : box.rows) {
        pen.font(9);
        pen.text(QRectF(left, top, box.labelWidth, kRow), row.label);
        for (qsizetype c = 0; c < row.cells.size(); ++c)
            paintCell(pen, QRectF(cellsLeft + c * cellWidth, top, cellWidth, kRow), row.cells.at(c));
        pen.font(7.5);
        if (!row.note.isEmpty())
            pen.text(QRectF(box.rect.right() - 1 - kNote, top, kNote, kRow), row.note);
        top += kRow;
    }
    pen.font(7);
    if (!box.footnote.isEmpty())
        pen.text(QRectF(left, top, box.rect.width() - 4, SheetTextLine), box.footnote);
}

}  // namespace

void paintSheet(QPainter &painter, const Sheet &sheet)
{
    painter.save();
    Pen pen(painter);
    const double left = SheetMargin, width = sheet.page.width() - 2 * SheetMargin;
    pen.font(15, true);
    pen.text(QRectF(left, SheetMargin, width, SheetHeading - 2), sheet.title);
    pen.font(9);
    pen.text(QRectF(left, SheetMargin, width, SheetHeading - 2), sheet.program, Qt::AlignRight | Qt::AlignVCenter);
    double top = SheetMargin + SheetHeading;
    for (const QString &line : sheet.lines) {
        pen.text(QRectF(left, top, width, SheetTextLine), line);
        top += SheetTextLine;
    }
    for (const auto &[name, at] : sheet.tabs) {
        pen.font(11, true);
        pen.text(at, name);
        pen.line(at.left(), at.bottom() - 1, at.right(), 0.4);
    }
    for (const SheetBox &box : sheet.boxes)
        paintBox(pen, box);
    painter.restore();
}

}  // namespace j3k
