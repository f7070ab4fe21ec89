// SPDX-License-Identifier: GPL-3.0-or-later
#include "dlgchanges.h"

#include "mainwindow.h"
#include "paramdocument.h"
#include "paramfile.h"
#include "paramtext.h"
#include "pathlabel.h"
#include "smallfile.h"
#include "transmitterstate.h"

#include <QDateTime>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTreeWidget>
#include <QUndoStack>
#include <QUndoView>
#include <QVBoxLayout>

namespace {

QTreeWidget *table(const QStringList &headers, const char *name)
{
    auto *t = new QTreeWidget;
    t->setObjectName(QLatin1String(name));
    t->setHeaderLabels(headers);
    t->setRootIsDecorated(false);
    t->setUniformRowHeights(true);
    t->setAlternatingRowColors(true);
    t->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    return t;
}

QPushButton *button(const QString &text, const char *name)
{
    auto *b = new QPushButton(text);
    b->setObjectName(QLatin1String(name));
    b->setAutoDefault(false);
    return b;
}

}  // namespace

DlgChanges::DlgChanges(ParamDocument &document, QUndoStack *history, Loader load, QWidget *parent)
    : QDialog(parent)
    , m_document(document)
    , m_load(std::move(load))
    , m_heading(new PathLabel)
    , m_rows(table({tr("Parameter"), tr("Transmitter"), tr("Editor")}, "changesTable"))
    , m_putBack(button(tr("Put back the transmitter's values"), "putBackButton"))
    , m_toTransmitter(button(tr("Compare with the transmitter"), "compareTransmitterButton"))
    , m_backups(table({tr("Backup"), tr("Differs from the editor by")}, "backupList"))
    , m_loadBackup(button(tr("Load backup"), "loadBackupButton"))
{
    setObjectName(QStringLiteral("DlgChanges"));
    setWindowTitle(tr("CHANGES"));
    m_heading->setObjectName(QStringLiteral("heading"));
    m_heading->setWordWrap(true);
    QPushButton *toFile = button(tr("Compare with a file..."), "compareFileButton");
    auto *commands = new QHBoxLayout;
    commands->addWidget(m_putBack);
    commands->addStretch();
    commands->addWidget(toFile);
    commands->addWidget(m_toTransmitter);

    auto *backupsLabel = new PathLabel;
    backupsLabel->setObjectName(QStringLiteral("backupsLabel"));
    backupsLabel->setWordWrap(true);
    backupsLabel->setPathText(tr("Backups of earlier READs, newest first, in %1"), m_document.backups().folder());
    backupsLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto *close = new QDialogButtonBox(QDialogButtonBox::Close);
    close->addButton(m_loadBackup, QDialogButtonBox::ActionRole);

    // Every step the values went through since the editor started; the
    // keys of undo and redo work here as in the window.
    auto *historyLabel = new QLabel(
        tr("History: %1 undoes, %2 redoes. Click a step to go back to it.")
            .arg(QKeySequence(QKeySequence::Undo).toString(QKeySequence::NativeText),
                 tr("%1 or %2")
                     .arg(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z).toString(QKeySequence::NativeText),
                          QKeySequence(Qt::CTRL | Qt::Key_Y).toString(QKeySequence::NativeText))));
    historyLabel->setObjectName(QStringLiteral("historyLabel"));
    historyLabel->setWordWrap(true);
    auto *historyView = new QUndoView(history);
    historyView->setObjectName(QStringLiteral("historyView"));
    historyView->setEmptyLabel(tr("start of this session"));
    auto *historyColumn = new QVBoxLayout;
    historyColumn->addWidget(historyLabel);
    historyColumn->addWidget(historyView);

    auto *column = new QVBoxLayout;
    column->addWidget(m_heading);
    column->addWidget(m_rows, 3);
    column->addLayout(commands);
    column->addSpacing(8);
    column->addWidget(backupsLabel);
    column->addWidget(m_backups, 2);
    auto *columns = new QHBoxLayout;
    columns->addLayout(column, 3);
    columns->addLayout(historyColumn, 2);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addWidget(close);

    connect(m_putBack, &QPushButton::clicked, this, &DlgChanges::putBack);
    connect(toFile, &QPushButton::clicked, this, &DlgChanges::compareWithFile);
    connect(m_toTransmitter, &QPushButton::clicked, this, &DlgChanges::compareWithTransmitter);
    connect(m_loadBackup, &QPushButton::clicked, this, &DlgChanges::loadBackup);
    connect(m_backups, &QTreeWidget::itemSelectionChanged, this,
            [this] { m_loadBackup->setEnabled(!m_backups->selectedItems().isEmpty()); });
    connect(close, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // An undone step, a loaded backup or frames change what differs.
    connect(&document, &ParamDocument::stateChanged, this, [this] {
        showRows();
        showBackups();
    });

    resize(860, 520);
    showRows();
    showBackups();
}

