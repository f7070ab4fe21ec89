// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "paramset.h"

#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

// Parameters and their values as people read and type them: in the window,
// in the review of changes and on the command line alike.
namespace j3k {

// "SUB-TRIM CH3", "TX-ALARM (V)".
QString paramLabel(int index);

// The label as a shell can type it unquoted, without the unit:
// "sub_trim_ch3", "tx_alarm".
QString paramKey(int index);

// Index of the parameter with that key, or -1.
int paramIndexOfKey(QStringView key);

// A combo box's item texts; empty for other kinds.
QStringList paramItems(int index);

// The value as the window shows it: a number, the alarm in volts with one
// decimal ("11.1"), a combo box's item text ("CH5").
QString valueText(int index, int value);

// What valueText() gives, read back: nothing unless the text names a value
// of the parameter's kind exactly (a whole number, volts in tenths, one of
// the item texts in any case; no rounding). Numbers may have a sign, + or -,
// and leading zeros, whichever parameter they are for. The range is left to
// checkRanges(), so a value too large is named as such.
std::optional<int> parseValueText(int index, QStringView text);

// Why parseValueText() refuses `text`, for a message: "expected -100..100",
// or for volts between two tenths "TX-ALARM takes one decimal (10.8 or 10.9)".
QString refusedValueText(int index, QStringView text);

// The values a parameter accepts, for messages: "-100..100", "0.0..23.9",
// "OFF, OPEN".
QString allowedValues(int index);

}  // namespace j3k
