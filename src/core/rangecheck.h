// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "paramset.h"

#include <QList>
#include <QString>
#include <QStringList>

// Values from outside (a parameter file, a JSON export, a frame) are checked
// before any of them reaches a parameter set. ParamSet::set() clamps as a
// widget would, which is right for a value typed into the window and wrong
// for one read from elsewhere: a file holding SUB-TRIM 135 is damaged or
// from another program, and loading it as 100 hides that.
namespace j3k {

// One parameter's value as it was found, before anything clamped it.
struct RawValue {
    int index;         // into paramTable()
    int value;         // a spin box's value, the alarm in tenths, a combo box's item number
    int channel = -1;  // a D/R rate's channel (0 is CH1) where the source names it, as a frame does
};
using RawValues = QList<RawValue>;

struct RangeFault {
    int index;
    int value;
    QString message;  // "SUB-TRIM CH1: 135 is outside -100…100", translated
};

// Every value of `values` that its parameter cannot hold: outside a spin
// box's or the alarm's minimum and maximum, or an item number the combo box
// does not have. One fault per value, in the order given; empty when all are
// acceptable. `values` may be a whole set or any part of one (the group a
// frame carries), so every source of values shares this one decision.
// A D/R rate's message names its channel: the one the rate came with, else
// the D/R CH among `values`, else that of `base`, the set they are laid over.
QList<RangeFault> checkRanges(const RawValues &values, const ParamSet &base = ParamSet());

// The faults' messages, one per line, for a message box or stderr.
QStringList faultMessages(const QList<RangeFault> &faults);

// Sets `values` into `params` in order. Meant for values checkRanges() has
// passed; any other still goes through ParamSet::set(). Returns the indexes
// set, in order.
QList<int> applyRawValues(const RawValues &values, ParamSet &params);

}  // namespace j3k
