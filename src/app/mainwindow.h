#pragma once

#include "frames.h"
#include "records.h"

#include <QFutureWatcher>
#include <QMainWindow>
#include <QSerialPort>
#include <QStringList>

#include <memory>
#include <optional>
#include <utility>
#include <vector>

class ParamBinding;
class PtyTransmitter;
class QComboBox;
class QLabel;
class QPushButton;
class QTimer;
class TransmitterReview;

namespace Ui {
class MainWindow;
}

class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

protected:
    void changeEvent(QEvent *e) override;
    void closeEvent(QCloseEvent *e) override;

private Q_SLOTS:
    void on_pushButtonOpen_clicked();
    void on_pushButtonRead_clicked();
    void on_pushButtonSend2_clicked();
    void readMyCom();
    void load();
    void save();

private:
    enum class LinkNotice { Send, Skip };

    // The S and G records of the window's current values, and back.
    QString buildRecord(j3k::RecordId id) const;
    void applyRecord(j3k::RecordId id, QStringView record);

    // The serial link (mainwindow_serial.cpp).
    void openPort();
    void closePort(LinkNotice notice);
    void dropPort();
    void setPortPar();
    // The bytes a text is sent as: its characters one byte each, or with
    // `hex` a dump such as "4F 4B" read back into bytes. A dump that does not
    // read shows an error box and gives no bytes.
    QByteArray whattoSend(const QString &tmp, bool hex);
    void sendNotice(const QString &text);
    void sendCounted(const QString &text);
    void writeToPort(const QByteArray &bytes);
    void onPortError(QSerialPort::SerialPortError error);
    void dropLostPort(const QString &reason);
    void setSettingsEnabled(bool enabled);
    void showCritical(const QString &title, const QString &text, const QString &details = {});
    void fillPortList(const QStringList &systemPorts);
    void setUpPortList();
    void pollPorts();

    void refrushInfoLabel();
    void useResourceIconsWhereMissing();
    void retranslate();

    std::unique_ptr<Ui::MainWindow> ui;
    std::unique_ptr<ParamBinding> m_binding;
    QSerialPort *myCom = nullptr;           // the open port, none while closed
    PtyTransmitter *m_virtualTx = nullptr;  // behind myCom when VIRTUAL-TX is open
    QLabel *fstLabel = nullptr;
    QLabel *secLabel = nullptr;
    bool isComOpen = false;
    bool m_portLost = false;  // this connection's loss is already being handled
    int recvCount = 0;
    int transCount = 0;
    j3k::FrameDecoder m_decoder;

    QTimer *m_portPoll = nullptr;
    QFutureWatcher<QStringList> *m_portScan = nullptr;  // the look at the system's ports under way
    std::optional<QStringList> m_systemPorts;           // what the port list was last filled from

    // How many items each combo box has in the form, so a language change
    // can refill it with the form's own list.
    std::vector<std::pair<QComboBox *, int>> m_formItemCounts;

    // What the transmitter holds against the editor (mainwindow_review.cpp).
    void setUpReview();
    void retranslateReview();
    void showChanges();
    TransmitterReview *m_review = nullptr;
    QPushButton *m_changesButton = nullptr;
};
