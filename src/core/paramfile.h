// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "paramset.h"
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

}  // namespace j3k
