// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheetpdf.h"

#include "sheetpainter.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

namespace j3k {

QString writeSheetPdf(const QString &path, const SheetFacts &facts)
{
    const Sheet sheet = sheetFor(facts);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    {
        QPdfWriter writer(&file);
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
    // A write that failed on the way (a full disk) shows here.
    return file.commit() ? QString() : file.errorString();
}

}  // namespace j3k
