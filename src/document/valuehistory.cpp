// SPDX-License-Identifier: GPL-3.0-or-later
#include "valuehistory.h"

#include "paramdiff.h"
#include "paramtext.h"

#include <QUndoStack>

using j3k::ParamSet;

namespace {

// Enough for a long session; a step holds two sets of 90 numbers.
constexpr int kStepLimit = 1000;

// The id of steps that may take in the next batch of their burst.
constexpr int kBurstStep = 1;

int channelIndex()
{
    static const int index = j3k::paramIndex(u"comboBox_2");
    return index;
}
int upIndex()
{
    static const int index = j3k::paramIndex(u"spinBox_79");
    return index;
}
int downIndex()
{
    static const int index = j3k::paramIndex(u"spinBox_80");
    return index;
}

}  // namespace

// One change to the values: the whole state before and after it.
class ValueStep : public QUndoCommand
{
public:
    using State = ValueHistory::State;

    ValueStep(ValueHistory &history, const QString &name, const State &before, const State &after, int burst)
        : QUndoCommand(name)
        , m_history(history)
        , m_before(before)
        , m_after(after)
        , m_burst(burst)
    {}

    void undo() override { m_history.show(m_before, true); }
    void redo() override { m_history.show(m_after, true); }
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
    State m_before;
    State m_after;
    int m_burst;
};

ValueHistory::ValueHistory(QObject *parent)
    : QObject(parent)
    , m_stack(new QUndoStack(this))
{
    m_stack->setUndoLimit(kStepLimit);
    // Every channel starts with the pair a fresh editor shows.
    m_now.rates.up.fill(m_now.set.value(upIndex()));
    m_now.rates.down.fill(m_now.set.value(downIndex()));
    m_committed = m_now;
}

// The listeners may be gone by now: the stack's last signals reach nobody.
ValueHistory::~ValueHistory() { m_stack->blockSignals(true); }

void ValueHistory::edit(int index, int value)
{
    State next = m_now;
    next.set.set(index, value);
    const auto ch = std::size_t(next.set.value(channelIndex()));
    if (index == channelIndex()) {
        next.set.set(upIndex(), next.rates.up[ch]);
        next.set.set(downIndex(), next.rates.down[ch]);
    } else {
        next.rates.up[ch] = next.set.value(upIndex());
        next.rates.down[ch] = next.set.value(downIndex());
    }
    show(next, false);
}

void ValueHistory::commitEdits()
{
    if (m_now == m_committed)
        return;
    const QList<j3k::ParamChange> edits = j3k::compareParams(m_committed.set, m_now.set);
    QString name = tr("%1 values edited").arg(edits.size());
    if (edits.size() == 1 || (!edits.isEmpty() && edits.first().index == channelIndex())) {
        const j3k::ParamChange &e = edits.first();
        name = tr("%1 %2 \u2192 %3")
                   .arg(j3k::paramLabel(e.index), j3k::valueText(e.index, e.a), j3k::valueText(e.index, e.b));
    }
    const State before = m_committed;
    m_committed = m_now;
    m_stack->push(new ValueStep(*this, name, before, m_now, 0));
}

void ValueHistory::apply(const QString &name, const ParamSet &params, const QList<int> &indexes, int burst,
                         const j3k::DrRates *rates)
{
    commitEdits();
    State after = m_committed;
    for (int i : indexes)
        after.set.set(i, params.value(i));
    const auto ch = std::size_t(after.set.value(channelIndex()));
    if (rates) {
        after.rates = *rates;
        after.set.set(upIndex(), after.rates.up[ch]);
        after.set.set(downIndex(), after.rates.down[ch]);
    } else {
        after.rates.up[ch] = after.set.value(upIndex());
        after.rates.down[ch] = after.set.value(downIndex());
    }
    if (after == m_committed)
        return;
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

void ValueHistory::show(const State &state, bool committed)
{
    QList<int> changed;
    for (const j3k::ParamChange &c : j3k::compareParams(m_now.set, state.set))
        changed << c.index;
    m_now = state;
    if (committed)
        m_committed = state;
    if (!changed.isEmpty())
        Q_EMIT valuesChanged(changed);
}