void DlgChanges::showRows()
{
    const j3k::ParamSet editor = m_document.values();
    const QList<j3k::ParamChange> changes
        = m_file ? j3k::compareParams(*m_file, editor, j3k::recordParams()) : m_document.changes();
    m_rows->clear();
    for (const j3k::ParamChange &c : changes) {
        new QTreeWidgetItem(m_rows,
                            {j3k::paramLabel(c.index), j3k::valueText(c.index, c.a), j3k::valueText(c.index, c.b)});
    }
    m_rows->headerItem()->setText(1, m_file ? QFileInfo(m_fileName).fileName() : tr("Transmitter"));

    const auto n = changes.size();
    if (m_file) {
        // %1 stays for the label to fill with as much of the path as fits.
        m_heading->setPathText(
            n == 0   ? tr("%1 holds what the editor shows.")
            : n == 1 ? tr("%1 differs from the editor in 1 value.")
                     : tr("%1 differs from the editor in %2 values.").arg(QStringLiteral("%1"), QString::number(n)),
            m_fileName);
    } else if (!m_document.transmitter().hasReported()) {
        m_heading->setPathText(tr("The transmitter has not been read: open its port and READ first."));
    } else {
        m_heading->setPathText(n == 0   ? tr("The editor shows what the transmitter holds.")
                               : n == 1 ? tr("An UPDATE would change 1 value:")
                                        : tr("An UPDATE would change %1 values:").arg(n));
    }
    m_putBack->setEnabled(!m_file && n > 0);
    m_toTransmitter->setEnabled(m_file.has_value());
}

void DlgChanges::showBackups()
{
    const j3k::ParamSet editor = m_document.values();
    m_backups->clear();
    const QStringList paths = m_document.backups().list();
    for (const QString &path : paths) {
        const QString stem = QFileInfo(path).completeBaseName();
        const QDateTime when = QDateTime::fromString(stem.left(19), QStringLiteral("yyyy-MM-dd_HH-mm-ss"));
        const j3k::SmallFileRead file = j3k::readSmallFile(path);
        const j3k::FileParams params = j3k::paramsFromFileText(QString::fromLatin1(file.bytes), editor);
        QString differs = !file.ok()            ? file.error
                          : !params.isParamFile ? tr("not a parameter file")
                          : !params.ok()        ? tr("values out of range")
                                                : QString();
        if (params.ok()) {
            const auto n = j3k::compareParams(params.params, editor, j3k::recordParams()).size();
            differs = n == 1 ? tr("1 parameter") : tr("%1 parameters").arg(n);
        }
        // Digits only, as in the file's name: no month name in the system's
        // language when the editor speaks another.
        QString shown = when.isValid() ? when.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) : stem;
        if (when.isValid() && j3k::BackupStore::datedInFuture(when))
            shown = tr("%1, dated in the future").arg(shown);
        auto *item = new QTreeWidgetItem(m_backups, {shown, differs});
        item->setData(0, Qt::UserRole, path);
        item->setToolTip(0, QDir::toNativeSeparators(path));
    }
    m_loadBackup->setEnabled(false);
}

void DlgChanges::compareWithFile()
{
    const QString path = QFileDialog::getOpenFileName(this, tr("Compare with a parameter file"), QStringLiteral("./"),
                                                      MainWindow::tr("文本文件 (*.txt *.dat);;所有文件 (*)"));
    if (path.isEmpty())
        return;
    const j3k::SmallFileRead file = j3k::readSmallFile(path);
    if (!file.ok()) {
        critical(MainWindow::tr("不能读取指定的文件"), file.error);
        return;
    }
    const j3k::FileParams params = j3k::paramsFromFileText(QString::fromLatin1(file.bytes), m_document.values());
    if (!params.isParamFile) {
        critical(MainWindow::tr("文件格式不正确"));
        return;
    }
    if (!params.ok()) {
        critical(MainWindow::tr("The file holds values outside their ranges; nothing was loaded."),
                 j3k::faultMessages(params.faults).join(u'\n'));
        return;
    }
    m_file = params.params;
    m_fileName = QDir::toNativeSeparators(path);
    showRows();
}

void DlgChanges::compareWithTransmitter()
{
    m_file.reset();
    showRows();
}

void DlgChanges::putBack() { m_document.putBack(); }

void DlgChanges::loadBackup()
{
    const QList<QTreeWidgetItem *> chosen = m_backups->selectedItems();
    if (chosen.isEmpty())
        return;
    const QString path = chosen.first()->data(0, Qt::UserRole).toString();
    const j3k::SmallFileRead file = j3k::readSmallFile(path);
    if (!file.ok()) {
        critical(MainWindow::tr("不能读取指定的文件"), file.error);
        return;
    }
    m_load(QString::fromLatin1(file.bytes), tr("LOAD backup %1").arg(QFileInfo(path).completeBaseName()),
           QFileInfo(path).fileName());
}

void DlgChanges::critical(const QString &text, const QString &details)
{
    QMessageBox box(QMessageBox::Critical, MainWindow::tr("错误"), text, QMessageBox::Ok, this);
    box.setInformativeText(details);
    box.exec();
}
