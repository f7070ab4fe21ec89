// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "comboaccessible.h"
#include "dlgload.h"
#include "filelog.h"
#include "focusring.h"
#include "formfont.h"
#include "notelabel.h"
#include "parambinding.h"
#include "paramdocument.h"
#include "paramfile.h"
#include "pathlabel.h"
#include "recoveryfile.h"
#include "smallfile.h"
#include "transmitterreview.h"
#include "txsession.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>

namespace {

// How long a note of what a command did stays in the status line.
constexpr int kNoteMs = 10000;

}  // namespace

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
    , ui(std::make_unique<Ui::MainWindow>())
{
    installComboAccessible();
    installFocusRing();
    // The font first: every widget of the form starts with it rather than
    // changing to it, which costs a third of the form's own set-up.
    useFormFont(this);
    ui->setupUi(this);
    useFormFont(this);
    m_document = new ParamDocument(this);
    m_binding = std::make_unique<ParamBinding>(this);
    m_binding->bind(*m_document);
    setUpHistory();

    useResourceIconsWhereMissing();
#ifndef Q_OS_WIN
    // Ports here are paths, and not every one is enumerated (a pseudo-
    // terminal such as txsim's is not): the user may type one in.
    ui->comboBoxComm->setEditable(true);
    ui->comboBoxComm->setInsertPolicy(QComboBox::NoInsert);
#endif
    setUpLink();
    setUpPortList();
    connect(ui->pushButtonLoad, &QPushButton::clicked, this, &MainWindow::load);
    connect(ui->pushButtonSave, &QPushButton::clicked, this, &MainWindow::save);
    resize(1000, 525);

    fstLabel = new PathLabel(ui->statusbar);
    fstLabel->setObjectName(QStringLiteral("fstLabel"));
    // No fixed minimum width: the label's own keeps the state and the counts
    // whole, and lets only the port's path give way to a long note.
    fstLabel->setMinimumHeight(20);
    fstLabel->setFrameShape(QFrame::Panel);
    fstLabel->setFrameShadow(QFrame::Sunken);
    secLabel = new NoteLabel(ui->statusbar);
    secLabel->setObjectName(QStringLiteral("secLabel"));
    secLabel->setFrameShape(QFrame::Panel);
    secLabel->setFrameShadow(QFrame::Sunken);
    secLabel->setOpenExternalLinks(true);
    ui->statusbar->addPermanentWidget(fstLabel);
    ui->statusbar->addPermanentWidget(secLabel);
    setUpReview();
    setUpSheet();

    refrushInfoLabel();
    setWindowFlags(windowFlags() & ~Qt::WindowMaximizeButtonHint);
    setAcceptDrops(true);
    restoreSettings();
}

// The rest of the set-up waits for the first paint, so as not to delay it.
void MainWindow::paintEvent(QPaintEvent *e)
{
    QMainWindow::paintEvent(e);
    if (!m_setUpFinished)
        QTimer::singleShot(0, this, &MainWindow::finishSetUp);
}

// Nothing here changes what the first paint shows but the CHANGES button's
// icon; the shortcuts need a window on the screen to be pressed in.
void MainWindow::finishSetUp()
{
    if (m_setUpFinished)
        return;
    m_setUpFinished = true;
    m_changesButton->setIcon(style()->standardIcon(QStyle::SP_FileDialogContentsView));
    setUpShortcuts();
    startPortPolling();
}

// Leaving with the port open closes it without a DIS notice.
MainWindow::~MainWindow()
{
    // What the line still has to tell reaches nobody: the window is going.
    myCom->disconnect();
    myCom->close(j3k::TxLink::Notice::Skip);
    // Before the widgets go: the end of a spin box's editing is no edit.
    delete m_document;
}

// Closed in UPDATE's pause, the window would leave the transmitter with an
// S record and no G record. The update runs to its end, pause and all; then
// the window closes. Quitting the application asks the window to close
// first, so it waits the same way.
void MainWindow::closeEvent(QCloseEvent *e)
{
    if (myCom->isPausing()) {
        m_closeWhenUpdated = true;
        e->ignore();
        return;
    }
    if (!m_stopSignal && !confirmLoss()) {
        e->ignore();
        return;
    }
    saveSettings();
    if (!m_keepRecovery)
        m_document->recovery().remove();
    QMainWindow::closeEvent(e);
}

void MainWindow::changeEvent(QEvent *e)
{
    QMainWindow::changeEvent(e);
    if (e->type() == QEvent::LanguageChange)
        retranslate();
}

