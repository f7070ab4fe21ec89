// SPDX-License-Identifier: GPL-3.0-or-later
// Whatever a file holds, LOAD either refuses it and changes nothing, or
// hands on values every one of which its parameter can hold, and they save
// back to a file that loads the same.
#include "paramfile.h"

#include <cstdint>
#include <cstdlib>

using namespace j3k;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const FileParams read = paramsFromFileText(text);
    bool sound = read.ok() || read.params == ParamSet();
    if (read.ok()) {
        const FileParams again = paramsFromFileText(QString::fromLatin1(paramFileBytes(read.params)));
        sound = splitParamFile(text).has_value() && again.ok() && again.params == read.params;
    }
    if (!sound)
        std::abort();  // libFuzzer keeps the input
    return 0;
}
