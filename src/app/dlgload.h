// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QString>

#include <memory>

namespace Ui {
class DlgLoad;
}

// LOAD's file picker: the user browses for a parameter file, sees its length
// and first characters, and accepts or cancels. The text it hands over is
// the file's, or the text a file holding a hex dump denotes.
class DlgLoad : public QDialog
{
    Q_OBJECT

public:
    explicit DlgLoad(QWidget *parent = nullptr);
    ~DlgLoad() override;

    QString getContext() const { return context; }
    // The file read, empty when none was.
    QString filePath() const { return fileName; }
    // Where browsing starts, and after a file is read, the folder it is in.
    void setFolder(const QString &folder) { m_folder = folder; }
    QString folder() const { return m_folder; }
    // Reads `path` as browsing to it would; false (after saying why) when
    // it cannot be read.
    bool readFile(const QString &path);

public Q_SLOTS:
    // OK: a path typed into the file box is read as if browsed to first.
    void accept() override;

protected:
    void changeEvent(QEvent *e) override;

private Q_SLOTS:
    void on_checkBox_clicked();
    void on_toolButton_clicked();

private:
    std::unique_ptr<Ui::DlgLoad> ui;
    QString context;
    QString fileName;
    QString m_folder = QStringLiteral("./");
};
