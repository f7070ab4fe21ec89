// Whatever text is applied as a record, the values stay in range and the
// records built from them are well-formed, 81 characters, and read back to
// the same values.
#include "records.h"

#include <cstdint>
#include <cstdlib>

using namespace j3k;

static void check(bool ok)
{
    if (!ok)
        std::abort();
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromLatin1(reinterpret_cast<const char *>(data), qsizetype(size));
    for (const RecordId id : {RecordId::S, RecordId::G}) {
        ParamSet params;
        applyRecord(id, text, params);
        for (std::size_t i = 0; i < ParamCount; ++i) {
            const ParamInfo &info = paramTable()[i];
            check(params.value(int(i)) >= info.min && params.value(int(i)) <= info.max);
        }
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
