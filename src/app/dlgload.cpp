#include "dlgload.h"
#include "ui_dlgload.h"

#include "comm.h"
#include "formfont.h"

#include <QDebug>
#include <QEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QTextStream>

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
    qDebug() << context.left(16);

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
    qDebug() << preview;
    ui->textBrowser->setPlainText(preview);
}

void DlgLoad::on_toolButton_clicked()
{
    const QString chosen
        = QFileDialog::getOpenFileName(this, tr("打开文件"), m_folder, tr("所有文件 (*.*);;文本文件 (*.txt *.dat)"));
    if (chosen.isEmpty())
        return;  // cancelled: the file chosen before still stands
    readFile(chosen);
}

bool DlgLoad::readFile(const QString &path)
{
    fileName = path;
    m_folder = QFileInfo(path).absolutePath();
    ui->lineEdit->setText(fileName);

    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        QMessageBox::critical(this, tr("错误"), tr("不能读取指定的文件"));
        fileName.clear();
        context.clear();
        ui->lineEdit->clear();
        return false;
    }
    context = QTextStream(&file).readAll();
    file.close();

    ui->labelFileLength->setText(tr("文件长度：%1B").arg(context.size()));
    on_checkBox_clicked();
    return true;
}
