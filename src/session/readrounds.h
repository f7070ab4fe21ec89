// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "frames.h"
#include "paramset.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

#include <array>

namespace j3k {

struct ReadAnswer;

// The rounds of one READ. Frames carry no checksum, so a byte lost, doubled
// or changed on the line gives a frame whose values are still in range and
// wrong. READ therefore asks twice ("RRR", the answer, "RRR" again) and takes
// a group only where two answers bring the same frame; where they differ, or
// one lacks the group, it asks a third time. Three "RRR" at most: the line
// carries nothing else new.
//
// This knows nothing of ports or timers: it is told when a round begins,
// given the bytes that came in it, and says whether the round has every
// group and whether another round is needed.
class ReadRounds
{
public:
    static constexpr int MaxRounds = 3;

    // How long a round waits after its last byte before it is over, at
    // `baudRate`: four frames' time on the wire, so a transmitter pausing
    // between frames, or an adapter holding bytes back for a frame or two,
    // does not cut an answer; never under 20 ms, since USB-serial adapters
    // hand bytes over on a latency timer (16 ms by default on FTDI's).
    static int silenceMs(qint32 baudRate);

    // A new READ: no rounds yet.
    void start();
    // "RRR" went out: the bytes from now on are the next round's.
    void beginRound();
    int round() const { return m_round; }
    // Bytes that came in the current round.
    void feed(QByteArrayView bytes);
    // Whether the current round has brought a whole frame, and one of
    // every group, in step or not.
    bool roundHasFrames() const;
    bool roundComplete() const;
    // After a round: whether a group lacks two agreeing answers and a round
    // is left to ask for.
    bool needsAnotherRound() const;

    // The READ's outcome: the values of the groups two answers agree on,
    // applied to `base` (a pair agreeing on a value out of range is a
    // refused frame, as one answer was before), how many groups came, and
    // the groups answered in two rounds or more without two agreeing.
    void fill(ReadAnswer &answer, const ParamSet &base) const;
    // What the user is told of the groups (named in `groups`) that `answers`
    // answers brought, no two alike.
    static QString disagreement(const QString &groups, int answers);

private:
    // One frame of an answer: bytes 1 to 11, and whether the frames around
    // it sit where a clean stream puts them.
    struct Frame {
        quint8 type;
        QByteArray body;
        bool inStep;
    };
    QList<Frame> framesOf(int round) const;
    // The agreed body of the frame at `f` in frameTypes(), or empty.
    QByteArray agreed(int f, const std::array<QList<Frame>, MaxRounds> &rounds) const;
    std::array<QList<Frame>, MaxRounds> allFrames() const;

    std::array<QByteArray, MaxRounds> m_bytes;
    int m_round = 0;
};

}  // namespace j3k
