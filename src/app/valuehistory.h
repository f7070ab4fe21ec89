// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "paramset.h"

#include <QList>
#include <QObject>
#include <QString>

class ParamBinding;
class QUndoStack;

// Every change to the editor's values as a step that can be undone: an edit
// the user made in a widget, and whole sets that READ, LOAD, a backup or
// "put back" bring. Undo and redo change the widgets only; what goes to the
// transmitter, and what it is known to hold, is none of this class's
// business.
//
// An edit counts once it is committed: when a spin box's editing finishes
// (Enter, or the focus leaving it), when a combo box takes another item, and
// before any other step or undo. So typing "12" is one step, not two.
class ValueHistory : public QObject
{
    Q_OBJECT

public:
    ValueHistory(ParamBinding &binding, QObject *parent);
    ~ValueHistory() override;

    QUndoStack *stack() const { return m_stack; }

    // Puts the values of `params` at `indexes` into the widgets as one step
    // named `name`. Consecutive calls with the same nonzero `burst` make one
    // step, however many batches of frames a READ arrives in. A call that
    // changes nothing adds no step.
    void apply(const QString &name, const j3k::ParamSet &params, const QList<int> &indexes, int burst = 0);

    // The user's edits since the last step, as a step of their own.
    void commitEdits();

    void undo();
    void redo();

Q_SIGNALS:
    // A widget's value changed, by an edit or a step.
    void valuesChanged();

private:
    friend class ValueStep;
    void show(const j3k::ParamSet &params);
    void widgetChanged();

    ParamBinding &m_binding;
    QUndoStack *m_stack;
    j3k::ParamSet m_committed;  // the values after the current step
    bool m_showing = false;     // the widgets are being set by a step
};