// Re-applies every text in the language now installed. The form re-texts
// its combo boxes item by item, so each keeps its current item; the port
// list has no items in the form and keeps the ports found.
void MainWindow::retranslate()
{
    ui->retranslateUi(this);
    retranslateShortcuts();
    describePorts();
    if (isComOpen())
        ui->pushButtonOpen->setText(tr("OFF"));
    refrushInfoLabel();
    retranslateReview();
    retranslateHistory();
    retranslateSheet();
}

// The command bar's icons are loose files under images/ in the current
// folder, so a user can swap them; an editor started elsewhere still shows
// the copies built into the program.
void MainWindow::useResourceIconsWhereMissing()
{
    const std::pair<QPushButton *, const char *> buttons[] = {
        {ui->pushButtonRead, "Receive.png"},
        {ui->pushButtonLoad, "open.png"},
        {ui->pushButtonSend2, "Send2.png"},
        {ui->pushButtonSave, "save.png"},
    };
    for (const auto &[button, file] : buttons) {
        const QString name = QString::fromLatin1(file);
        if (!QFileInfo::exists(QStringLiteral("images/") + name))
            button->setIcon(QIcon(QStringLiteral(":/icons/images/") + name));
    }
}

void MainWindow::load()
{
    DlgLoad dlg(this);
    dlg.setFolder(m_fileFolder);
    const int result = dlg.exec();
    m_fileFolder = dlg.folder();
    if (result != QDialog::Accepted)
        return;
    const QString name = QFileInfo(dlg.filePath()).fileName();
    loadText(dlg.getContext(), tr("LOAD %1").arg(name), name);
}

bool MainWindow::loadText(const QString &text, const QString &step, const QString &file)
{
    // A text that is not a parameter file, or holds a value a box cannot
    // show, would put nonsense or clamped values in the window; refuse it
    // whole rather than load part of it.
    const j3k::FileParams params = j3k::paramsFromFileText(text, m_document->values());
    if (!params.isParamFile) {
        QMessageBox::critical(this, tr("错误"), tr("文件格式不正确"));
        return false;
    }
    if (!params.ok()) {
        showCritical(tr("错误"), tr("The file holds values outside their ranges; nothing was loaded."),
                     j3k::faultMessages(params.faults).join(u'\n'));
        return false;
    }
    // Every value the records carry; VERSION, which none does, stays.
    m_document->load(step, params.params, file);
    return true;
}

void MainWindow::save()
{
    // The values of the moment of the click, whatever happens while the
    // dialog is open.
    m_document->commitEdits();
    saveAs(m_document->values());
}

bool MainWindow::saveAs(const j3k::ParamSet &params)
{
    const QByteArray contents = j3k::paramFileBytes(params);
    // "All files" is "*": "*.*" would hide every name without a dot.
    QFileDialog dialog(this, tr("保存数据"), m_fileFolder, tr("文本文件 (*.txt *.dat);;所有文件 (*)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // A bare name under the text filter is a parameter file: it gets ".txt",
    // so LOAD's text filter finds it again.
    const QString textFilter = dialog.nameFilters().constFirst();
    dialog.setDefaultSuffix(QStringLiteral("txt"));
    connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog, textFilter](const QString &filter) {
        dialog.setDefaultSuffix(filter == textFilter ? QStringLiteral("txt") : QString());
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    const QString fileName = dialog.selectedFiles().constFirst();
    qCDebug(lcFiles) << fileName;
    m_fileFolder = QFileInfo(fileName).absolutePath();
    const QString failure = j3k::replaceSmallFile(fileName, contents);
    if (!failure.isEmpty()) {
        showCritical(tr("错误"), tr("不能写入指定的文件"), failure);
        return false;
    }
    m_document->saved(params, QFileInfo(fileName).fileName());
    // The status line cuts a long text at its end, which is where the file's
    // name is: a long path gives way in the middle instead.
    const QString where = fontMetrics().elidedText(QDir::toNativeSeparators(fileName), Qt::ElideMiddle, width() / 2);
    statusBar()->showMessage(tr("saved to %1").arg(where), kNoteMs);
    return true;
}

void MainWindow::refrushInfoLabel()
{
    m_sinceCount.start();
    // %1 stays for the port, a path that can be longer than the window is wide.
    QString line = isComOpen() ? tr("%1已打开 %2 %3 %4 | ")
                                     .arg(QStringLiteral("%1"), ui->comboBoxBaudRate->currentText(),
                                          ui->comboBoxDataBit->currentText(), ui->comboBoxStopBit->currentText())
                               : tr("串口未打开 | ");
    line += tr("发送：%1B | 接收：%2B").arg(myCom->sentCount()).arg(myCom->receivedCount());
    fstLabel->setPathText(line, isComOpen() ? ui->comboBoxComm->currentText() : QString());
}
