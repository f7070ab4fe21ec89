// SPDX-License-Identifier: GPL-3.0-or-later
// Whatever a file holds, LOAD either refuses it or hands on two well-formed
// records, whose values save back to a file that loads the same.
#include "backups.h"
#include "paramfile.h"

#include <cstdint>
#include <cstdlib>

using namespace j3k;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const std::optional<ParamFileRecords> records = splitParamFile(text);
    if (!records)
        return 0;
    const std::optional<ParamSet> params = paramsFromFileText(text);
    const bool sound = isWellFormedRecord(RecordId::S, records->s) && isWellFormedRecord(RecordId::G, records->g)
                       && params && paramsFromFileText(QString::fromLatin1(paramFileBytes(*params))) == params;
    if (!sound)
        std::abort();  // libFuzzer keeps the input
    return 0;
}
