// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheetpdf.h"

#include "sheetpainter.h"
#include "smallfile.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QPainter>
#include <QPdfWriter>

namespace j3k {

QString writeSheetPdf(const QString &path, const SheetFacts &facts)
{
    const Sheet sheet = sheetFor(facts);
    // Drawn in memory first: the PDF writer never says whether its writes
    // reached the disk, and a QSaveFile it fills commits a file cut short
    // by a full disk as if it were whole. replaceSmallFile() checks every
    // byte of the page's few tens of kilobytes.
    QByteArray pdf;
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageSize(sheetPageSize());
        writer.setPageMargins(QMarginsF());
        writer.setTitle(sheet.title);
        writer.setCreator(sheet.program);
        QPainter painter;
        if (!painter.begin(&writer))
            return QCoreApplication::translate("SetupSheet", "cannot draw the PDF");
        paintSheet(painter, sheet);
        painter.end();
    }
    return replaceSmallFile(path, pdf);
}

}  // namespace j3k
