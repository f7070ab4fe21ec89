#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "parambinding.h"

#include <QComboBox>
#include <QEvent>
#include <QFileInfo>
#include <QLabel>
#include <QTimer>

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
    , ui(std::make_unique<Ui::MainWindow>())
{
    ui->setupUi(this);
    m_binding = std::make_unique<ParamBinding>(this);
    for (QComboBox *box : findChildren<QComboBox *>())
        m_formItemCounts.emplace_back(box, box->count());

    useResourceIconsWhereMissing();
#ifndef Q_OS_WIN
    // Ports here are paths, and not every one is enumerated (a pseudo-
    // terminal such as txsim's is not): the user may type one in.
    ui->comboBoxComm->setEditable(true);
    ui->comboBoxComm->setInsertPolicy(QComboBox::NoInsert);
#endif
    // While the port is closed the list follows the adapters plugged in or
    // pulled out.
    m_portPoll = new QTimer(this);
    m_portPoll->setObjectName(QStringLiteral("portPollTimer"));
    m_portPoll->setInterval(1000);
    connect(m_portPoll, &QTimer::timeout, this, &MainWindow::pollPorts);
    pollPorts();
    m_portPoll->start();
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

// Leaving with the port open closes it without a DIS notice.
MainWindow::~MainWindow()
{
    if (myCom) {
        myCom->disconnect(this);
        myCom->close();
    }
}

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
    if (isComOpen)
        ui->pushButtonOpen->setText(tr("OFF"));
    refrushInfoLabel();
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
    j3k::ParamSet params = m_binding->read();
    j3k::applyRecord(id, record, params);
    m_binding->write(params);
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
