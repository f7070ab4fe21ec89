// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "paramset.h"

#include <QDateTime>
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
    // A leftover file that is not offered, and why.
    struct Unoffered {
        QString name;
        QString reason;
    };
    // What editors that are gone left, as the user is to hear of it: the
    // newest file this editor can read and own, claimed and offered; the
    // others it could offer after it; and every other leftover, named with
    // the reason it is not offered.
    struct LeftOvers {
        QString path;  // the one offered; empty when none is
        QDateTime written;
        int differing = 0;        // its values unlike the editor's
        QList<QDateTime> others;  // newest first
        QList<Unoffered> unoffered;
        int deletable = 0;  // what dropAll() would delete
    };

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
    // file could not be written (failure() says why).
    bool saveNow();
    QString failure() const { return m_failure; }
    // A normal close: what was not written is the user's choice.
    void remove();

    // The files left by editors that are gone; the one offered is now
    // locked by this editor, so no other editor offers it too. Nothing is
    // claimed while one is claimed already.
    LeftOvers claimLeftOvers();
    QString claimedPath() const { return m_claimed; }
    // The claimed file is dealt with (restored or discarded): it goes.
    void dropClaimed();
    // Every leftover this editor can read and owns goes, the claimed one
    // too; files of other users, of running editors or that cannot be read
    // stay.
    void dropAll();

Q_SIGNALS:
    void writeFailed(const QString &reason);
    // A write succeeded after one had failed.
    void failureOver();

private:
    const ValueHistory &m_values;
    j3k::ParamSet m_baseline;
    QTimer m_timer;
    QTimer m_alive;
    QString m_failure;
    QString m_path;  // this editor's file, named at its first write
    std::unique_ptr<QLockFile> m_lock;
    QString m_claimed;
    std::unique_ptr<QLockFile> m_claimedLock;
};
