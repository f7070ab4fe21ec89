// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "paramdiff.h"
#include "paramset.h"
#include "rangecheck.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// Parameter sets as JSON, for people who keep their settings in version
// control and scripts:
//   {"format": "j3k-parameters", "version": 1,
//    "parameters": {"reverse_ch1": 0, ..., "tx_alarm": 11.1, ..., "d_r_mix": "OFF"}}
// Keys are paramKey(), values what valueText() shows: combo boxes their
// item text, TX-ALARM a decimal number, everything else an integer.
namespace j3k {

// The parameters a parameter file carries: all but VERSION, which only the
// transmitter reports (in its READ answer) and nothing can write.
ParamMask fileParams();

// Why `key` names no parameter a file carries, for a message that starts
// with it, naming the nearest key where one is near; empty when it names one.
QString refusedKey(const QString &key);

// The export of `params`, in the window's order rather than sorted, so
// neighbouring settings stay neighbours in a diff.
QByteArray paramsToJson(const ParamSet &params, const ParamMask &which = fileParams());

struct JsonParams {
    ParamSet params;           // start values for every key not given
    QStringList missing;       // keys of fileParams() the text did not give, refused or not
    QString error;             // why the text was refused; names the line or the keys, one line each
    QList<RangeFault> faults;  // values outside their parameters' ranges; any refuses the text
    bool ok() const { return error.isEmpty() && faults.isEmpty(); }
};

// Whether a file's bytes are meant as an export rather than a parameter
// file; a UTF-8 byte-order mark may come first.
bool looksLikeJson(const QByteArray &bytes);

// An export read back, a UTF-8 byte-order mark allowed before it. Every key
// must be one of fileParams(), given once, and every value one the
// parameter can hold exactly (no clamping, no rounding); any that is not
// refuses the whole text, and every such key and value is named.
JsonParams paramsFromJson(const QByteArray &json);

}  // namespace j3k
