// SPDX-License-Identifier: GPL-3.0-or-later
#include "paramdiff.h"

namespace j3k {

QList<ParamChange> compareParams(const ParamSet &a, const ParamSet &b, const ParamMask &which)
{
    QList<ParamChange> changes;
    for (int i = 0; i < int(ParamCount); ++i) {
        if (which.test(std::size_t(i)) && a.value(i) != b.value(i))
            changes.append({i, a.value(i), b.value(i)});
    }
    return changes;
}

}  // namespace j3k
