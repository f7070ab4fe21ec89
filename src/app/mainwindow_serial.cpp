// The window's serial link: the port list, opening and closing the port,
// READ and UPDATE, and the frames that come back.
#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "comm.h"
#include "delay.h"
#include "parambinding.h"
#include "portnames.h"
#include "portsettings.h"
#include "transmitterreview.h"
#ifdef J3K_HAVE_PTY
#include "ptytransmitter.h"
#endif

#include <QFileInfo>
#include <QMessageBox>
#include <QPointer>
#include <QSerialPortInfo>
#include <QTimer>
#include <QtConcurrent/QtConcurrentRun>

namespace {

#ifdef Q_OS_WIN
constexpr bool kWindowsNaming = true;
#else
constexpr bool kWindowsNaming = false;
#endif

QStringList systemPortNames()
{
    QStringList names;
    const auto ports = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo &info : ports)
        names << info.portName();
    return j3k::listedPortNames(names, kWindowsNaming);
}

// The device a port text opens; empty when it names none.
QString deviceFor(const QString &portText)
{
    if (kWindowsNaming)
        return j3k::windowsDeviceName(portText).value_or(QString());
    // QSerialPort takes a name under /dev (ttyUSB0) and a full path alike.
    return portText;
}

#ifdef J3K_HAVE_PTY
QString virtualPortName() { return MainWindow::tr("VIRTUAL-TX"); }
#endif

}  // namespace

// Rebuilds the list only when called with another enumeration than last
// time, so a choice the user is making is not pulled away every second. The
// selected port stays selected while it is there.
void MainWindow::fillPortList(const QStringList &systemPorts)
{
    if (systemPorts == m_systemPorts)
        return;
    m_systemPorts = systemPorts;
    QComboBox *box = ui->comboBoxComm;
    const QString selected = box->currentText();
    box->clear();
    box->addItems(systemPorts);
#ifdef J3K_HAVE_PTY
    box->addItem(virtualPortName());
#endif
    const int keep = box->findText(selected);
    if (keep >= 0)
        box->setCurrentIndex(keep);
}

// The list is filled once at start; after that, while the port is closed,
// it follows the adapters plugged in or pulled out. Walking the system's
// serial devices takes several milliseconds (udev reads every tty), so the
// once-a-second look runs on a worker thread and never stalls the window.
void MainWindow::setUpPortList()
{
    m_portScan = new QFutureWatcher<QStringList>(this);
    connect(m_portScan, &QFutureWatcher<QStringList>::finished, this, [this] {
        if (!isComOpen)  // a scan started before an OPEN brings nothing now
            fillPortList(m_portScan->result());
    });
    m_portPoll = new QTimer(this);
    m_portPoll->setObjectName(QStringLiteral("portPollTimer"));
    m_portPoll->setInterval(1000);
    connect(m_portPoll, &QTimer::timeout, this, &MainWindow::pollPorts);
    fillPortList(systemPortNames());
    m_portPoll->start();
}

void MainWindow::pollPorts()
{
    if (!m_portScan->isRunning())
        m_portScan->setFuture(QtConcurrent::run(systemPortNames));
}

void MainWindow::on_pushButtonOpen_clicked()
{
    if (isComOpen)
        closePort(LinkNotice::Send);
    else
        openPort();
}

void MainWindow::openPort()
{
    const QString portText = ui->comboBoxComm->currentText();
    QString device = deviceFor(portText);
#ifdef J3K_HAVE_PTY
    if (portText == virtualPortName()) {
        m_virtualTx = new PtyTransmitter(this);
        if (!m_virtualTx->isOpen()) {
            const QString reason = m_virtualTx->errorString();
            dropPort();
            showCritical(tr("ERROR"), tr("Can not open!"), reason);
            return;
        }
        device = m_virtualTx->slavePath();
    }
#endif
    if (device.isEmpty()) {
        showCritical(tr("error"), tr("Can not open!"));
        return;
    }

    myCom = new QSerialPort(device, this);
    if (!myCom->open(QIODevice::ReadWrite)) {
        QString reason = myCom->errorString();
        const QFileInfo file(device.startsWith(QLatin1Char('/')) ? device : QStringLiteral("/dev/") + device);
        if (!kWindowsNaming && myCom->error() == QSerialPort::PermissionError && file.exists()
            && !(file.isReadable() && file.isWritable())) {
            reason += QLatin1Char('\n')
                      + tr("Serial ports belong to the dialout group: add yourself with "
                           "\"sudo usermod -aG dialout $USER\" and log in again.");
        }
        dropPort();
        showCritical(tr("ERROR"), tr("Can not open!"), reason);
        return;
    }
    setPortPar();
    connect(myCom, &QSerialPort::readyRead, this, &MainWindow::readMyCom);
    connect(myCom, &QSerialPort::errorOccurred, this, &MainWindow::onPortError);
    m_portLost = false;
    // Half a frame left by the last connection belongs to nothing that
    // comes on this one.
    m_decoder.reset();

    m_portPoll->stop();
    setSettingsEnabled(false);
    ui->pushButtonOpen->setText(tr("OFF"));
    isComOpen = true;
    sendNotice(QStringLiteral("OK"));
    refrushInfoLabel();
    m_review->portOpened();
}

void MainWindow::closePort(LinkNotice notice)
{
    if (notice == LinkNotice::Send)
        sendNotice(QStringLiteral("DIS"));
    myCom->close();
    dropPort();
    setSettingsEnabled(true);
    ui->pushButtonOpen->setText(tr("OPEN"));
    isComOpen = false;
    refrushInfoLabel();
    m_review->portClosed();
    pollPorts();
    m_portPoll->start();
}

