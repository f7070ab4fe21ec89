// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "frames.h"
#include "portsettings.h"
#include "records.h"
#include "txlink.h"

#include <QElapsedTimer>
#include <QFutureWatcher>
#include <QMainWindow>
#include <QStringList>

#include <memory>
#include <optional>
#include <utility>
#include <vector>

class ParamBinding;
class PathLabel;
class PtyTransmitter;
class QAction;
class QToolBar;
class RecoveryFile;
class ValueHistory;
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

    // A terminating signal (SIGINT, SIGTERM, SIGHUP) as the self-pipe
    // delivers it: the window closes without the question, with DIS, after
    // a running UPDATE's G record, and the application exits with 128 +
    // `signal`.
    void stopOnSignal(int signal);

public Q_SLOTS:
    // For an end the user did not choose (stopping() runs it): the values
    // not written anywhere go to the recovery file at once, and stay there
    // through the close that follows.
    void saveRecoveryNow();

Q_SIGNALS:
    // A terminating signal is about to close the window: the last moment
    // to keep what the user has not written anywhere.
    void stopping(int signal);

protected:
    void changeEvent(QEvent *e) override;
    void paintEvent(QPaintEvent *e) override;
    void closeEvent(QCloseEvent *e) override;
    void dragEnterEvent(QDragEnterEvent *e) override;
    void dropEvent(QDropEvent *e) override;

private Q_SLOTS:
    void on_pushButtonOpen_clicked();
    void on_pushButtonRead_clicked();
    void on_pushButtonSend2_clicked();
    void readMyCom(const QByteArray &batch);
    void load();
    void save();

private:
    // The serial link (mainwindow_serial.cpp).
    void setUpLink();
    void openPort();
    void closePort(j3k::TxLink::Notice notice);
    void dropPort();
    PortSettings chosenPortSettings() const;
    // The bytes a text is sent as: its characters one byte each, or with
    // `hex` a dump such as "4F 4B" read back into bytes. A dump that does not
    // read shows an error box and gives no bytes.
    QByteArray whattoSend(const QString &tmp, bool hex);
    void countSent(qint64 bytes);
    void applyFrameValues(const j3k::ParamSet &values, const QList<int> &indexes);
    void setCommandsEnabled(bool enabled);
    void updateFinished(bool whole);
    void stopNow(bool afterUpdate);
    void dropLostPort(const QString &reason);
    void setSettingsEnabled(bool enabled);
    void showCritical(const QString &title, const QString &text, const QString &details = {});
    void fillPortList(const QStringList &systemPorts);
    void setUpPortList();
    void startPortPolling();
    void pollPorts();

    // LOAD's checks and decoding, for a text read by the load dialog; the
    // values change as one step named `step`.
    bool loadText(const QString &text, const QString &step);

    // Desktop habits (mainwindow_desktop.cpp): shortcuts, a file dropped on
    // the window, what the port list says of each adapter.
    void setUpShortcuts();
    void retranslateShortcuts();
    void loadFile(const QString &path);
    void describePorts();

    // Remembered between runs (mainwindow_settings.cpp).
    void restoreSettings();
    void saveSettings();

    // What the first paint does not show, set up once the window is up.
    void finishSetUp();
    bool m_setUpFinished = false;

    void refrushInfoLabel();
    void useResourceIconsWhereMissing();
    void retranslate();

    std::unique_ptr<Ui::MainWindow> ui;
    std::unique_ptr<ParamBinding> m_binding;
    j3k::TxLink *myCom = nullptr;  // the line to the transmitter, open or not
#ifdef J3K_HAVE_PTY
    std::unique_ptr<PtyTransmitter> m_virtualTx;  // behind myCom when VIRTUAL-TX is open
#endif
    PathLabel *fstLabel = nullptr;
    QLabel *secLabel = nullptr;
    bool isComOpen = false;
    qint64 recvCount = 0;  // a flood passes 2^31 bytes in a few hours
    qint64 transCount = 0;
    bool m_updatePending = false;  // UPDATE has sent its S record, not yet its G record
    bool m_closeWhenUpdated = false;
    bool m_updateCut = false;                   // the line went in the pause: the G record never went out
    std::pair<QString, QString> m_sentRecords;  // the running UPDATE's S and G records
    int m_stopSignal = 0;                       // the terminating signal being obeyed
    j3k::FrameDecoder m_decoder;

    QTimer *m_portPoll = nullptr;
    QFutureWatcher<QStringList> *m_portScan = nullptr;  // the look at the system's ports under way
    std::optional<QStringList> m_systemPorts;           // what the port list was last filled from
    bool m_settingsUsable = true;                       // false: the settings file is not one to read or write over
    QString m_rememberedPort;                           // the last run's port, chosen once the ports are known

    QString m_fileFolder = QStringLiteral("./");  // where SAVE and LOAD start: the folder either used last

    // What the transmitter holds against the editor (mainwindow_review.cpp).
    void setUpReview();
    void retranslateReview();
    void showChanges();
    bool confirmClose();
    TransmitterReview *m_review = nullptr;
    QPushButton *m_changesButton = nullptr;

    // The values over time: undo, redo and recovery (mainwindow_history.cpp).
    void setUpHistory();
    void retranslateHistory();
    void offerRecovery();
    void restoreRecovery();
    void closeRecoveryBar();
    ValueHistory *m_history = nullptr;
    RecoveryFile *m_recovery = nullptr;
    QAction *m_undo = nullptr;
    QAction *m_redo = nullptr;
    QToolBar *m_recoveryBar = nullptr;  // while a dead editor's values are offered
    bool m_keepRecovery = false;        // the window closes without the user choosing it
    int m_frameBurst = 0;               // the step that frames coming in now join
    bool m_frameBurstIsRead = true;     // that step is a READ's
    QElapsedTimer m_lastFrames;
};
