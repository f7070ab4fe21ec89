// SPDX-License-Identifier: GPL-3.0-or-later
// The window's serial link: the port list, opening and closing the port,
// READ and UPDATE, and the frames that come back.
#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "comm.h"
#include "parambinding.h"
#include "portnames.h"
#include "recoveryfile.h"
#include "stopsignals.h"
#include "transmitterreview.h"
#ifdef J3K_HAVE_PTY
#include "ptytransmitter.h"
#endif

#include <QCoreApplication>
#include <QMessageBox>
#include <QSerialPortInfo>
#include <QTextStream>
#include <QTimer>
#include <QtConcurrent/QtConcurrentRun>

#include <utility>

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
    return j3k::unixPortDevice(portText);
}

QString virtualPortName() { return MainWindow::tr("VIRTUAL-TX"); }

}  // namespace

// Rebuilds the list only when called with another enumeration than last
// time, so a choice the user is making is not pulled away every second. The
// selected port stays selected while it is there.
void MainWindow::fillPortList(const QStringList &systemPorts)
{
    if (systemPorts == m_systemPorts)
        return;
    QComboBox *box = ui->comboBoxComm;
    if (!m_systemPorts) {
        // The first look: the ports go in front of what needed none
        // (VIRTUAL-TX, a port chosen meanwhile). Unless another was chosen
        // in the meantime, the port of the last run is offered if it is
        // still there, else the first one.
        m_systemPorts = systemPorts;
        const bool untouched = box->currentIndex() <= 0 && box->currentText() == box->itemText(0);
        box->insertItems(0, systemPorts);
        if (untouched)
            box->setCurrentIndex(qMax(0, box->findText(m_rememberedPort)));
        describePorts();
        return;
    }
    // An adapter plugged in since the last look is the one the user wants.
    const QString plugged = j3k::pluggedInPort(*m_systemPorts, systemPorts);
    m_systemPorts = systemPorts;
    const QString selected = plugged.isEmpty() ? box->currentText() : plugged;
    box->clear();
    box->addItems(systemPorts);
    box->addItem(virtualPortName());
    const int keep = box->findText(selected);
    if (keep >= 0)
        box->setCurrentIndex(keep);
    describePorts();
}

// While the port is closed the list follows the adapters plugged in or
// pulled out. Walking the system's serial devices takes 5 to 8 ms (udev
// reads every tty), so every look, the first one at start too, runs on a
// worker thread: the window shows at once, and the ports join the list a
// moment later.
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
    ui->comboBoxComm->clear();
    ui->comboBoxComm->addItem(virtualPortName());
}

// The first look at the system's ports waits until the window is on the
// screen: it walks every tty device, and the worker thread doing it would
// take a core from the first paint.
void MainWindow::startPortPolling()
{
    if (isComOpen || m_portPoll->isActive())
        return;  // opened before the window first showed: the close starts it
    pollPorts();
    m_portPoll->start();
}

void MainWindow::pollPorts()
{
    if (!m_portScan->isRunning())
        m_portScan->setFuture(QtConcurrent::run(systemPortNames));
}

// The line speaks the transmitter's sequence; the window counts what goes
// out and reads what comes in. The port is a child of the link, so it is
// one of the window's objects while it is open.
void MainWindow::setUpLink()
{
    myCom = new j3k::TxLink(this);
    connect(myCom, &j3k::TxLink::received, this, &MainWindow::readMyCom);
    connect(myCom, &j3k::TxLink::sent, this, &MainWindow::countSent);
    connect(myCom, &j3k::TxLink::lost, this, &MainWindow::dropLostPort);
    connect(myCom, &j3k::TxLink::updateFinished, this, &MainWindow::updateFinished);
    auto *stop = new j3k::StopSignals(this);
    connect(stop, &j3k::StopSignals::caught, this, &MainWindow::stopOnSignal);
}

