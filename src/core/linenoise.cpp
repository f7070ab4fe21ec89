// SPDX-License-Identifier: GPL-3.0-or-later
#include "linenoise.h"

namespace j3k {

QByteArray LineNoise::pass(QByteArrayView bytes)
{
    QByteArray out;
    out.reserve(bytes.size() + 8);
    for (const char byte : bytes) {
        if (m_rng.generateDouble() >= m_rate) {
            out += byte;
            continue;
        }
        switch (m_rng.bounded(3)) {
        case 0:
            break;  // lost
        case 1:
            out += byte;
            out += byte;
            break;
        default:
            out += char(uchar(byte) ^ uchar(1 + m_rng.bounded(255)));  // never the same value
            break;
        }
    }
    return out;
}

}  // namespace j3k
