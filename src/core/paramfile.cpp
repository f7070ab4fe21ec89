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

}  // namespace j3k
