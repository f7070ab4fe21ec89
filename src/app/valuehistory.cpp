// SPDX-License-Identifier: GPL-3.0-or-later
#include "valuehistory.h"

#include "parambinding.h"
#include "paramdiff.h"
#include "paramtext.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QSpinBox>
#include <QUndoStack>

using j3k::ParamSet;

namespace {

// Enough for a long session; a step holds two sets of 90 numbers.
constexpr int kStepLimit = 1000;

// The id of steps that may take in the next batch of their burst.
constexpr int kBurstStep = 1;

}  // namespace

// One change to the values: the whole set before and after it.
class ValueStep : public QUndoCommand
{
public:
    ValueStep(ValueHistory &history, const QString &name, const ParamSet &before, const ParamSet &after, int burst)
        : QUndoCommand(name)
        , m_history(history)
        , m_before(before)
        , m_after(after)
        , m_burst(burst)
    {}

    void undo() override { m_history.show(m_before); }
    void redo() override { m_history.show(m_after); }
    int id() const override { return m_burst != 0 ? kBurstStep : -1; }

    bool mergeWith(const QUndoCommand *other) override
    {
        const auto *next = static_cast<const ValueStep *>(other);
        if (next->m_burst != m_burst)
            return false;
        m_after = next->m_after;
        setObsolete(m_after == m_before);
        return true;
    }

private:
    ValueHistory &m_history;
    ParamSet m_before;
    ParamSet m_after;
    int m_burst;
};

ValueHistory::ValueHistory(ParamBinding &binding, QObject *parent)
    : QObject(parent)
    , m_binding(binding)
    , m_stack(new QUndoStack(this))
    , m_committed(binding.read())
{
    m_stack->setUndoLimit(kStepLimit);
    for (int i = 0; i < int(j3k::ParamCount); ++i) {
        QWidget *w = m_binding.widget(i);
        if (auto *combo = qobject_cast<QComboBox *>(w)) {
            // A combo box's choice is made in one go.
            connect(combo, &QComboBox::currentIndexChanged, this, [this] {
                widgetChanged();
                if (!m_showing)
                    commitEdits();
            });
            continue;
        }
        auto *box = static_cast<QAbstractSpinBox *>(w);
        connect(box, &QAbstractSpinBox::editingFinished, this, &ValueHistory::commitEdits);
        if (auto *spin = qobject_cast<QSpinBox *>(w))
            connect(spin, &QSpinBox::valueChanged, this, &ValueHistory::widgetChanged);
        else if (auto *alarm = qobject_cast<QDoubleSpinBox *>(w))
            connect(alarm, &QDoubleSpinBox::valueChanged, this, &ValueHistory::widgetChanged);
    }
}

// The widgets are gone by now: the stack's last signals reach nobody.
ValueHistory::~ValueHistory() { m_stack->blockSignals(true); }

void ValueHistory::widgetChanged() { Q_EMIT valuesChanged(); }

void ValueHistory::commitEdits()
{
    const ParamSet now = m_binding.read();
    const QList<j3k::ParamChange> edits = j3k::compareParams(m_committed, now);
    if (edits.isEmpty())
        return;
    const j3k::ParamChange &e = edits.first();
    const QString name = edits.size() == 1 ? tr("%1 %2 \u2192 %3")
                                                 .arg(j3k::paramLabel(e.index), j3k::valueText(e.index, e.a),
                                                      j3k::valueText(e.index, e.b))
                                           : tr("%1 values edited").arg(edits.size());
    m_stack->push(new ValueStep(*this, name, m_committed, now, 0));
}

void ValueHistory::apply(const QString &name, const ParamSet &params, const QList<int> &indexes, int burst)
{
    commitEdits();
    ParamSet after = m_committed;
    for (int i : indexes)
        after.set(i, params.value(i));
    if (after != m_committed)
        m_stack->push(new ValueStep(*this, name, m_committed, after, burst));
}

void ValueHistory::undo()
{
    commitEdits();
    m_stack->undo();
}

void ValueHistory::redo()
{
    commitEdits();
    m_stack->redo();
}

void ValueHistory::show(const ParamSet &params)
{
    QList<int> changed;
    for (const j3k::ParamChange &c : j3k::compareParams(m_binding.read(), params))
        changed << c.index;
    m_showing = true;
    m_binding.write(params, changed);
    m_showing = false;
    m_committed = params;
}
