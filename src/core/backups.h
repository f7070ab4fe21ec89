// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "paramset.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <optional>

namespace j3k {

// Keeps what the transmitter held, one parameter file per distinct READ, so
// a user can get back the settings of before an UPDATE. The files are in the
// format SAVE writes, so LOAD reads them too.
class BackupStore
{
public:
    // AppDataLocation/backups; the editor and j3kctl set the same
    // application name, so both keep their backups in one folder.
    static QString defaultFolder();

    explicit BackupStore(QString folder = defaultFolder(), int keep = 100);

    QString folder() const { return m_folder; }

    // What add() did: the file written (empty when the newest backup
    // already holds these values), or why nothing could be written.
    struct Result {
        QString path;
        QString error;
        bool ok() const { return error.isEmpty(); }
    };

    // Writes `params` as a new backup named for `when`
    // ("2026-12-06_14-03-59.txt") unless the newest one holds the same
    // values (VERSION, which no file carries, aside), then
    // removes the oldest beyond the number to keep.
    Result add(const ParamSet &params, const QDateTime &when = QDateTime::currentDateTime());

    // The backup files' full paths, newest first.
    QStringList list() const;

private:
    QString m_folder;
    int m_keep;
};

// The parameters of a parameter file's text laid over `base` (the records
// carry every parameter but VERSION), or nothing when the text is not a
// parameter file.
std::optional<ParamSet> paramsFromFileText(QStringView text, const ParamSet &base = ParamSet());

}  // namespace j3k
