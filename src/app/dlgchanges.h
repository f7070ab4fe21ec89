// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "paramset.h"

#include <QDialog>
#include <QString>

#include <functional>
#include <optional>

class PathLabel;
class QPushButton;
class QTreeWidget;
class QUndoStack;
class ParamDocument;

// The review of changes: what an UPDATE would change, parameter by
// parameter, with the transmitter's value beside the editor's; or the same
// against any parameter file; and the backups of earlier READs, each with
// how far it is from the editor, to load one back.
class DlgChanges : public QDialog
{
    Q_OBJECT

public:
    // Loads a parameter file's text into the editor the way LOAD does, as
    // the step named `step`, `file` naming it; false when it was refused.
    using Loader = std::function<bool(const QString &text, const QString &step, const QString &file)>;

    // Everything it shows counts against the document's values as they are
    // now, while it is open too. `history` is shown beside the changes; a
    // click on a step goes back to it.
    DlgChanges(ParamDocument &document, QUndoStack *history, Loader load, QWidget *parent = nullptr);

private:
    void compareWithFile();
    void compareWithTransmitter();
    void putBack();
    void loadBackup();
    void showRows();
    void showBackups();
    void critical(const QString &text, const QString &details = {});

    ParamDocument &m_document;
    Loader m_load;
    std::optional<j3k::ParamSet> m_file;  // compared with this file rather than the transmitter
    QString m_fileName;

    PathLabel *m_heading;
    QTreeWidget *m_rows;
    QPushButton *m_putBack;
    QPushButton *m_toTransmitter;
    QTreeWidget *m_backups;
    QPushButton *m_loadBackup;
};
