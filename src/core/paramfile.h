// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "paramset.h"
#include "rangecheck.h"
#include "records.h"

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <optional>

namespace j3k {

// A parameter file is the S record followed by the G record: 162 ASCII
// characters with nothing between or after them.
inline constexpr int ParamFileLength = 2 * RecordLength;

struct ParamFileRecords {
    QString s;
    QString g;
};

// The bytes SAVE writes for `params`.
QByteArray paramFileBytes(const ParamSet &params);

// The two records of a file's text, or nothing when the text is not a
// parameter file. Files edited by hand often gained a line break between the
// records, so one LF or CR LF is allowed there; whatever follows the G
// record is ignored. Everything else must be a well-formed S record followed
// by a well-formed G record, so a damaged file never reaches the editor.
std::optional<ParamFileRecords> splitParamFile(QStringView text);

// A parameter file's text as LOAD, a dropped file, a backup, a comparison
// and j3kctl all read it.
struct FileParams {
    ParamSet params;           // the file's values laid over the base; whole only when ok()
    bool isParamFile = false;  // false: the text is no parameter file at all
    QList<RangeFault> faults;  // values outside their ranges; any of them refuses the file
    bool ok() const { return isParamFile && faults.isEmpty(); }
};

// The parameters of a parameter file's text laid over `base` (the records
// carry every parameter but VERSION). A file that is not one, or that holds
// any value its parameter cannot take, gives `base` unchanged with the
// reason, so nothing of it reaches the editor.
FileParams paramsFromFileText(QStringView text, const ParamSet &base = ParamSet());

}  // namespace j3k
