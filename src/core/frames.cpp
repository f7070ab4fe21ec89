// SPDX-License-Identifier: GPL-3.0-or-later
#include "frames.h"

#include "rangecheck.h"

#include <algorithm>

namespace j3k {

namespace {

// How a data byte and its parameter's value relate, named by what receiving
// does to the byte.
enum class Xform : quint8 {
    Unused,    // ignored on receipt, 0 when sent
    Plain,     // byte = value
    Minus120,  // byte = value + 120
    Minus100,  // byte = value + 100
    Tenths,    // byte = the alarm's tenths
    Version,   // this byte and the next: 16 bits, high byte first
    Combo,     // byte = the combo's index
    DrUp,      // up rate of D/R channel (byte position % 4)
    DrDown,    // down rate of D/R channel (byte position % 4)
};

struct DataByte {
    Xform xform;
    const char *param;
};

struct FrameLayout {
    quint8 type;
    const char *group;             // the parameters it carries, as the window names them
    std::array<DataByte, 8> data;  // frame bytes 4..11
};

constexpr DataByte none{Xform::Unused, nullptr};
constexpr DataByte plain(const char *p) { return {Xform::Plain, p}; }
constexpr DataByte m120(const char *p) { return {Xform::Minus120, p}; }
constexpr DataByte m100(const char *p) { return {Xform::Minus100, p}; }
constexpr DataByte combo(const char *p) { return {Xform::Combo, p}; }
constexpr DataByte drUp{Xform::DrUp, "spinBox_79"};
constexpr DataByte drDown{Xform::DrDown, "spinBox_80"};

// The one table of every frame type; the encoder and the decoder both
// read it, so they cannot disagree about a byte.
// clang-format off
constexpr std::array<FrameLayout, FrameTypeCount> kFrames{{
    {0x44, "REVERSE", {plain("spinBox"), plain("spinBox_2"), plain("spinBox_3"), plain("spinBox_4"),
            plain("spinBox_5"), plain("spinBox_6"), plain("spinBox_7"), plain("spinBox_8")}},
    {0x55, "SUB-TRIM", {m120("spinBox_9"), m120("spinBox_10"), m120("spinBox_11"), m120("spinBox_12"),
            m120("spinBox_13"), m120("spinBox_14"), m120("spinBox_15"), m120("spinBox_16")}},
    {0x66, "END POINT L", {plain("spinBox_17"), plain("spinBox_18"), plain("spinBox_19"), plain("spinBox_20"),
            plain("spinBox_21"), plain("spinBox_22"), plain("spinBox_23"), plain("spinBox_24")}},
    {0x77, "END POINT R", {plain("spinBox_25"), plain("spinBox_26"), plain("spinBox_27"), plain("spinBox_28"),
            plain("spinBox_29"), plain("spinBox_30"), plain("spinBox_31"), plain("spinBox_32")}},
    {0x88, "FAIL SAFE", {plain("spinBox_33"), plain("spinBox_34"), plain("spinBox_35"), plain("spinBox_36"),
            plain("spinBox_37"), plain("spinBox_38"), plain("spinBox_39"), plain("spinBox_40")}},
    {0xAA, "AUX-CH", {plain("spinBox_41"), plain("spinBox_42"), plain("spinBox_43"), plain("spinBox_44"),
            none, none, none, none}},
    {0x99, "TX-ALARM, STK-MODE, VERSION", {none, {Xform::Tenths, "doubleSpinBox"}, none, plain("spinBox_45"),
            {Xform::Version, "spinBox_46"}, none /* version, low byte */, none, none}},
    {0xA1, "ATTITUDE", {combo("comboBox_4"), plain("spinBox_81"), plain("spinBox_82"), plain("spinBox_83"),
            plain("spinBox_84"), plain("spinBox_85"), plain("spinBox_86"), none}},
    {0xA2, "ELEVON", {combo("comboBox_5"), m120("spinBox_87"), m120("spinBox_88"), m120("spinBox_89"),
            m120("spinBox_90"), m120("spinBox_91"), m120("spinBox_92"), none}},
    {0xA3, "V-TAIL, D/R MIX", {combo("comboBox_6"), m100("spinBox_93"), m100("spinBox_94"), m100("spinBox_95"),
            m100("spinBox_96"), combo("comboBox"), none, none}},
    {0xA4, "DELAY", {plain("spinBox_71"), plain("spinBox_72"), plain("spinBox_73"), plain("spinBox_74"),
            plain("spinBox_75"), plain("spinBox_76"), plain("spinBox_77"), plain("spinBox_78")}},
    {0xA5, "D/R rates", {drUp, drUp, drUp, drUp, drDown, drDown, drDown, drDown}},
    {0xA6, "PROG.MIX values", {m100("spinBox_98"), m100("spinBox_101"), m100("spinBox_99"), m100("spinBox_102"),
            m100("spinBox_97"), m100("spinBox_100"), combo("comboBox_11"), combo("comboBox_9")}},
    {0xA7, "PROG.MIX SLA, MIX", {combo("comboBox_12"), combo("comboBox_10"), combo("comboBox_7"), combo("comboBox_8"),
            none, none, none, none}},
}};
// clang-format on

constexpr bool tableIsSound()
{
    for (const FrameLayout &f : kFrames) {
        for (std::size_t k = 0; k < f.data.size(); ++k) {
            const bool named = f.data[k].param != nullptr;
            if (named != (f.data[k].xform != Xform::Unused))
                return false;
            // The version's low byte needs a free byte after it.
            if (f.data[k].xform == Xform::Version && (k + 1 == f.data.size() || f.data[k + 1].param))
                return false;
        }
    }
    return true;
}
static_assert(tableIsSound(), "every used data byte names its parameter and only those do");
static_assert(kFrames.size() == FrameTypeCount);

using Indexes = std::array<std::array<int, 8>, kFrames.size()>;

const Indexes &paramIndexes()
{
    static const Indexes indexes = [] {
        Indexes out{};
        for (std::size_t f = 0; f < kFrames.size(); ++f) {
            for (std::size_t k = 0; k < 8; ++k) {
                const char *name = kFrames[f].data[k].param;
                out[f][k] = name ? paramIndex(QString::fromLatin1(name)) : -1;
                Q_ASSERT_X(!name || out[f][k] >= 0, "frames", name);
            }
        }
        return out;
    }();
    return indexes;
}

int layoutIndex(quint8 type)
{
    for (std::size_t f = 0; f < kFrames.size(); ++f) {
        if (kFrames[f].type == type)
            return int(f);
    }
    return -1;
}

// The layout for the frame starting at `p` if its header passes the checks,
// else -1. Reads bytes 1 to 3 only.
int checkedLayout(const char *p)
{
    if (uchar(p[1]) != 0xFE || uchar(p[2]) != FrameLength)
        return -1;
    return layoutIndex(uchar(p[3]));
}

// What the transmitter adds to a value to make it fit a byte.
constexpr int bias(Xform x) { return x == Xform::Minus120 ? 120 : x == Xform::Minus100 ? 100 : 0; }

// Every value a frame carries, as the transmitter sent it: the D/R rates of
// all four channels too, each under the editor's rate parameter.
RawValues frameValues(int f, const char *frame)
{
    const auto byteAt = [frame](std::size_t k) { return int(uchar(frame[4 + k])); };
    RawValues values;
    values.reserve(8);  // a stream of frames makes thousands of these a second
    for (std::size_t k = 0; k < 8; ++k) {
        const Xform x = kFrames[std::size_t(f)].data[k].xform;
        if (x == Xform::Unused)
            continue;
        const int value = x == Xform::Version ? byteAt(k) * 256 + byteAt(k + 1) : byteAt(k) - bias(x);
        const bool rate = x == Xform::DrUp || x == Xform::DrDown;
        values.append({paramIndexes()[std::size_t(f)][k], value, rate ? int(k % 4) : -1});
    }
    return values;
}

// Applies a frame whose values all passed the range check. Of the D/R
// rates only the pair of the editor's channel is shown.
void applyFrame(int f, const RawValues &values, ParamSet &params, QList<int> &set)
{
    static const int drChannelIndex = paramIndex(u"comboBox_2");
    const bool rates = kFrames[std::size_t(f)].data[0].xform == Xform::DrUp;
    const int drChannel = params.value(drChannelIndex);
    RawValues shown;
    shown.reserve(values.size());
    for (qsizetype k = 0; k < values.size(); ++k) {
        if (!rates || int(k % 4) == drChannel)
            shown.append(values[k]);
    }
    set.append(applyRawValues(shown, params));
}

DrRates ratesOf(const RawValues &values)
{
    DrRates rates;
    for (std::size_t ch = 0; ch < rates.up.size(); ++ch) {
        rates.up[ch] = values[qsizetype(ch)].value;
        rates.down[ch] = values[qsizetype(ch + 4)].value;
    }
    return rates;
}

}  // namespace

QByteArray encodeFrame(quint8 type, const ParamSet &params, const DrRates &rates)
{
    const int f = layoutIndex(type);
    if (f < 0)
        return {};
    QByteArray frame(FrameLength, '\0');
    frame[1] = char(0xFE);
    frame[2] = char(FrameLength);
    frame[3] = char(type);
    const auto put = [&frame](std::size_t k, int byte) { frame[4 + k] = char(std::clamp(byte, 0, 255)); };
    for (std::size_t k = 0; k < 8; ++k) {
        const int index = paramIndexes()[std::size_t(f)][k];
        const int value = index >= 0 ? params.value(index) : 0;
        switch (const Xform x = kFrames[std::size_t(f)].data[k].xform) {
        case Xform::Unused:
            break;
        case Xform::Version: {
            const int version = std::clamp(value, 0, 0xFFFF);
            put(k, version >> 8);
            put(k + 1, version & 0xFF);
            break;
        }
        case Xform::DrUp:
            put(k, rates.up[k % 4]);
            break;
        case Xform::DrDown:
            put(k, rates.down[k % 4]);
            break;
        default:
            put(k, value + bias(x));
            break;
        }
    }
    return frame;
}

QString frameGroup(quint8 type)
{
    const int f = layoutIndex(type);
    return f < 0 ? QString() : QString::fromLatin1(kFrames[std::size_t(f)].group);
}

QList<quint8> frameTypes()
{
    QList<quint8> types;
    for (const FrameLayout &f : kFrames)
        types << f.type;
    return types;
}

QByteArray encodeFrames(const ParamSet &params, const DrRates &rates)
{
    QByteArray out;
    for (const FrameLayout &f : kFrames)
        out += encodeFrame(f.type, params, rates);
    return out;
}

QList<int> FrameDecoder::feed(QByteArrayView chunk, ParamSet &params)
{
    QList<int> set;
    m_lastTypes.clear();
    m_lastRefused.clear();
    m_pending.append(chunk.data(), chunk.size());
    qsizetype start = 0;
    for (;;) {
        const char *p = m_pending.constData() + start;
        const qsizetype left = m_pending.size() - start;
        if (m_afterFailed) {
            // p is byte 1 of the failed frame, so the frame 12 bytes on
            // starts at p + 11; its header must be here before choosing.
            constexpr qsizetype boundary = FrameLength - 1;
            if (left < boundary + 4)
                break;
            qsizetype next = boundary;
            if (checkedLayout(p + boundary) < 0) {
                for (qsizetype i = 0; i < boundary; ++i) {
                    if (checkedLayout(p + i) >= 0) {
                        next = i;
                        break;
                    }
                }
            }
            start += next;
            m_afterFailed = false;
            continue;
        }
        if (left < FrameLength)
            break;
        m_frameCount = std::min(m_frameCount + 1, 500);
        const int f = checkedLayout(p);
        if (f >= 0) {
            // A value its parameter cannot hold is noise or another
            // transmitter's: the whole frame counts as not received.
            const RawValues values = frameValues(f, p);
            const QList<RangeFault> faults = checkRanges(values);
            if (faults.isEmpty()) {
                applyFrame(f, values, params, set);
                m_typesSeen.set(std::size_t(f));
                m_lastTypes.append(kFrames[std::size_t(f)].type);
                if (kFrames[std::size_t(f)].data[0].xform == Xform::DrUp)
                    m_rates = ratesOf(values);
            } else {
                m_lastRefused.append(faults);
            }
            start += FrameLength;
        } else {
            start += 1;
            m_afterFailed = true;
        }
    }
    m_pending.remove(0, start);
    return set;
}

void FrameDecoder::reset()
{
    m_pending.clear();
    m_afterFailed = false;
    m_typesSeen.reset();
}

}  // namespace j3k
