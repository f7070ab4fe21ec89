// SPDX-License-Identifier: GPL-3.0-or-later
#include "dlgload.h"
#include "ui_dlgload.h"

#include "comm.h"
#include "filelog.h"
#include "formfont.h"
#include "smallfile.h"

#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

DlgLoad::DlgLoad(QWidget *parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::DlgLoad>())
{
    ui->setupUi(this);
    useFormFont(this);
}

DlgLoad::~DlgLoad() = default;

void DlgLoad::changeEvent(QEvent *e)
{
    QDialog::changeEvent(e);
    if (e->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
}

// Shows the first characters of what LOAD would receive. A file whose whole
// text is a hex dump ("53 30 30") is turned into the text it denotes first;
// any other text fails that conversion and stays as read.
void DlgLoad::on_checkBox_clicked()
{
    if (context.isEmpty())
        return;
    qCDebug(lcFiles) << context.left(16);

    QString preview;
    if (ui->checkBox->isChecked()) {
        context = BgComm::ByteArrayToHexString(context.toLocal8Bit());
        preview = context.left(48);  // the dump of the first 16 bytes
    } else {
        bool ok = false;
        const QByteArray bytes = BgComm::HexStringToByteArray(context, &ok);
        if (ok)
            context = QString::fromLocal8Bit(bytes);
        preview = context.left(16);
    }
    qCDebug(lcFiles) << preview;
    ui->textBrowser->setPlainText(preview);
}

void DlgLoad::on_toolButton_clicked()
{
    const QString chosen
        = QFileDialog::getOpenFileName(this, tr("打开文件"), m_folder, tr("所有文件 (*);;文本文件 (*.txt *.dat)"));
    if (chosen.isEmpty())
        return;  // cancelled: the file chosen before still stands
    readFile(chosen);
}

void DlgLoad::accept()
{
    const QString typed = ui->lineEdit->text();
    if (typed.isEmpty()) {
        fileName.clear();
        context.clear();
    } else if (typed != fileName && !readFile(typed)) {
        return;
    }
    QDialog::accept();
}

// Reads the file at `path` for LOAD, or says why not and forgets it. Only a
// small regular file is read, so a FIFO, a device or a huge file can neither
// hang the window nor fill the memory.
bool DlgLoad::readFile(const QString &path)
{
    fileName = path;
    m_folder = QFileInfo(path).absolutePath();
    ui->lineEdit->setText(fileName);

    const j3k::SmallFileRead read = j3k::readSmallFile(fileName);
    if (!read.ok()) {
        QMessageBox box(QMessageBox::Critical, tr("错误"), tr("不能读取指定的文件"), QMessageBox::Ok, this);
        box.setInformativeText(read.error);
        box.exec();
        fileName.clear();
        context.clear();
        ui->lineEdit->clear();
        return false;
    }
    context = QString::fromLocal8Bit(read.bytes);
    ui->labelFileLength->setText(tr("文件长度：%1B").arg(read.bytes.size()));
    on_checkBox_clicked();
    return true;
}
