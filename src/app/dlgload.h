// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QString>
#include <QTimer>

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
    // A path typed into the file box, shown as browsing to it would, a
    // moment after the typing stops; a path that names no file to read
    // shows why in the preview, without a message box in the way.
    void previewTyped();

    std::unique_ptr<Ui::DlgLoad> ui;
    QTimer *m_typed;
    QString context;
    QString fileName;
    QString m_folder = QStringLiteral("./");
};
