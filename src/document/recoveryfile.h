// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "paramset.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>

#include <memory>

class ValueHistory;
class QLockFile;

// Keeps the editor's values on disk while no file and no transmitter holds
// them, so a crash, a kill or a lost session costs at most the last two
// seconds of edits. The file is in the format SAVE writes, one per editor
// (AppDataLocation/recovery-<date>-<pid>.txt), each guarded by a lock
// file while its editor runs: an editor finds the files of editors that
// are gone by the locks it can take, and leaves the others alone.
class RecoveryFile : public QObject
{
    Q_OBJECT

public:
    RecoveryFile(const ValueHistory &values, QObject *parent);
    ~RecoveryFile() override;

    static QString folder();

    // The set last read, loaded, saved or written (or the parameters at
    // `indexes` of it): nothing needs keeping while the editor shows it.
    const j3k::ParamSet &baseline() const { return m_baseline; }
    void setBaseline(const j3k::ParamSet &params);
    void setBaseline(const j3k::ParamSet &params, const QList<int> &indexes);

    // The values changed: they are on disk within two seconds.
    void schedule();
    // On disk now, or the file removed when nothing differs; false when the
    // file could not be written (writeFailed() says why).
    bool saveNow();
    // A normal close: what was not written is the user's choice.
    void remove();

    // A file left by an editor that is gone, now locked by this one so no
    // other editor offers it too; empty when there is none, or when one is
    // claimed already.
    QString claimLeftOver();
    QString claimedPath() const { return m_claimed; }
    // The claimed file is dealt with (restored or discarded): it goes.
    void dropClaimed();

Q_SIGNALS:
    void writeFailed(const QString &reason);

private:
    const ValueHistory &m_values;
    j3k::ParamSet m_baseline;
    QTimer m_timer;
    QString m_path;  // this editor's file, named at its first write
    std::unique_ptr<QLockFile> m_lock;
    QString m_claimed;
    std::unique_ptr<QLockFile> m_claimedLock;
};
