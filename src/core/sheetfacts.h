// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "frames.h"
#include "paramset.h"
#include "transmitterstate.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

namespace j3k {

// Everything a setup sheet shows: the values, where they came from, and
// what the transmitter holds where the editor knows it.
struct SheetFacts {
    ParamSet values;
    std::optional<DrRates> rates;  // every D/R channel's, once a READ brought them
    bool versionRead = false;      // VERSION came from the transmitter, so it means something
    QString file;                  // the file the values came from, or empty
    QDateTime readAt;              // when a READ brought them, or invalid
    // After a READ: the window's mark of each value (by paramTable() index)
    // and what the transmitter holds. No marks: nothing is known of it.
    QList<TransmitterState::Mark> marks;
    ParamSet held;
};

// What j3kctl knows of a sheet (values, rates, VERSION, file, time of the
// READ), as the JSON it hands to the program that draws it; no marks.
QByteArray sheetFactsToJson(const SheetFacts &facts);
// Nothing unless the text is such JSON with every value in its range.
std::optional<SheetFacts> sheetFactsFromJson(const QByteArray &json);

}  // namespace j3k
