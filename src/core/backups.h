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
//
// The folder is shared: by the editor and j3kctl, by two editors, and with
// whatever else a user puts there. So backups are only ever added: a file is
// created only where none exists, and only files named as backups
// ("2026-12-06_14-03-59.txt", "2026-12-06_14-03-59-2.txt") are counted or
// removed.
class BackupStore
{
public:
    // AppDataLocation/backups; the editor and j3kctl set the same
    // application name, so both keep their backups in one folder.
    static QString defaultFolder();

    explicit BackupStore(QString folder = defaultFolder(), int keep = 100);

    QString folder() const { return m_folder; }

    // What add() did: the file written (empty when the newest backup
    // already holds these values), or the system's reason nothing could be.
    struct Result {
        QString path;
        QString error;   // what failed, where, and why
        QString reason;  // why alone, in the system's words
        bool ok() const { return error.isEmpty(); }
    };

    // Writes `params` as a new backup named for `when` unless the newest one
    // not dated in the future of `when` holds the same values (VERSION,
    // which no file carries, aside). A name
    // taken already, by another writer in the same second, gets the next
    // free "-2", "-3"... Then removes the oldest backups beyond the number to
    // keep, by the times in their names, but never the one just written,
    // whatever the clock said. Call it for a READ that was asked for and
    // completed, never for frames nobody asked for.
    Result add(const ParamSet &params, const QDateTime &when = QDateTime::currentDateTime());

    // The backup files' full paths, newest first by the time in their
    // names; other files in the folder are not listed.
    QStringList list() const;

    // Whether `fileName` (without folder) is named as a backup, and its
    // place in time order: the time in the name, then the clash number.
    static std::optional<std::pair<QDateTime, int>> backupTime(const QString &fileName);

    // Whether a backup's time is more than a day after `now`: written by a
    // clock that was wrong, or named by hand. Such a backup is listed, but
    // never taken as the newest, the one every READ would be compared with
    // until that day came.
    static bool datedInFuture(const QDateTime &time, const QDateTime &now = QDateTime::currentDateTime());

private:
    QString m_folder;
    int m_keep;
};

}  // namespace j3k
