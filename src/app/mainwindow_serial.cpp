// SPDX-License-Identifier: GPL-3.0-or-later
// The window's serial link: the port list, opening and closing the port,
// READ and UPDATE, and the frames that come back.
#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "paramdocument.h"
#include "portnames.h"
#include "stopsignals.h"
#include "transmitterreview.h"
#include "txsession.h"

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

// How long a whole answer to READ may take; frames after it are unasked ones.
constexpr int kReadTimeoutMs = 3000;

constexpr qint64 kCountGapMs = 40;

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
        if (!isComOpen())  // a scan started before an OPEN brings nothing now
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
    if (isComOpen() || m_portPoll->isActive())
        return;  // opened before the window first showed: the close starts it
    pollPorts();
    m_portPoll->start();
}

void MainWindow::pollPorts()
{
    if (!m_portScan->isRunning())
        m_portScan->setFuture(QtConcurrent::run(systemPortNames));
}

// The session speaks the transmitter's sequence and decodes what comes
// back; the document takes the outcomes; the window shows both.
void MainWindow::setUpLink()
{
    myCom = new j3k::TxSession(this);
    m_countLater = new QTimer(this);
    m_countLater->setSingleShot(true);
    connect(m_countLater, &QTimer::timeout, this, &MainWindow::refrushInfoLabel);
    using j3k::TxSession;
    connect(myCom, &TxSession::trafficChanged, this, &MainWindow::readMyCom);
    m_document->follow(*myCom);
    // Nothing else goes out until the answer is in: it would be taken for
    // part of it, and the values would change under it.
    connect(myCom, &TxSession::readStarted, this, [this] { setCommandsEnabled(false); });
    connect(myCom, &TxSession::closed, this, &MainWindow::portClosed);
    connect(myCom, &TxSession::lost, this, &MainWindow::dropLostPort);
    connect(myCom, &TxSession::stopped, this, &MainWindow::lineStopped);
    connect(myCom, &TxSession::idle, this, [this] {
        setCommandsEnabled(true);
        if (std::exchange(m_closeWhenUpdated, false))
            close();
    });
    auto *stop = new j3k::StopSignals(this);
    connect(stop, &j3k::StopSignals::caught, this, &MainWindow::stopOnSignal);
}

bool MainWindow::isComOpen() const { return myCom->isOpen(); }

void MainWindow::on_pushButtonOpen_clicked()
{
    if (isComOpen())
        closePort();
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
    PortSettings settings = chosenPortSettings();
    settings.portName = deviceFor(portText);
    const bool virtualTx = portText == virtualPortName();
    if (settings.portName.isEmpty() && !virtualTx) {
        showCritical(tr("error"), tr("Can not open!"));
        return;
    }
    // A port that opened is open, even where its "OK" did not go out.
    const bool opened = virtualTx ? myCom->openVirtual(settings) : myCom->open(settings);
    if (!opened && !myCom->isOpen()) {
        showCritical(tr("ERROR"), tr("Can not open!"), myCom->errorString());
        return;
    }
    m_portPoll->stop();
    setSettingsEnabled(false);
    ui->pushButtonOpen->setText(tr("OFF"));
    refrushInfoLabel();
    m_review->refresh();
    saveSettings();  // a port that opened is the one to come back to
}

void MainWindow::closePort() { myCom->close(j3k::TxLink::Notice::Send); }

// However the port closed: by the user, a loss or a signal.
void MainWindow::portClosed()
{
    setCommandsEnabled(true);
    setSettingsEnabled(true);
    ui->pushButtonOpen->setText(tr("OPEN"));
    refrushInfoLabel();
    pollPorts();
    m_portPoll->start();
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

void MainWindow::on_pushButtonRead_clicked()
{
    if (!isComOpen() || !confirmRead())
        return;
    myCom->startRead(m_document->values(), kReadTimeoutMs);
}

void MainWindow::on_pushButtonSend2_clicked()
{
    if (!isComOpen())
        return;
    // The transmitter needs half a second between the records, and nothing
    // else may reach it in between: a second S record or a READ would be
    // taken for part of this update. LOAD and CHANGES (which can load a
    // backup) wait too, so the window does not show a set other than the
    // one being sent.
    m_document->commitEdits();
    if (myCom->startUpdate(m_document->values()))
        setCommandsEnabled(false);
}

void MainWindow::setCommandsEnabled(bool enabled)
{
    const QList<QWidget *> commands{ui->pushButtonRead, ui->pushButtonSend2, ui->pushButtonOpen, ui->pushButtonLoad,
                                    m_changesButton};
    for (QWidget *w : commands)
        w->setEnabled(enabled);
}

// SIGINT, SIGTERM or SIGHUP: closing the window without the question, once
// a running UPDATE has sent its G record.
void MainWindow::stopOnSignal(int signal)
{
    if (m_stopSignal)
        return;
    m_stopSignal = signal;
    Q_EMIT stopping(m_stopSignal);
    myCom->stop(signal);
}

void MainWindow::lineStopped(int signal, bool afterUpdate)
{
    QTextStream err(stderr);
    err << "j3k-editor: "
        << (afterUpdate ? tr("stopped by signal %1; the UPDATE was completed (S and G records sent) before stopping")
                        : tr("stopped by signal %1"))
               .arg(signal)
        << Qt::endl;
    close();
    QCoreApplication::exit(128 + signal);
}

// The status line counts what the session sent and received: at once, and
// during a stream of bytes every kCountGapMs, which is as fast as anyone reads.
void MainWindow::readMyCom()
{
    if (m_countLater->isActive())
        return;
    m_countLater->start(int(qMax<qint64>(0, kCountGapMs - m_sinceCount.elapsed())));
}

// A pulled adapter (or a closed pseudo-terminal): the session reports it
// once per connection, with the port closed.
void MainWindow::dropLostPort(const QString &reason, bool updateCut)
{
    QString details = reason;
    if (updateCut) {
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
