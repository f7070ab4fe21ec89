// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "frames.h"
#include "paramdiff.h"
#include "paramset.h"

#include <QList>

#include <bitset>
#include <optional>

namespace j3k {

// The parameters the records carry, so the ones an UPDATE writes and a
// parameter file holds: every one but VERSION.
ParamMask recordParams();

// What the editor knows of the settings in the transmitter: the last value
// it reported for each parameter, and the values an UPDATE wrote that no
// READ has confirmed yet.
//
// Two parameters need care. VERSION is reported but no record carries it,
// so it is never a change to write. The transmitter keeps D/R rates for four
// channels while the editor shows the pair of the channel chosen in D/R CH;
// the rates compared are always those of the editor's channel, and D/R CH
// itself, which only picks the pair, is never reported.
class TransmitterState
{
public:
    enum class Mark {
        None,     // the editor shows what the transmitter holds, or nothing is known
        Changed,  // an UPDATE would change it
        Written,  // written by an UPDATE that no READ has confirmed yet
    };

    // A new connection: nothing is known of the transmitter behind it.
    // `editor` is what the editor shows at that moment: what differs from
    // it later is the user's, until the transmitter's value is known.
    void reset(const ParamSet &editor = ParamSet());

    // READ was sent: a complete answer needs every frame type again.
    void startRead();

    // Frames arrived and were applied. `applied` holds their values as the
    // editor took them and `set` says which parameters they were (the
    // FrameDecoder's result); `types` and `rates` are the decoder's
    // lastTypes() and rates(). True when these frames complete a READ: every
    // frame type has arrived since startRead() or reset().
    bool noteFrames(const ParamSet &applied, const QList<int> &set, const QList<quint8> &types, const DrRates &rates);

    // The frame types that have not arrived since startRead(), in the
    // order a transmitter sends them.
    QList<quint8> missingSinceRead() const;

    // The values the user changed since the transmitter's was last known
    // (or, where it never was, since the connection began): frames that
    // come unasked leave them alone.
    ParamMask edited(const ParamSet &editor) const;

    // Whether every parameter an UPDATE writes has a known value.
    bool knowsAll(const ParamSet &editor) const;

    // A completed UPDATE sent these values.
    void noteWritten(const ParamSet &sent);

    // Called after a complete READ: the values the last UPDATE wrote that
    // the transmitter now reports otherwise (a: sent, b: what it has), or
    // nothing when no UPDATE was waiting. The written values are confirmed
    // either way: from now on the reported ones count.
    std::optional<QList<ParamChange>> confirmWritten();

    bool hasReported() const { return m_reported.any(); }
    bool hasWritten() const { return m_written.has_value(); }

    // What the transmitter holds, as far as is known, seen from an editor
    // showing `editor`: the written values while unconfirmed, else the
    // reported ones; the D/R rates of the editor's D/R channel; the
    // editor's own values where nothing is known.
    ParamSet held(const ParamSet &editor) const;

    // The parameters whose held() value is known and an UPDATE writes.
    ParamMask known(const ParamSet &editor) const;

    // What an UPDATE would change: held against the editor, over known().
    QList<ParamChange> changes(const ParamSet &editor) const;

    // The value the transmitter last reported, for the editor's D/R channel.
    std::optional<int> reported(int index, const ParamSet &editor) const;

    // Every parameter's mark, by paramTable() index.
    QList<Mark> marks(const ParamSet &editor) const;

    // The reported values as a whole set, to keep as a backup: the D/R
    // pair of the editor's channel, start values for anything unreported.
    ParamSet reportedSet(const ParamSet &editor) const;

private:
    bool isWritten(int index, const ParamSet &editor) const;

    ParamSet m_values;     // the values last reported (D/R pair: see m_rates)
    ParamMask m_reported;  // which of them the transmitter has reported
    DrRates m_rates;       // all four D/R pairs
    std::optional<ParamSet> m_written;
    std::bitset<256> m_typesSeen;  // frame types since the READ began
    ParamSet m_openedWith;         // the editor's values when the connection began
};

}  // namespace j3k
