// SPDX-License-Identifier: GPL-3.0-or-later
#include "virtualtransmitter.h"

#include "paramtext.h"
#include "rangecheck.h"
#include "records.h"

#include <QString>

#include <algorithm>

namespace j3k {

namespace {

const QByteArray kLink = QByteArrayLiteral("OK");
const QByteArray kUnlink = QByteArrayLiteral("DIS");
const QByteArray kRead = QByteArrayLiteral("RRR");

bool isHexDigit(char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f'); }

// How a fixed word at the start of `text` stands: see messageLength().
qsizetype wordLength(QByteArrayView text, const QByteArray &word)
{
    const qsizetype n = std::min(text.size(), word.size());
    if (text.first(n) != QByteArrayView(word).first(n))
        return -1;
    return text.size() < word.size() ? 0 : word.size();
}

// A record is a letter, hex digits and a closing letter. Rejecting a
// non-hex byte as soon as it arrives keeps a stray 'S' or 'G' from
// swallowing the next 80 bytes, and the messages behind them.
qsizetype recordLength(QByteArrayView text, RecordId id, char last)
{
    const qsizetype n = std::min<qsizetype>(text.size(), RecordLength);
    for (qsizetype i = 1; i < n; ++i) {
        const bool fits = i == RecordLength - 1 ? text[i] == last : isHexDigit(text[i]);
        if (!fits)
            return -1;
    }
    if (n < RecordLength)
        return 0;
    return isWellFormedRecord(id, QString::fromLatin1(text.first(RecordLength))) ? RecordLength : -1;
}

}  // namespace

VirtualTransmitter::VirtualTransmitter()
{
    m_params.set(u"spinBox_46", 300);
    m_rates.up.fill(100);
    m_rates.down.fill(100);
}

qsizetype VirtualTransmitter::messageLength(QByteArrayView text)
{
    switch (text.front()) {
    case 'O':
        return wordLength(text, kLink);
    case 'D':
        return wordLength(text, kUnlink);
    case 'R':
        return wordLength(text, kRead);
    case 'S':
        return recordLength(text, RecordId::S, 'Y');
    case 'G':
        return recordLength(text, RecordId::G, 'Z');
    default:
        return -1;
    }
}

VirtualTransmitter::Reply VirtualTransmitter::feed(QByteArrayView chunk)
{
    Reply reply;
    m_pending.append(chunk.data(), chunk.size());
    QByteArray skipped;
    const auto reportSkipped = [&] {
        if (skipped.isEmpty())
            return;
        reply.log << QStringLiteral("skipped %1 unknown byte(s): %2")
                         .arg(skipped.size())
                         .arg(QString::fromLatin1(skipped.toHex(' ').toUpper()));
        skipped.clear();
    };
    qsizetype at = 0;
    while (at < m_pending.size()) {
        const QByteArrayView rest = QByteArrayView(m_pending).sliced(at);
        const qsizetype length = messageLength(rest);
        if (length == 0)
            break;  // the rest of it is still on its way
        if (length < 0) {
            skipped += rest.front();
            ++at;
            continue;
        }
        reportSkipped();
        handle(rest.first(length), reply);
        at += length;
    }
    reportSkipped();
    m_pending.remove(0, at);
    return reply;
}

void VirtualTransmitter::handle(QByteArrayView message, Reply &reply)
{
    if (message == kLink) {
        m_linked = true;
        reply.log << QStringLiteral("OK: linked");
    } else if (message == kUnlink) {
        m_linked = false;
        reply.log << QStringLiteral("DIS: unlinked");
    } else if (message == kRead) {
        const QByteArray frames = encodeFrames(m_params, m_rates);
        reply.bytes += frames;
        reply.log << QStringLiteral("RRR: answered with %1 frames, %2 bytes")
                         .arg(frames.size() / FrameLength)
                         .arg(frames.size());
    } else {
        reply.log << storeRecord(message);
    }
}

// Stores a well-formed record and says what it changed. The G record holds
// one D/R pair, that of the channel it names; the other channels keep theirs.
QString VirtualTransmitter::storeRecord(QByteArrayView record)
{
    const bool isS = record.front() == 'S';
    const RawValues values = decodeRecord(isS ? RecordId::S : RecordId::G, QString::fromLatin1(record));
    // A transmitter keeps nothing of a record with a value it cannot hold.
    if (const QList<RangeFault> faults = checkRanges(values); !faults.isEmpty())
        return QStringLiteral("%1 record refused: %2")
            .arg(QLatin1Char(isS ? 'S' : 'G'))
            .arg(faultMessages(faults).join(QStringLiteral(", ")));
    const ParamSet before = m_params;
    const DrRates ratesBefore = m_rates;
    applyRawValues(values, m_params);
    for (const int i : m_kept)
        m_params.set(i, before.value(i));

    static const int drChannel = paramIndex(u"comboBox_2");
    static const int drUp = paramIndex(u"spinBox_79");
    static const int drDown = paramIndex(u"spinBox_80");
    if (!isS) {
        const auto ch = std::size_t(m_params.value(drChannel));
        m_rates.up[ch] = m_params.value(drUp);
        m_rates.down[ch] = m_params.value(drDown);
    }

    QStringList changes;
    for (int i = 0; i < int(ParamCount); ++i) {
        if (i == drUp || i == drDown || before.value(i) == m_params.value(i))
            continue;  // the pair is told per channel below
        changes << QStringLiteral("%1 %2 -> %3")
                       .arg(paramLabel(i), valueText(i, before.value(i)), valueText(i, m_params.value(i)));
    }
    for (std::size_t ch = 0; ch < m_rates.up.size(); ++ch) {
        if (ratesBefore.up[ch] != m_rates.up[ch] || ratesBefore.down[ch] != m_rates.down[ch]) {
            changes << QStringLiteral("D/R CH%1 up %2 -> %3, down %4 -> %5")
                           .arg(ch + 1)
                           .arg(ratesBefore.up[ch])
                           .arg(m_rates.up[ch])
                           .arg(ratesBefore.down[ch])
                           .arg(m_rates.down[ch]);
        }
    }
    return QStringLiteral("%1 record: %2")
        .arg(QLatin1Char(isS ? 'S' : 'G'))
        .arg(changes.isEmpty() ? QStringLiteral("no change") : changes.join(QStringLiteral(", ")));
}

}  // namespace j3k
