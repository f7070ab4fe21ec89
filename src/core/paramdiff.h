// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "paramset.h"

#include <QList>

#include <bitset>

namespace j3k {

// A choice of parameters by paramTable() index, such as the ones the
// transmitter has reported so far.
using ParamMask = std::bitset<ParamCount>;

inline ParamMask allParams() { return ParamMask().set(); }

struct ParamChange {
    int index;  // into paramTable()
    int a;      // the value in the first set
    int b;      // the value in the second set
};

// The parameters among `which` whose values differ between `a` and `b`, in
// table order. The marks in the window, the review of changes and the
// command line's diff all come from this one comparison.
QList<ParamChange> compareParams(const ParamSet &a, const ParamSet &b, const ParamMask &which = allParams());

}  // namespace j3k
