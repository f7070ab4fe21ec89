// SPDX-License-Identifier: GPL-3.0-or-later
#include "readrounds.h"

#include "rangecheck.h"
#include "readanswer.h"

#include <QCoreApplication>

#include <algorithm>

namespace j3k {

namespace {

// Whether a frame's byte 1 is at `p`: its marker, its length and a known type.
bool headerAt(const QByteArray &bytes, qsizetype p)
{
    return p >= 0 && p + 2 < bytes.size() && uchar(bytes[p]) == 0xFE && uchar(bytes[p + 1]) == FrameLength
           && !frameGroup(uchar(bytes[p + 2])).isEmpty();
}

}  // namespace

int ReadRounds::silenceMs(qint32 baudRate)
{
    constexpr int bitsPerByte = 10;  // start, 8 data, stop
    const qint64 frameBits = qint64(FrameLength) * bitsPerByte;
    const qint64 fourFramesMs = (4 * frameBits * 1000 + qMax(baudRate, 1) - 1) / qMax(baudRate, 1);
    return int(std::clamp<qint64>(fourFramesMs, 20, 2000));
}

void ReadRounds::start()
{
    m_round = 0;
    for (QByteArray &b : m_bytes)
        b.clear();
}

void ReadRounds::beginRound()
{
    if (m_round < MaxRounds)
        ++m_round;
}

void ReadRounds::feed(QByteArrayView bytes)
{
    if (m_round > 0)
        m_bytes[std::size_t(m_round - 1)].append(bytes.data(), bytes.size());
}

bool ReadRounds::roundHasFrames() const { return m_round > 0 && !framesOf(m_round).isEmpty(); }

bool ReadRounds::roundComplete() const
{
    if (m_round == 0)
        return false;
    QList<quint8> types;
    for (const Frame &frame : framesOf(m_round)) {
        if (!types.contains(frame.type))
            types << frame.type;
    }
    return types.size() == FrameTypeCount;
}

// Every place in the round's bytes where a whole frame stands, found by its
// header rather than by counting, so that a frame after a lost or doubled
// byte is found too. Such a byte leaves the frame it is in with its last
// data bytes shifted, values still in range and the same on every answer
// that loses the same byte; only the place of the next frame shows it. So a
// frame is "in step" only where the next frame starts exactly 12 bytes on,
// or the answer ends exactly with it; any other is a disagreeing answer.
QList<ReadRounds::Frame> ReadRounds::framesOf(int round) const
{
    const QByteArray &bytes = m_bytes[std::size_t(round - 1)];
    QList<Frame> frames;
    // p is the place of byte 1, the marker; byte 0 may be gone or foreign
    // without changing anything a frame carries.
    for (qsizetype p = 0; p + FrameLength - 1 <= bytes.size(); ++p) {
        if (!headerAt(bytes, p))
            continue;
        const qsizetype next = p + FrameLength;
        const bool inStep = headerAt(bytes, next) || next - 1 == bytes.size();
        frames.append({uchar(bytes[p + 2]), bytes.mid(p, FrameLength - 1), inStep});
    }
    return frames;
}

std::array<QList<ReadRounds::Frame>, ReadRounds::MaxRounds> ReadRounds::allFrames() const
{
    std::array<QList<Frame>, MaxRounds> rounds;
    for (int r = 1; r <= m_round; ++r)
        rounds[std::size_t(r - 1)] = framesOf(r);
    return rounds;
}

// Byte 0 is left out of the comparison: it carries nothing, the transmitter
// may put anything there, and a lost byte 0 changes no value; comparing it
// would only turn good answers into disagreeing ones. Bytes 1 to 3 are the
// header, the same in every frame of the type, and bytes 4 to 11 the values.
QByteArray ReadRounds::agreed(int f, const std::array<QList<Frame>, MaxRounds> &rounds) const
{
    const quint8 type = frameTypes().at(f);
    QList<QByteArray> bodies;
    for (int i = 0; i < m_round; ++i) {
        for (int j = i + 1; j < m_round; ++j) {
            for (const Frame &a : rounds[std::size_t(i)]) {
                for (const Frame &b : rounds[std::size_t(j)]) {
                    if (a.type == type && b.type == type && a.inStep && b.inStep && a.body == b.body
                        && !bodies.contains(a.body))
                        bodies << a.body;
                }
            }
        }
    }
    // Two pairs agreeing on different frames: the line, not the transmitter.
    return bodies.size() == 1 ? bodies.first() : QByteArray();
}

bool ReadRounds::needsAnotherRound() const
{
    if (m_round >= MaxRounds)
        return false;
    if (m_round < 2)
        return true;
    const auto rounds = allFrames();
    for (int f = 0; f < FrameTypeCount; ++f) {
        if (agreed(f, rounds).isEmpty())
            return true;
    }
    return false;
}

void ReadRounds::fill(ReadAnswer &answer, const ParamSet &base) const
{
    const auto rounds = allFrames();
    FrameValues &into = answer.frames;
    into = FrameValues();
    into.params = base;
    FrameDecoder decoder;
    for (int f = 0; f < FrameTypeCount; ++f) {
        const quint8 type = frameTypes().at(f);
        const QByteArray body = agreed(f, rounds);
        if (body.isEmpty()) {
            int answered = 0;
            for (const QList<Frame> &frames : rounds)
                answered
                    += int(std::any_of(frames.begin(), frames.end(), [&](const Frame &x) { return x.type == type; }));
            if (answered >= 2)
                answer.disagreed.insert(type, answered);
            continue;
        }
        into.set << decoder.feed(QByteArray(1, '\0') + body, into.params);
        into.types << decoder.lastTypes();
        into.refused << faultMessages(decoder.lastRefused());
        if (decoder.lastTypes().contains(quint8(0xA5))) {
            into.rates = decoder.rates();
            into.hasRates = true;
        }
    }
    answer.typesSeen = decoder.typesSeen();
}

QString ReadRounds::disagreement(const QString &groups, int answers)
{
    // The third request may go unanswered: then only two answers are there.
    return answers >= 3
               ? QCoreApplication::translate("j3k::ReadRounds", "%1: three answers disagreed; is the line noisy?")
                     .arg(groups)
               : QCoreApplication::translate("j3k::ReadRounds", "%1: two answers disagreed; is the line noisy?")
                     .arg(groups);
}

}  // namespace j3k
