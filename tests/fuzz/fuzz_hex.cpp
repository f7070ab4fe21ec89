// Parsing never half-succeeds, and a dump always parses back to its bytes.
#include "comm.h"

#include "fuzzcheck.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));

    bool ok = true;
    const QByteArray parsed = BgComm::HexStringToByteArray(QString::fromLatin1(bytes), &ok);
    check(ok || parsed.isEmpty());
    if (ok)
        check(BgComm::HexStringToByteArray(BgComm::ByteArrayToHexString(parsed), &ok) == parsed && ok);

    const QString dump = BgComm::ByteArrayToHexString(bytes);
    check(dump.size() == 3 * bytes.size());
    if (!bytes.isEmpty()) {
        check(BgComm::HexStringToByteArray(dump, &ok) == bytes);
        check(ok);
    }
    return 0;
}
