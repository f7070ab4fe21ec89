// SPDX-License-Identifier: GPL-3.0-or-later
#include "rangecheck.h"

#include "paramtext.h"

#include <QCoreApplication>

namespace j3k {

namespace {

QString faultMessage(int index, int value)
{
    const ParamInfo &p = paramTable()[std::size_t(index)];
    if (p.kind == ParamKind::Combo) {
        return QCoreApplication::translate("j3k::RangeCheck", "%1: item %2 is outside %3…%4 (%5)")
            .arg(paramLabel(index))
            .arg(value)
            .arg(p.min)
            .arg(p.max)
            .arg(allowedValues(index));
    }
    return QCoreApplication::translate("j3k::RangeCheck", "%1: %2 is outside %3…%4")
        .arg(paramLabel(index), valueText(index, value), valueText(index, p.min), valueText(index, p.max));
}

}  // namespace

QList<RangeFault> checkRanges(const RawValues &values)
{
    QList<RangeFault> faults;
    for (const RawValue &v : values) {
        if (v.index < 0 || std::size_t(v.index) >= ParamCount)
            continue;  // not a parameter at all: the decoders never make one
        const ParamInfo &p = paramTable()[std::size_t(v.index)];
        if (v.value < p.min || v.value > p.max)
            faults.append({v.index, v.value, faultMessage(v.index, v.value)});
    }
    return faults;
}

QStringList faultMessages(const QList<RangeFault> &faults)
{
    QStringList lines;
    for (const RangeFault &f : faults)
        lines << f.message;
    return lines;
}

QList<int> applyRawValues(const RawValues &values, ParamSet &params)
{
    QList<int> set;
    for (const RawValue &v : values) {
        if (params.set(v.index, v.value))
            set << v.index;
    }
    return set;
}

}  // namespace j3k
