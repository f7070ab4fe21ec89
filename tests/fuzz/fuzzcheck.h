#pragma once

// What every fuzz target asserts with: abort, so libFuzzer keeps the input.
#include "paramset.h"

#include <cstdlib>

inline void check(bool ok)
{
    if (!ok)
        std::abort();
}

inline void checkInRange(const j3k::ParamSet &p)
{
    for (std::size_t i = 0; i < j3k::ParamCount; ++i) {
        const j3k::ParamInfo &info = j3k::paramTable()[i];
        check(p.value(int(i)) >= info.min && p.value(int(i)) <= info.max);
    }
}
