// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QSerialPortInfo;

// What the system knows of the adapter behind a port, one fact a line:
// description, maker, USB vendor:product and serial number, where known.
QString portToolTip(const QSerialPortInfo &info);
