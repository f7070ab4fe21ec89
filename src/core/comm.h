// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// Hex dumps as the editor shows and reads them: "5A A5 01 ".
namespace BgComm {

// Two upper-case hex digits and a space per byte; empty bytes give "".
QString ByteArrayToHexString(const QByteArray &ascii);

// Reads white-space separated hex tokens, one byte each. On any bad token
// (not hex, above FF, or no token at all) *ok is false and the result is
// empty: a dump is never half converted.
QByteArray HexStringToByteArray(const QString &hex, bool *ok);

}  // namespace BgComm
