// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "paramset.h"
#include "rangecheck.h"

#include <QList>
#include <QString>
#include <QStringView>

namespace j3k {

// The two text records that UPDATE sends and SAVE writes: 81 ASCII
// characters each, every value at a fixed position, no separators.
enum class RecordId { S, G };

inline constexpr int RecordLength = 81;

// The record for `params`. Always exactly RecordLength upper-case
// characters: a value that has no encoding of the field's width is clamped
// into the field rather than allowed to move the fields after it.
QString buildRecord(RecordId id, const ParamSet &params);

// The values the record carries, in ascending field position, exactly as
// they decode: nothing is clamped, so checkRanges() sees what the text
// holds. A field that is not a hex number, or is cut off by a short text,
// decodes from 0 (and so usually out of range).
RawValues decodeRecord(RecordId id, QStringView record);

// Sets every parameter the record carries, in ascending field position,
// through ParamSet::set (so spin values clamp and a combo index off its list
// is refused). Nothing of the record is checked: a field that is not a hex
// number, or is cut off by a short text, decodes from 0 and lands on the
// parameter's limit. Callers that would rather refuse such a text ask
// isWellFormedRecord() first. Returns the paramTable() indexes of the
// parameters set, in field order; refused values are not listed.
QList<int> applyRecord(RecordId id, QStringView record, ParamSet &params);

// Whether `text` looks like a record of that kind at all: the length, the
// first and last letters, and hex digits (either case) in every field.
bool isWellFormedRecord(RecordId id, QStringView text);

}  // namespace j3k
