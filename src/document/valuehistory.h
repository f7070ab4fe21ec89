// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "frames.h"
#include "paramset.h"

#include <QList>
#include <QObject>
#include <QString>

class QUndoStack;

// The editor's values and every change to them as a step that can be
// undone: an edit the user made, and whole sets that READ, LOAD, a backup or
// "put back" bring. What goes to the transmitter, and what it is known to
// hold, is none of this class's business.
//
// The transmitter keeps D/R rates for four channels and a set shows the
// pair of its D/R CH; the editor keeps a pair for each channel too, so
// choosing another channel shows that channel's rates, and an edited rate
// is still there when its channel is chosen again.
//
// An edit counts once it is committed: when a spin box's editing finishes,
// when a combo box takes another item, and before any other step or undo.
// So typing "12" is one step, not two.
class ValueHistory : public QObject
{
    Q_OBJECT

public:
    explicit ValueHistory(QObject *parent = nullptr);
    ~ValueHistory() override;

    const j3k::ParamSet &values() const { return m_now.set; }
    const j3k::DrRates &rates() const { return m_now.rates; }
    QUndoStack *stack() const { return m_stack; }

    // The user set one value; a D/R CH shows its channel's pair.
    void edit(int index, int value);
    // The user's edits since the last step, as a step of their own.
    void commitEdits();

    // Puts the values of `params` at `indexes` in as one step named `name`.
    // With `rates`, those are every channel's rates and the pair shown
    // follows them; otherwise a pair given is its channel's from now on.
    // Consecutive calls with the same nonzero `burst` make one step. A call
    // that changes nothing adds no step.
    void apply(const QString &name, const j3k::ParamSet &params, const QList<int> &indexes, int burst = 0,
               const j3k::DrRates *rates = nullptr);

    void undo();
    void redo();

Q_SIGNALS:
    // The values at `indexes` changed, by an edit or a step.
    void valuesChanged(const QList<int> &indexes);

private:
    friend class ValueStep;
    struct State {
        j3k::ParamSet set;
        j3k::DrRates rates;
        friend bool operator==(const State &a, const State &b)
        {
            return a.set == b.set && a.rates.up == b.rates.up && a.rates.down == b.rates.down;
        }
    };
    void show(const State &state, bool committed);

    QUndoStack *m_stack;
    State m_now;        // what the editor shows
    State m_committed;  // the values after the current step
};