void MainWindow::on_pushButtonOpen_clicked()
{
    if (isComOpen)
        closePort(j3k::TxLink::Notice::Send);
    else
        openPort();
}

void MainWindow::openPort()
{
    const QString portText = ui->comboBoxComm->currentText();
    // No path is this long: a pasted page of text is not handed to the system.
    if (portText.size() > j3k::MaxPortTextLength) {
        showCritical(tr("error"), tr("Can not open!"), tr("The port name is longer than any path can be."));
        return;
    }
    const bool virtualTx = portText == virtualPortName();
    QString device = deviceFor(portText);
#ifdef J3K_HAVE_PTY
    // Behind a pseudo-terminal the virtual transmitter is reached the way a
    // real one is, through the serial port code.
    if (virtualTx) {
        m_virtualTx = std::make_unique<PtyTransmitter>(this);  // one of the window's objects while open
        if (!m_virtualTx->isOpen()) {
            const QString reason = m_virtualTx->errorString();
            dropPort();
            showCritical(tr("ERROR"), tr("Can not open!"), reason);
            return;
        }
        device = m_virtualTx->slavePath();
    }
    const bool inProcess = false;
#else
    const bool inProcess = virtualTx;
#endif
    if (device.isEmpty() && !inProcess) {
        showCritical(tr("error"), tr("Can not open!"));
        return;
    }

    PortSettings settings = chosenPortSettings();
    settings.portName = device;
    // A port that opened is open, even where its "OK" did not go out.
    if (inProcess)
        myCom->openVirtual();
    else
        myCom->open(settings);
    if (!myCom->isOpen()) {
        const QString reason = myCom->errorString();
        dropPort();
        showCritical(tr("ERROR"), tr("Can not open!"), reason);
        return;
    }
    // Half a frame left by the last connection belongs to nothing that
    // comes on this one.
    m_decoder.reset();

    m_portPoll->stop();
    setSettingsEnabled(false);
    ui->pushButtonOpen->setText(tr("OFF"));
    isComOpen = true;
    refrushInfoLabel();
    saveSettings();  // a port that opened is the one to come back to
    m_review->portOpened();
}

void MainWindow::closePort(j3k::TxLink::Notice notice)
{
    myCom->close(notice);
    dropPort();
    setSettingsEnabled(true);
    ui->pushButtonOpen->setText(tr("OPEN"));
    isComOpen = false;
    refrushInfoLabel();
    m_review->portClosed();
    pollPorts();
    m_portPoll->start();
}

// Ends a connection's objects: each open starts with a fresh virtual
// transmitter (the link makes a fresh port itself).
void MainWindow::dropPort()
{
#ifdef J3K_HAVE_PTY
    m_virtualTx.reset();
#endif
}

