// SPDX-License-Identifier: GPL-3.0-or-later
#include "transmitterstate.h"

#include "records.h"

namespace j3k {

namespace {

// Frame 0xA5 carries the D/R rates of all four channels.
constexpr quint8 kRatesFrame = 0xA5;

const int kDrChannel = paramIndex(u"comboBox_2");
const int kDrUp = paramIndex(u"spinBox_79");
const int kDrDown = paramIndex(u"spinBox_80");

bool isRate(int index) { return index == kDrUp || index == kDrDown; }

// The parameters an UPDATE writes and a READ can confirm: D/R CH only picks
// which pair of rates the G record carries.
const ParamMask &writable()
{
    static const ParamMask mask = ParamMask(recordParams()).reset(std::size_t(kDrChannel));
    return mask;
}

}  // namespace

ParamMask recordParams()
{
    static const ParamMask mask = [] {
        ParamSet params;
        ParamMask m;
        for (const RecordId id : {RecordId::S, RecordId::G}) {
            for (const int i : applyRecord(id, buildRecord(id, ParamSet()), params))
                m.set(std::size_t(i));
        }
        return m;
    }();
    return mask;
}

void TransmitterState::reset(const ParamSet &editor)
{
    *this = TransmitterState();
    m_openedWith = editor;
}

void TransmitterState::startRead() { m_typesSeen.reset(); }

bool TransmitterState::noteFrames(const ParamSet &applied, const QList<int> &set, const QList<quint8> &types,
                                  const DrRates &rates)
{
    for (const int i : set) {
        if (isRate(i))
            continue;  // the editor's pair; all four come from `rates`
        m_values.set(i, applied.value(i));
        m_reported.set(std::size_t(i));
    }
    for (const quint8 type : types) {
        m_typesSeen.set(type);
        if (type == kRatesFrame) {
            m_rates = rates;
            m_reported.set(std::size_t(kDrUp)).set(std::size_t(kDrDown));
        }
    }
    if (int(m_typesSeen.count()) < FrameTypeCount)
        return false;
    m_typesSeen.reset();
    return true;
}

void TransmitterState::noteWritten(const ParamSet &sent) { m_written = sent; }

QList<quint8> TransmitterState::missingSinceRead() const
{
    QList<quint8> missing;
    for (const quint8 type : frameTypes()) {
        if (!m_typesSeen.test(type))
            missing << type;
    }
    return missing;
}

ParamMask TransmitterState::edited(const ParamSet &editor) const
{
    const ParamSet h = held(editor);
    const ParamMask k = known(editor);
    ParamMask m;
    for (int i = 0; i < int(ParamCount); ++i) {
        if (k.test(std::size_t(i)))
            m.set(std::size_t(i), h.value(i) != editor.value(i));
        else if (const std::optional<int> has = reported(i, editor))  // VERSION: reported, never written
            m.set(std::size_t(i), *has != editor.value(i));
        else
            m.set(std::size_t(i), m_openedWith.value(i) != editor.value(i));
    }
    return m;
}

bool TransmitterState::knowsAll(const ParamSet &editor) const { return (writable() & ~known(editor)).none(); }

std::optional<QList<ParamChange>> TransmitterState::confirmWritten()
{
    if (!m_written)
        return std::nullopt;
    const ParamSet sent = *m_written;
    m_written.reset();
    QList<ParamChange> notTaken;
    for (int i = 0; i < int(ParamCount); ++i) {
        if (!writable().test(std::size_t(i)))
            continue;
        // The rates are compared on the channel the UPDATE wrote.
        const std::optional<int> has = reported(i, sent);
        if (has && *has != sent.value(i))
            notTaken.append({i, sent.value(i), *has});
    }
    return notTaken;
}

bool TransmitterState::isWritten(int index, const ParamSet &editor) const
{
    if (!m_written || !writable().test(std::size_t(index)))
        return false;
    return !isRate(index) || editor.value(kDrChannel) == m_written->value(kDrChannel);
}

std::optional<int> TransmitterState::reported(int index, const ParamSet &editor) const
{
    if (!m_reported.test(std::size_t(index)))
        return std::nullopt;
    const auto channel = std::size_t(editor.value(kDrChannel));
    if (index == kDrUp)
        return m_rates.up[channel];
    if (index == kDrDown)
        return m_rates.down[channel];
    return m_values.value(index);
}

ParamSet TransmitterState::held(const ParamSet &editor) const
{
    ParamSet h = editor;
    for (int i = 0; i < int(ParamCount); ++i) {
        if (isWritten(i, editor))
            h.set(i, m_written->value(i));
        else if (const std::optional<int> v = reported(i, editor))
            h.set(i, *v);
    }
    return h;
}

ParamMask TransmitterState::known(const ParamSet &editor) const
{
    ParamMask m = m_reported & writable();
    for (int i = 0; i < int(ParamCount); ++i) {
        if (isWritten(i, editor))
            m.set(std::size_t(i));
    }
    return m;
}

QList<ParamChange> TransmitterState::changes(const ParamSet &editor) const
{
    return compareParams(held(editor), editor, known(editor));
}

QList<TransmitterState::Mark> TransmitterState::marks(const ParamSet &editor) const
{
    const ParamSet h = held(editor);
    const ParamMask k = known(editor);
    QList<Mark> out(ParamCount, Mark::None);
    for (int i = 0; i < int(ParamCount); ++i) {
        if (!k.test(std::size_t(i)))
            continue;
        if (h.value(i) != editor.value(i))
            out[i] = Mark::Changed;
        else if (isWritten(i, editor) && reported(i, editor) != h.value(i))
            out[i] = Mark::Written;
    }
    return out;
}

ParamSet TransmitterState::reportedSet(const ParamSet &editor) const
{
    ParamSet s;
    s.set(kDrChannel, editor.value(kDrChannel));
    for (int i = 0; i < int(ParamCount); ++i) {
        if (const std::optional<int> v = reported(i, editor))
            s.set(i, *v);
    }
    return s;
}

}  // namespace j3k
