// SPDX-License-Identifier: GPL-3.0-or-later
// Whatever an export holds, the import either refuses it and gives nothing
// but start values, or gives values that export and import back unchanged.
#include "paramjson.h"

#include <cstdint>
#include <cstdlib>

using namespace j3k;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const JsonParams read = paramsFromJson(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    bool sound = read.ok() || read.params == ParamSet();
    if (read.ok()) {
        const JsonParams again = paramsFromJson(paramsToJson(read.params));
        sound = again.ok() && again.missing.isEmpty() && again.params == read.params;
    }
    if (!sound)
        std::abort();  // libFuzzer keeps the input
    return 0;
}