PortSettings MainWindow::chosenPortSettings() const
{
    return portSettingsFromTexts(ui->comboBoxBaudRate->currentText(), ui->comboBoxDataBit->currentText(),
                                 ui->comboBoxParity->currentText(), ui->comboBoxStopBit->currentText(),
                                 ui->comboBoxFlowCtrl->currentText(), ui->checkBoxDTR->isChecked(),
                                 ui->checkBoxRTS->isChecked());
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

// The link notices tell the transmitter about the connection; the link
// does not count them, so they are not part of the traffic shown here.
void MainWindow::countSent(qint64 bytes)
{
    transCount += bytes;
    refrushInfoLabel();
}

void MainWindow::on_pushButtonRead_clicked()
{
    if (!isComOpen)
        return;
    myCom->requestRead();
    m_review->readSent();
    ++m_frameBurst;
    m_frameBurstIsRead = true;
}

void MainWindow::on_pushButtonSend2_clicked()
{
    if (!isComOpen)
        return;
    // Both records hold the values of the click. Whatever changes the window
    // in the pause (an edit, frames coming in) must not reach the G record
    // while the S record carried the values before it.
    const j3k::ParamSet params = m_binding->read();
    const QString recordS = j3k::buildRecord(j3k::RecordId::S, params);
    const QString recordG = j3k::buildRecord(j3k::RecordId::G, params);
    // The transmitter needs half a second between the records, and nothing
    // else may reach it in between: a second S record or a READ would be
    // taken for part of this update. LOAD and CHANGES (which can load a
    // backup) wait too, so the window does not show a set other than the
    // one being sent.
    if (!myCom->startUpdate(whattoSend(recordS, false), whattoSend(recordG, false)))
        return;
    m_sentRecords = {recordS, recordG};
    m_updatePending = true;
    setCommandsEnabled(false);
}

// The transmitter needs half a second between the records, and nothing
// else may reach it in between: a second S record or a READ would be taken
// for part of this update. LOAD and CHANGES (which can load a backup) wait
// too, so the window does not show a set other than the one being sent.
void MainWindow::setCommandsEnabled(bool enabled)
{
    const QList<QWidget *> commands{ui->pushButtonRead, ui->pushButtonSend2, ui->pushButtonOpen, ui->pushButtonLoad,
                                    m_changesButton};
    for (QWidget *w : commands)
        w->setEnabled(enabled);
}

// The G record went out (`whole`) or the line was lost in the pause.
// Whatever waited for the update (closing, a signal) goes on now.
void MainWindow::updateFinished(bool whole)
{
    m_updatePending = false;
    setCommandsEnabled(true);
    if (whole)
        m_review->updateSent(m_sentRecords.first, m_sentRecords.second);
    else
        m_updateCut = true;
    if (m_stopSignal)
        stopNow(whole);
    else if (std::exchange(m_closeWhenUpdated, false))
        close();
}

// SIGINT, SIGTERM or SIGHUP: closing the window without the question, once
// a running UPDATE has sent its G record.
void MainWindow::stopOnSignal(int signal)
{
    if (m_stopSignal)
        return;
    m_stopSignal = signal;
    if (!m_updatePending)
        stopNow(false);
}

void MainWindow::stopNow(bool afterUpdate)
{
    Q_EMIT stopping(m_stopSignal);
    if (isComOpen)
        closePort(j3k::TxLink::Notice::Send);
    QTextStream err(stderr);
    err << "j3k-editor: "
        << (afterUpdate ? tr("stopped by signal %1; the UPDATE was completed (S and G records sent) before stopping")
                        : tr("stopped by signal %1"))
               .arg(m_stopSignal)
        << Qt::endl;
    close();
    QCoreApplication::exit(128 + m_stopSignal);
}

void MainWindow::readMyCom(const QByteArray &batch)
{
    recvCount += batch.size();
    refrushInfoLabel();
    j3k::ParamSet carried = m_binding->read();
    const QList<int> set = m_decoder.feed(batch, carried);
    // Frames of a READ fill the window; any other frames only the values
    // the user has not changed since the transmitter's were last known.
    QList<int> shown = set;
    if (!m_review->isReading())
        shown.removeIf([this](int index) { return m_review->edited(index); });
    applyFrameValues(carried, shown);
    m_recovery->setBaseline(carried, set);  // what was read, shown or not
    m_review->framesApplied(carried, set, m_decoder);
}

// A pulled adapter (or a closed pseudo-terminal): the link reports it once
// per connection.
void MainWindow::dropLostPort(const QString &reason)
{
    closePort(j3k::TxLink::Notice::Skip);  // nobody is left to hear a DIS
    QString details = reason;
    if (std::exchange(m_updateCut, false)) {
        details.prepend(tr("UPDATE is incomplete: the transmitter got the S record but not the G record. "
                           "Repeat UPDATE once the port is back.")
                        + u'\n');
    }
    showCritical(tr("错误"), tr("串口连接已断开"), details);
}

void MainWindow::showCritical(const QString &title, const QString &text, const QString &details)
{
    QMessageBox box(QMessageBox::Critical, title, text, QMessageBox::Ok, this);
    box.setInformativeText(details);
    box.exec();
}
