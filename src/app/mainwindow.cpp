#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "parambinding.h"
#include "portnames.h"

#include <QComboBox>
#include <QEvent>
#include <QFileInfo>
#include <QLabel>
#include <QSerialPortInfo>

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
    , ui(std::make_unique<Ui::MainWindow>())
{
    ui->setupUi(this);
    m_binding = std::make_unique<ParamBinding>(this);
    for (QComboBox *box : findChildren<QComboBox *>())
        m_formItemCounts.emplace_back(box, box->count());

    useResourceIconsWhereMissing();
    fillPortList();
    resize(1000, 525);

    fstLabel = new QLabel(ui->statusbar);
    fstLabel->setObjectName(QStringLiteral("fstLabel"));
    fstLabel->setMinimumSize(150, 20);
    fstLabel->setFrameShape(QFrame::Panel);
    fstLabel->setFrameShadow(QFrame::Sunken);
    secLabel = new QLabel(ui->statusbar);
    secLabel->setObjectName(QStringLiteral("secLabel"));
    secLabel->setFrameShape(QFrame::Panel);
    secLabel->setFrameShadow(QFrame::Sunken);
    secLabel->setOpenExternalLinks(true);
    ui->statusbar->addPermanentWidget(fstLabel);
    ui->statusbar->addPermanentWidget(secLabel);

    refrushInfoLabel();
    setWindowFlags(windowFlags() & ~Qt::WindowMaximizeButtonHint);
}

MainWindow::~MainWindow() = default;

void MainWindow::changeEvent(QEvent *e)
{
    QMainWindow::changeEvent(e);
    if (e->type() == QEvent::LanguageChange)
        retranslate();
}

// Re-applies every text of the form. The form's combo boxes get their own
// item lists back (the port list too), each at its first item.
void MainWindow::retranslate()
{
    for (const auto &[box, count] : m_formItemCounts) {
        box->clear();
        for (int i = 0; i < count; ++i)
            box->addItem(QString());
    }
    ui->retranslateUi(this);
    refrushInfoLabel();
}

void MainWindow::fillPortList()
{
    QStringList names;
    const auto ports = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo &info : ports)
        names << info.portName();
#ifdef Q_OS_WIN
    constexpr bool windowsNaming = true;
#else
    constexpr bool windowsNaming = false;
#endif
    ui->comboBoxComm->clear();
    ui->comboBoxComm->addItems(j3k::listedPortNames(names, windowsNaming));
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

QString MainWindow::buildRecord(j3k::RecordId id) const
{
    return j3k::buildRecord(id, m_binding->read());
}

void MainWindow::applyRecord(j3k::RecordId id, QStringView record)
{
    // Only the widgets the record set: a combo box whose index was refused,
    // and every widget of the other record, are left exactly as they were.
    j3k::ParamSet params = m_binding->read();
    m_binding->write(params, j3k::applyRecord(id, record, params));
}

void MainWindow::refrushInfoLabel()
{
    QString line = isComOpen ? tr("%1已打开 %2 %3 %4 | ")
                                   .arg(ui->comboBoxComm->currentText(), ui->comboBoxBaudRate->currentText(),
                                        ui->comboBoxDataBit->currentText(), ui->comboBoxStopBit->currentText())
                             : tr("串口未打开 | ");
    line += tr("发送：%1B | 接收：%2B").arg(transCount).arg(recvCount);
    fstLabel->setText(line);
}
