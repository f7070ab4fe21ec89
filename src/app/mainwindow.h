#pragma once

#include "records.h"

#include <QMainWindow>

#include <memory>
#include <utility>
#include <vector>

class ParamBinding;
class QComboBox;
class QLabel;

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

private Q_SLOTS:
    void load();
    void save();

private:
    // The S and G records of the window's current values, and back.
    QString buildRecord(j3k::RecordId id) const;
    void applyRecord(j3k::RecordId id, QStringView record);

    void refrushInfoLabel();
    void fillPortList();
    void useResourceIconsWhereMissing();
    void retranslate();

    QString strHex;
    std::unique_ptr<Ui::MainWindow> ui;
    std::unique_ptr<ParamBinding> m_binding;
    QLabel *fstLabel = nullptr;
    QLabel *secLabel = nullptr;
    bool isComOpen = false;
    int recvCount = 0;
    int transCount = 0;
    int RX_Counter = 0;
    int RX_flag = 0;

    // How many items each combo box has in the form, so a language change
    // can refill it with the form's own list.
    std::vector<std::pair<QComboBox *, int>> m_formItemCounts;
};
