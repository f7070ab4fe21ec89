#pragma once
// Any in-range parameter set, drawing the range ends often: that is where an
// offset or a field width goes wrong.

#include "paramset.h"

#include <QRandomGenerator>

inline j3k::ParamSet randomParams(QRandomGenerator &rng)
{
    j3k::ParamSet p;
    for (int i = 0; i < int(j3k::ParamCount); ++i) {
        const j3k::ParamInfo &info = j3k::paramTable()[std::size_t(i)];
        const int pick = rng.bounded(6);
        p.set(i, pick == 0 ? info.min : pick == 1 ? info.max : rng.bounded(info.min, info.max + 1));
    }
    return p;
}
