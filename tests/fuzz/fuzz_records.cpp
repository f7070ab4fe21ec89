// Whatever text is applied as a record, the values stay in range and the
// records built from them are well-formed, 81 characters, and read back to
// the same values.
#include "records.h"

#include "fuzzcheck.h"

#include <cstdint>

using namespace j3k;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromLatin1(reinterpret_cast<const char *>(data), qsizetype(size));
    for (const RecordId id : {RecordId::S, RecordId::G}) {
        ParamSet params;
        applyRecord(id, text, params);
        checkInRange(params);
        const QString built = buildRecord(id, params);
        check(built.size() == RecordLength);
        check(isWellFormedRecord(id, built));
        ParamSet again = params;
        applyRecord(id, built, again);
        check(again == params);
        if (isWellFormedRecord(id, text))
            check(text.size() == RecordLength);
    }
    return 0;
}
