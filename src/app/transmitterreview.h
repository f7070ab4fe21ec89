// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "backups.h"
#include "frames.h"
#include "paramdiff.h"
#include "transmitterstate.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <array>

class ParamBinding;
class QLabel;
class QWidget;
class ValueHistory;

// What the window knows of the transmitter's settings, shown to the user:
// the marks on values an UPDATE would change, the status panel's few words,
// the check of an UPDATE by the READ after it, a backup of every READ that
// brings new values, and the answer to a READ that never comes.
//
// The serial half of the window tells it what happens on the line; it never
// sends anything itself.
class TransmitterReview : public QObject
{
    Q_OBJECT

public:
    TransmitterReview(QWidget *window, ParamBinding &binding, ValueHistory &history, QLabel *panel);

    // What happens on the line.
    void portOpened();
    void portClosed();
    void readSent();
    // Frames arrived: `params` holds the values they carried for the
    // parameters in `set`, whether or not the window shows them.
    void framesApplied(const j3k::ParamSet &params, const QList<int> &set, const j3k::FrameDecoder &decoder);
    void updateSent(const QString &sRecord, const QString &gRecord);

    // Between READ and its end: every frame type in, or 3 s after it.
    bool isReading() const { return m_reading; }
    // Whether the user changed the value since the transmitter's was last
    // known: frames outside a READ leave it as it is.
    bool edited(int index) const { return m_state.edited(index, editor()); }

    j3k::ParamSet editor() const;
    bool hasReported() const { return m_state.hasReported(); }
    // The transmitter's values and the editor's where they differ (a: the
    // transmitter, b: the editor).
    QList<j3k::ParamChange> changes() const;
    // Sets every changed value back to the transmitter's, as one step.
    void putBack();

    const j3k::BackupStore &backups() const { return m_backups; }

    // Up to date at once; changes to the values are otherwise shown when
    // the event loop next runs.
    void refresh();

private:
    void completeRead();
    void endRead();
    void showNotTaken(const QList<j3k::ParamChange> &notTaken);
    void markWidget(int index, j3k::TransmitterState::Mark mark, const QString &tip);

    QWidget *m_window;
    ParamBinding &m_binding;
    ValueHistory &m_history;
    QLabel *m_panel;
    j3k::TransmitterState m_state;
    j3k::BackupStore m_backups;
    bool m_connected = false;  // a port has been opened: the panel has something to say
    QString m_note;            // what the last command came to, after the state
    QString m_noteDetail;      // the same at length, for the panel's tooltip
    QTimer m_noAnswer;
    QTimer m_readEnd;
    bool m_reading = false;
    QStringList m_refused;  // values of refused frames since READ
    QTimer m_pendingRefresh;
    std::array<QString, j3k::ParamCount> m_formTips;
};
