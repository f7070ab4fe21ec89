// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "frames.h"
#include "paramdiff.h"
#include "paramset.h"

#include <QList>
#include <QMap>
#include <QMetaType>
#include <QString>
#include <QStringList>

namespace j3k {

// What frames brought: the values of the parameters in `set` (the rest of
// `params` is the base they were applied to), every channel's D/R rates,
// the frame types that passed their checks, and the values of refused
// frames, one fault a line.
struct FrameValues {
    ParamSet params;
    QList<int> set;
    QList<quint8> types;
    DrRates rates;
    bool hasRates = false;  // a D/R frame was among them
    QStringList refused;
};

// What a READ came to: the groups two of its answers agreed on, taken
// together.
struct ReadAnswer {
    FrameValues frames;
    int typesSeen = 0;  // groups agreed on and within range
    // Groups that came in two answers or more, no two of them alike: values
    // a noisy line changed, so none of them is taken. Each with how many
    // answers brought it: a third answer may never come.
    QMap<quint8, int> disagreed;
    QString error;  // the line failed: READ did not go out, or went away
    bool complete() const { return error.isEmpty() && typesSeen == FrameTypeCount; }
};

}  // namespace j3k

Q_DECLARE_METATYPE(j3k::ReadAnswer)
Q_DECLARE_METATYPE(j3k::FrameValues)
