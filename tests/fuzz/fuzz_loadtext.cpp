// Whatever a file holds, LOAD either refuses it or hands on two well-formed
// records, and what it hands on reads into values that save back the same.
#include "paramfile.h"

#include "fuzzcheck.h"

#include <cstdint>

using namespace j3k;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const std::optional<ParamFileRecords> records = splitParamFile(text);
    if (!records)
        return 0;
    check(isWellFormedRecord(RecordId::S, records->s));
    check(isWellFormedRecord(RecordId::G, records->g));
    check(text.size() >= ParamFileLength);

    ParamSet params;
    applyRecord(RecordId::S, records->s, params);
    applyRecord(RecordId::G, records->g, params);
    checkInRange(params);
    const QByteArray saved = paramFileBytes(params);
    const std::optional<ParamFileRecords> again = splitParamFile(QString::fromLatin1(saved));
    check(again.has_value());
    ParamSet reread = params;
    applyRecord(RecordId::S, again->s, reread);
    applyRecord(RecordId::G, again->g, reread);
    check(reread == params);
    return 0;
}
