// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace j3k {

// The longest port text worth asking the system about: no path is longer.
inline constexpr int MaxPortTextLength = 4096;

// The names the port list offers. With Windows naming only COM-style ports
// are worth offering (printers and modems share the enumeration there);
// elsewhere every port the system reports is a candidate.
QStringList listedPortNames(const QStringList &systemNames, bool windowsNaming);

// The Windows device for a port text: COM1..COM9 open as themselves, higher
// numbers need the device-namespace prefix (\\.\COM10). Empty when the text
// after its first three characters is not a decimal number.
std::optional<QString> windowsDeviceName(const QString &portText);

// The port that came with an adapter plugged in between two looks at the
// system's ports: the first one in `now` that `before` did not have; empty
// when none came.
QString pluggedInPort(const QStringList &before, const QStringList &now);

}  // namespace j3k
