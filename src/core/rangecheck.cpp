// SPDX-License-Identifier: GPL-3.0-or-later
#include "rangecheck.h"

#include "paramtext.h"

#include <QCoreApplication>

namespace j3k {

namespace {

const int drChannelIndex = paramIndex(u"comboBox_2");

// Four channels share the D/R rates' two boxes, so a rate's label alone
// does not say which of them is wrong.
QString faultLabel(int index, int drChannel)
{
    static const int up = paramIndex(u"spinBox_79"), down = paramIndex(u"spinBox_80");
    const QString channel = paramItems(drChannelIndex).value(drChannel);
    return (index == up || index == down) && !channel.isEmpty() ? paramLabel(index) + u' ' + channel
                                                                : paramLabel(index);
}

QString faultMessage(int index, int value, int drChannel)
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
        .arg(faultLabel(index, drChannel), valueText(index, value), valueText(index, p.min), valueText(index, p.max));
}

}  // namespace

QList<RangeFault> checkRanges(const RawValues &values, const ParamSet &base)
{
    int drChannel = base.value(drChannelIndex);
    for (const RawValue &v : values) {
        if (v.index == drChannelIndex)
            drChannel = v.value;
    }
    QList<RangeFault> faults;
    for (const RawValue &v : values) {
        if (v.index < 0 || std::size_t(v.index) >= ParamCount)
            continue;  // not a parameter at all: the decoders never make one
        const ParamInfo &p = paramTable()[std::size_t(v.index)];
        if (v.value < p.min || v.value > p.max)
            faults.append({v.index, v.value, faultMessage(v.index, v.value, v.channel >= 0 ? v.channel : drChannel)});
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
