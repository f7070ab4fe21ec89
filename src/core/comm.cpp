// SPDX-License-Identifier: GPL-3.0-or-later
#include "comm.h"

#include <QStringList>

namespace BgComm {

QString ByteArrayToHexString(const QByteArray &ascii)
{
    QString out;
    out.reserve(ascii.size() * 3);
    for (const char c : ascii) {
        out += QStringLiteral("%1").arg(uchar(c), 2, 16, QLatin1Char('0'));
        out += QLatin1Char(' ');
    }
    return out.toUpper();
}

QByteArray HexStringToByteArray(const QString &hex, bool *ok)
{
    bool dummy = false;
    bool &good = ok ? *ok : dummy;
    const QStringList tokens = hex.simplified().split(QLatin1Char(' '));
    QByteArray out(tokens.size(), '\0');
    for (qsizetype i = 0; i < tokens.size(); ++i) {
        // toInt also takes a sign and a 0x prefix; a negative token keeps its
        // low eight bits, which dumps written by hand have relied on.
        const int value = tokens.at(i).toInt(&good, 16);
        if (!good || value > 255) {
            good = false;
            return {};
        }
        out[i] = char(value & 0xFF);
    }
    good = true;
    return out;
}

}  // namespace BgComm
