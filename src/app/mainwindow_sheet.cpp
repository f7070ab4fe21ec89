// SPDX-License-Identifier: GPL-3.0-or-later
// The setup sheet from the window: printed through a preview where Qt has
// print support, and written as a PDF everywhere. The document says what
// the sheet holds; the window only asks where it goes.
#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "paramdocument.h"
#include "sheetpainter.h"
#include "sheetpdf.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QStatusBar>
#include <QToolButton>
#ifdef J3K_HAVE_PRINT_SUPPORT
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#endif

void MainWindow::setUpSheet()
{
    m_exportSheet = new QAction(this);
    m_exportSheet->setObjectName(QStringLiteral("exportSheetAction"));
    m_exportSheet->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    connect(m_exportSheet, &QAction::triggered, this, &MainWindow::exportSheet);
    auto *menu = new QMenu(this);
#ifdef J3K_HAVE_PRINT_SUPPORT
    m_printSheet = new QAction(this);
    m_printSheet->setObjectName(QStringLiteral("printSheetAction"));
    m_printSheet->setShortcut(QKeySequence::Print);
    connect(m_printSheet, &QAction::triggered, this, &MainWindow::printSheet);
    menu->addAction(m_printSheet);
#else
    // Without a printer to choose, the keys that print make the PDF to print.
    m_exportSheet->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_E), QKeySequence::Print});
#endif
    menu->addAction(m_exportSheet);
    addActions(menu->actions());

    // Right of the command buttons rather than among them, which would
    // narrow every one of them.
    QWidget *commands = ui->layoutWidget_11;
    m_sheetButton = new QToolButton(commands->parentWidget());
    m_sheetButton->setObjectName(QStringLiteral("sheetButton"));
    m_sheetButton->setMenu(menu);
    m_sheetButton->setPopupMode(QToolButton::InstantPopup);
    m_sheetButton->setToolButtonStyle(Qt::ToolButtonTextOnly);
    const int height = ui->pushButtonRead->sizeHint().height();
    m_sheetButton->setGeometry(commands->geometry().right() + 7, commands->y() + (commands->height() - height) / 2, 76,
                               height);
    setTabOrder(m_changesButton, m_sheetButton);
    retranslateSheet();
}

void MainWindow::retranslateSheet()
{
    m_sheetButton->setText(tr("SHEET"));
    m_sheetButton->setToolTip(tr("The settings on one page: print them, or keep them as a PDF"));
    m_exportSheet->setText(tr("Export PDF..."));
    if (m_printSheet)
        m_printSheet->setText(tr("Print..."));
}

void MainWindow::exportSheet()
{
    m_document->commitEdits();
    const j3k::SheetFacts facts = m_document->sheetFacts();
    const QString stem
        = facts.file.isEmpty() ? QStringLiteral("setup-sheet") : QFileInfo(facts.file).completeBaseName();
    QString path = QFileDialog::getSaveFileName(this, tr("Export PDF"), QDir(m_fileFolder).filePath(stem + ".pdf"),
                                                tr("PDF files (*.pdf)"));
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".pdf");
    m_fileFolder = QFileInfo(path).absolutePath();
    const QString failure = j3k::writeSheetPdf(path, facts);
    if (!failure.isEmpty()) {
        showCritical(tr("错误"), tr("The sheet could not be written; the file is as it was."), failure);
        return;
    }
    statusBar()->showMessage(tr("Setup sheet written to %1").arg(QDir::toNativeSeparators(path)), 10000);
}

void MainWindow::printSheet()
{
#ifdef J3K_HAVE_PRINT_SUPPORT
    m_document->commitEdits();
    const j3k::SheetFacts facts = m_document->sheetFacts();
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(j3k::sheetPageSize());
    printer.setFullPage(true);  // the sheet keeps its own margins
    printer.setDocName(tr("Setup sheet"));
    QPrintPreviewDialog preview(&printer, this);
    preview.setObjectName(QStringLiteral("sheetPreview"));
    // Laid out again for whatever paper is chosen in the preview.
    connect(&preview, &QPrintPreviewDialog::paintRequested, this, [&facts](QPrinter *paper) {
        QPainter painter(paper);
        j3k::paintSheet(painter, j3k::sheetFor(facts, paper->pageLayout().pageSize()));
    });
    preview.exec();
#endif
}
