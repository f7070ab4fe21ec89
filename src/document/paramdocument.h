// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "backups.h"
#include "paramdiff.h"
#include "sheetfacts.h"
#include "transmitterstate.h"
#include "txsession.h"

#include <QDateTime>
#include <QMap>
#include <QObject>
#include <QStringList>

#include <optional>

class RecoveryFile;
class ValueHistory;

// The one owner of the editor's state: the values and their history, the
// set last read, loaded, saved or written (what the recovery file keeps
// the values against), what the transmitter holds, the backups, and what
// the last commands came to. Every change goes through here, and listeners
// hear what changed; a window only shows this and forwards the user's acts.
class ParamDocument : public QObject
{
    Q_OBJECT

public:
    explicit ParamDocument(QObject *parent = nullptr);
    ~ParamDocument() override;

    const j3k::ParamSet &values() const;
    ValueHistory &history() const { return *m_history; }
    RecoveryFile &recovery() const { return *m_recovery; }
    const j3k::BackupStore &backups() const { return m_backups; }

    // The user's acts.
    void edit(int index, int value);
    void commitEdits();
    // A whole set checked already (LOAD, a dropped file, a backup, a
    // restored recovery file), as one step named `step`; from `file`, when
    // one is named.
    void load(const QString &step, const j3k::ParamSet &params, const QString &file = {});
    // The same for values an editor that is gone kept nowhere else: they
    // stay values to keep, so a close or a READ asks before losing them.
    void restore(const QString &step, const j3k::ParamSet &params);
    // The leftover the recovery file claimed, read again and restored so;
    // how many values came back and when they were written, or why none
    // did, naming the file.
    struct Restored {
        QString error;
        int values = 0;
        QDateTime written;
    };
    Restored restoreLeftOver();
    void saved(const j3k::ParamSet &params, const QString &file = {});
    void putBack();
    // Wait while a READ or UPDATE's pause is under way, so a READ stays one
    // step and the window never shows a set other than the one being sent.
    void undo();
    void redo();
    bool canUndo() const;
    bool canRedo() const;

    // The values no file and no transmitter holds: those that differ from
    // the set last read, loaded, saved or written. Closing or a READ would
    // lose them.
    QList<j3k::ParamChange> unkept() const;

    // Takes what happens on `session`'s line from now on.
    void follow(const j3k::TxSession &session);

    // What happens on the line.
    void connected();
    void disconnected();
    void readStarted();
    void noAnswer();
    void readFinished(const j3k::ReadAnswer &answer);
    void framesArrived(const j3k::FrameValues &frames);
    void updateStarted();
    void updateFinished(bool whole, const j3k::ParamSet &sent);
    bool isBusy() const { return m_busy; }

    // What the window renders.
    bool hasConnected() const { return m_connected; }
    const j3k::TransmitterState &transmitter() const { return m_state; }
    QList<j3k::ParamChange> changes() const { return m_state.changes(values()); }
    // The values for a setup sheet: from the file last loaded or saved, or
    // the last whole READ, whichever came last; marked as the window marks them.
    j3k::SheetFacts sheetFacts() const;

    // What the last commands came to, each only while it is still true.
    struct Notes {
        bool noAnswer = false;
        QList<quint8> missing;        // groups an ended READ lacks, until they come
        QMap<quint8, int> disagreed;  // of those, the ones whose answers differed; how many answers
        QStringList refused;          // values of refused frames since READ
        bool refusedInRead = false;
        QString backupReason;  // no backup of the last READ: why
        QString backupError;
        // The check of an UPDATE by the READ after it, while the values are
        // those it was made on.
        std::optional<QList<j3k::ParamChange>> confirmed;
    };
    Notes notes() const;

Q_SIGNALS:
    void valuesChanged(const QList<int> &indexes);
    // Anything the marks, the panel or CHANGES show.
    void stateChanged();
    // UPDATE wrote values the READ after it does not bring back.
    void notTaken(const QList<j3k::ParamChange> &changes);
    void busyChanged(bool busy);

private:
    void setBusy(bool busy);
    void completeRead();
    void clearNotes();

    ValueHistory *m_history;
    RecoveryFile *m_recovery;
    j3k::TransmitterState m_state;
    j3k::BackupStore m_backups;
    bool m_connected = false;  // a port has been opened: there is something to say
    bool m_busy = false;
    bool m_readEnded = false;  // the last READ is over, whole or not
    int m_frameBurst = 0;
    qint64 m_lastFramesMs = -1;
    Notes m_notes;
    j3k::ParamSet m_confirmedOn;  // the values the UPDATE's check was made on
    QString m_file;               // the file the values last came from or went to
    QDateTime m_readAt;           // or when a whole READ brought them
};
