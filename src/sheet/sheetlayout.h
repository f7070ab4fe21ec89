// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sheetfacts.h"

#include <QList>
#include <QPageSize>
#include <QRectF>
#include <QString>
#include <QStringList>

// What a setup sheet holds and where, in millimetres from the page's top
// left corner, before anything is drawn: the window's groups as framed
// boxes in the order of its two tabs, each with its rows of values.
namespace j3k {

// In millimetres: the page's margin, the heading's height, a line of text
// under it, a box's title line and each of its rows.
inline constexpr double SheetMargin = 12;
inline constexpr double SheetHeading = 11;
inline constexpr double SheetTextLine = 5;
inline constexpr double SheetTitleLine = 7;
inline constexpr double SheetRowHeight = 7;

struct SheetCell {
    QString text;
    TransmitterState::Mark mark = TransmitterState::Mark::None;
    QString held;  // the transmitter's value where it differs, else empty
};

struct SheetRow {
    QString label;
    QList<SheetCell> cells;
    QString note;  // after the cells in small type, as the window has "(UP-UP)"
};

// A group as the window frames one. A box with headings lays them out on
// its title's line, one over each column of cells, and keeps its title to
// the labels' column.
struct SheetBox {
    QString title;
    QStringList headings;
    QList<SheetRow> rows;
    QString footnote;
    QRectF rect;
    double labelWidth = 0;
};

struct Sheet {
    QSizeF page;
    QString title;
    QString program;
    QStringList lines;                   // where the values came from, and how changes are marked
    QList<QPair<QString, QRectF>> tabs;  // BASIC MENU and ADVACNE MENU over their boxes
    QList<SheetBox> boxes;
};

// A4, or Letter where the locale measures in inches.
QPageSize sheetPageSize();

// The sheet of `facts` in the language installed now.
Sheet sheetFor(const SheetFacts &facts, const QPageSize &page = sheetPageSize());

}  // namespace j3k
