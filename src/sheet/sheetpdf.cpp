// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheetpdf.h"

#include "sheetpainter.h"
#include "smallfile.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

namespace j3k {

QString writeSheetPdf(const QString &path, const SheetFacts &facts)
{
    if (const QString refused = whyNotReplaceable(path); !refused.isEmpty())
        return refused;
    const Sheet sheet = sheetFor(facts);
    // Unbuffered, as replaceSmallFile() writes: Qt 6.4's commit() misses a
    // write that fails while a buffer is flushed, and would rename a short
    // file over the old one.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
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
