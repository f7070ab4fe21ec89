// SPDX-License-Identifier: GPL-3.0-or-later
#include "paramfile.h"

namespace j3k {

QByteArray paramFileBytes(const ParamSet &params)
{
    return (buildRecord(RecordId::S, params) + buildRecord(RecordId::G, params)).toLatin1();
}

std::optional<ParamFileRecords> splitParamFile(QStringView text)
{
    const QStringView s = text.first(qMin<qsizetype>(RecordLength, text.size()));
    QStringView rest = text.sliced(s.size());
    if (rest.startsWith(u"\r\n"))
        rest = rest.sliced(2);
    else if (rest.startsWith(u'\n'))
        rest = rest.sliced(1);
    const QStringView g = rest.first(qMin<qsizetype>(RecordLength, rest.size()));
    if (!isWellFormedRecord(RecordId::S, s) || !isWellFormedRecord(RecordId::G, g))
        return std::nullopt;
    return ParamFileRecords{s.toString(), g.toString()};
}

FileParams paramsFromFileText(QStringView text, const ParamSet &base)
{
    FileParams out{base, false, {}};
    const std::optional<ParamFileRecords> records = splitParamFile(text);
    if (!records)
        return out;
    out.isParamFile = true;
    const RawValues values = decodeRecord(RecordId::S, records->s) + decodeRecord(RecordId::G, records->g);
    out.faults = checkRanges(values);
    if (out.faults.isEmpty())
        applyRawValues(values, out.params);
    return out;
}

}  // namespace j3k
