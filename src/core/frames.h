// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "paramset.h"
#include "rangecheck.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

#include <array>
#include <bitset>

namespace j3k {

// The transmitter answers READ with binary parameter frames:
//   byte 0  anything
//   byte 1  0xFE
//   byte 2  0x0C (the frame's length)
//   byte 3  the frame type, naming the group of parameters
//   4..11   eight data bytes
inline constexpr int FrameLength = 12;

// A whole answer to READ holds one frame of each type.
inline constexpr int FrameTypeCount = 14;

// The D/R rates of the four channels comboBox_2 offers. Frame 0xA5 carries
// all of them; the editor shows only the pair of the selected channel
// (spinBox_79 up, spinBox_80 down).
struct DrRates {
    std::array<int, 4> up{};
    std::array<int, 4> down{};
};

// The frame of one type for the given values, as a transmitter would send
// it: byte 0 is 0x00 and data bytes the type does not use are 0. Frame
// 0xA5 takes its rates from `rates`, not from the editor's pair. Empty for a
// type that is not one of the fourteen.
QByteArray encodeFrame(quint8 type, const ParamSet &params, const DrRates &rates);

// The fourteen frame types, in the order a transmitter answers READ.
QList<quint8> frameTypes();
// What a frame type carries, in the window's words ("SUB-TRIM", "D/R
// rates"); empty for a type that is none of the fourteen.
QString frameGroup(quint8 type);

// All fourteen frame types back to back: a whole answer to READ.
QByteArray encodeFrames(const ParamSet &params, const DrRates &rates);

// Cuts the incoming byte stream into frames and applies them.
//
// On a clean stream this is plain counting: every 12 bytes are a frame, a
// frame failing its checks (marker, length, known type) is dropped, and the
// next frame starts 12 bytes on. Counting alone would stay out of step
// forever after one lost or extra byte, so a failed frame gets a second
// look: if the frame 12 bytes on fails too, the stream carries on from the
// first byte inside the failed frame where a frame would pass the checks
// (or, if there is none, from 12 bytes on after all). The frame 12 bytes on
// wins whenever it passes, so a dropped frame in a clean stream costs
// nothing else. Deciding needs the header of the frame 12 bytes on; until
// it has arrived, the bytes wait in pending().
class FrameDecoder
{
public:
    // Applies every complete frame that passes its checks, in order. A
    // frame holding a value its parameter cannot hold (outside a spin box's
    // range, an item a combo box lacks) is refused whole: nothing of it is
    // applied and its type does not count as received. For 0xA5 the channel is comboBox_2's index, read once per
    // frame. Returns the paramTable() indexes of the parameters set, in the
    // order they were set; refused values are not listed.
    QList<int> feed(QByteArrayView chunk, ParamSet &params);

    // Forgets the bytes waiting for the rest of their frame.
    void reset();

    // The bytes received but not yet taken as a frame. On a clean stream
    // that is the start of the frame being collected, 0 to 11 bytes; after a
    // failed frame it also holds the failed frame's last 11 bytes, which
    // may yet start the next one.
    QByteArray pending() const { return m_pending; }
    int pendingCount() const { return int(m_pending.size()); }

    // Complete frames taken from the stream, passing their checks or not;
    // stays at 500 once it gets there.
    int frameCount() const { return m_frameCount; }

    // How many of the frame types have passed their checks since the
    // decoder was made or reset(); FrameTypeCount once a READ is answered.
    int typesSeen() const { return int(m_typesSeen.count()); }

    // The types of the frames the last feed() applied, in order.
    const QList<quint8> &lastTypes() const { return m_lastTypes; }
    // Why the last feed() refused frames: one fault per value out of range.
    const QList<RangeFault> &lastRefused() const { return m_lastRefused; }

    // Every channel's D/R rates as the last 0xA5 frame applied carried
    // them: what the transmitter holds
    // beside the one pair the editor shows.
    const DrRates &rates() const { return m_rates; }

private:
    std::bitset<FrameTypeCount> m_typesSeen;
    QByteArray m_pending;
    QList<quint8> m_lastTypes;
    QList<RangeFault> m_lastRefused;
    DrRates m_rates;
    bool m_afterFailed = false;  // m_pending starts at byte 1 of a failed frame
    int m_frameCount = 0;
};

}  // namespace j3k
