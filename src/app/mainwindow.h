#pragma once

#include <QMainWindow>

#include <memory>
#include <utility>
#include <vector>

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

private:
    void refrushInfoLabel();
    void fillPortList();
    void useResourceIconsWhereMissing();
    void retranslate();

    QString strHex;
    std::unique_ptr<Ui::MainWindow> ui;
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
