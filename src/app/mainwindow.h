// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "portsettings.h"
#include "recoveryfile.h"
#include "txlink.h"

#include <QElapsedTimer>
#include <QFutureWatcher>
#include <QMainWindow>
#include <QStringList>

#include <memory>
#include <optional>

class ParamBinding;
class ParamDocument;
class PathLabel;
class QAction;
class QToolBar;
class QToolButton;
class QComboBox;
class QLabel;
class QPushButton;
class QTimer;
class TransmitterReview;

namespace j3k {
class ParamSet;
class TxSession;
}  // namespace j3k

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
    // The line's traffic changed: the status line counts it.
    void readMyCom();
    void load();
    void save();

private:
    // The serial link (mainwindow_serial.cpp): the session owns it; the
    // window asks and shows.
    void setUpLink();
    void openPort();
    void closePort();
    void portClosed();
    bool isComOpen() const;
    PortSettings chosenPortSettings() const;
    void setCommandsEnabled(bool enabled);
    void lineStopped(int signal, bool afterUpdate);
    void dropLostPort(const QString &reason, bool updateCut);
    void setSettingsEnabled(bool enabled);
    void showCritical(const QString &title, const QString &text, const QString &details = {});
    void fillPortList(const QStringList &systemPorts);
    void setUpPortList();
    void startPortPolling();
    void pollPorts();

    // LOAD's checks and decoding, for a text read by the load dialog from
    // `file`; the values change as one step named `step`.
    bool loadText(const QString &text, const QString &step, const QString &file = {});
    // SAVE's file dialog and write; false when nothing was saved.
    bool saveAs(const j3k::ParamSet &params);

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
    ParamDocument *m_document = nullptr;  // the values and all that is known of them
    j3k::TxSession *myCom = nullptr;      // the line to the transmitter, open or not
    PathLabel *fstLabel = nullptr;
    QLabel *secLabel = nullptr;
    QTimer *m_countLater = nullptr;  // the status line's next count
    QElapsedTimer m_sinceCount;
    bool m_closeWhenUpdated = false;
    int m_stopSignal = 0;  // the terminating signal being obeyed

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
    // Whether values no file and no transmitter holds may go, before a
    // close or a READ: asks the user when there are any.
    bool confirmLoss();
    bool confirmRead();
    TransmitterReview *m_review = nullptr;
    QPushButton *m_changesButton = nullptr;

    // The values over time: undo, redo and recovery (mainwindow_history.cpp).
    void setUpHistory();
    void retranslateHistory();
    void offerRecovery();
    void restoreRecovery();
    void discardRecovery();
    void discardAllRecovery();
    void closeRecoveryBar();
    void updateHistoryActions();
    QAction *m_undo = nullptr;
    QAction *m_redo = nullptr;
    QToolBar *m_recoveryBar = nullptr;    // while dead editors' values are offered
    RecoveryFile::LeftOvers m_leftOvers;  // what the bar says
    bool m_keepRecovery = false;          // the window closes without the user choosing it

    // The settings on one page (mainwindow_sheet.cpp): a print preview, or a PDF.
    void setUpSheet();
    void retranslateSheet();
    void printSheet();
    void exportSheet();
    QToolButton *m_sheetButton = nullptr;
    QAction *m_printSheet = nullptr;  // null where Qt has no print support
    QAction *m_exportSheet = nullptr;
};