// Ends a connection's objects: each open starts with a fresh port (and a
// fresh virtual transmitter).
void MainWindow::dropPort()
{
    delete myCom;
    myCom = nullptr;
    delete m_virtualTx;
    m_virtualTx = nullptr;
}

// Settings the device cannot take (DTR on a pseudo-terminal, 1.5 stop bits
// on Linux) are left as they are; the port works without them.
void MainWindow::setPortPar()
{
    if (!myCom)
        return;
    const PortSettings s = portSettingsFromTexts(
        ui->comboBoxBaudRate->currentText(), ui->comboBoxDataBit->currentText(), ui->comboBoxParity->currentText(),
        ui->comboBoxStopBit->currentText(), ui->comboBoxFlowCtrl->currentText(), ui->checkBoxDTR->isChecked(),
        ui->checkBoxRTS->isChecked());
    myCom->setBaudRate(s.baudRate);
    myCom->setDataBits(s.dataBits);
    myCom->setParity(s.parity);
    myCom->setStopBits(s.stopBits);
    myCom->setFlowControl(s.flowControl);
    myCom->setDataTerminalReady(s.dtr);
    myCom->setRequestToSend(s.rts);
    myCom->clearError();
}

void MainWindow::setSettingsEnabled(bool enabled)
{
    const QList<QWidget *> settings{ui->comboBoxBaudRate, ui->comboBoxComm,   ui->comboBoxDataBit, ui->comboBoxStopBit,
                                    ui->comboBoxFlowCtrl, ui->comboBoxParity, ui->checkBoxDTR,     ui->checkBoxRTS};
    for (QWidget *w : settings)
        w->setEnabled(enabled);
}

QByteArray MainWindow::whattoSend(const QString &tmp, bool hex)
{
    if (!hex)
        return tmp.toLocal8Bit();
    bool ok = false;
    const QByteArray bytes = BgComm::HexStringToByteArray(tmp, &ok);
    if (!ok)
        showCritical(tr("错误"), tr("请输入合适的数据，各个数据之间用空格分开。"));
    return bytes;
}

// The link notices tell the transmitter about the connection; they are not
// part of the traffic the status line counts.
void MainWindow::sendNotice(const QString &text) { writeToPort(whattoSend(text, false)); }

void MainWindow::sendCounted(const QString &text)
{
    const QByteArray bytes = whattoSend(text, false);
    writeToPort(bytes);
    transCount += int(bytes.size());
    refrushInfoLabel();
}

void MainWindow::writeToPort(const QByteArray &bytes)
{
    myCom->write(bytes);
    // QSerialPort writes from the event loop; DIS must be out before the
    // close, and the S record must not wait for the end of UPDATE's pause.
    myCom->flush();
}

void MainWindow::on_pushButtonRead_clicked()
{
    if (!isComOpen)
        return;
    sendCounted(QStringLiteral("RRR"));
    m_review->readSent();
}

void MainWindow::on_pushButtonSend2_clicked()
{
    if (!isComOpen)
        return;
    const QString sRecord = buildRecord(j3k::RecordId::S);
    sendCounted(sRecord);
    // The transmitter needs half a second between the records, and nothing
    // else may reach it in between: a second S record or a READ would be
    // taken for part of this update.
    const QList<QWidget *> commands{ui->pushButtonRead, ui->pushButtonSend2, ui->pushButtonOpen};
    for (QWidget *w : commands)
        w->setEnabled(false);
    Delay_MSec(500);
    for (QWidget *w : commands)
        w->setEnabled(true);
    if (!isComOpen)  // not when the port was lost meanwhile
        return;
    const QString gRecord = buildRecord(j3k::RecordId::G);
    sendCounted(gRecord);
    m_review->updateSent(sRecord, gRecord);
}

void MainWindow::readMyCom()
{
    if (!myCom)
        return;
    const QByteArray batch = myCom->readAll();
    if (batch.isEmpty())
        return;
    recvCount += int(batch.size());
    refrushInfoLabel();
    j3k::ParamSet params = m_binding->read();
    const QList<int> set = m_decoder.feed(batch, params);
    m_binding->write(params, set);
    m_review->framesApplied(params, set, m_decoder);
}

// A pulled adapter (or a closed pseudo-terminal) shows as a resource or read
// error, repeated as fast as the port is polled. The first one closes the
// port; the others are ignored.
void MainWindow::onPortError(QSerialPort::SerialPortError error)
{
    if ((error != QSerialPort::ResourceError && error != QSerialPort::ReadError) || m_portLost)
        return;
    m_portLost = true;
    // Not from inside the port's own signal: closing it deletes the notifier
    // that is emitting. Nothing is left to do if the port is closed first.
    QMetaObject::invokeMethod(
        this,
        [this, port = QPointer<QSerialPort>(myCom), reason = myCom->errorString()] {
            if (port && port == myCom)
                dropLostPort(reason);
        },
        Qt::QueuedConnection);
}

void MainWindow::dropLostPort(const QString &reason)
{
    closePort(LinkNotice::Skip);  // nobody is left to hear a DIS
    showCritical(tr("错误"), tr("串口连接已断开"), reason);
}

void MainWindow::showCritical(const QString &title, const QString &text, const QString &details)
{
    QMessageBox box(QMessageBox::Critical, title, text, QMessageBox::Ok, this);
    box.setInformativeText(details);
    box.exec();
}
