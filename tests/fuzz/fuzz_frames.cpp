// Any byte stream, cut anywhere, must leave every parameter in range, the
// pending bytes bounded, and the same result however it was cut.
#include "frames.h"

#include "fuzzcheck.h"

#include <cstdint>

using namespace j3k;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const auto *bytes = reinterpret_cast<const char *>(data);
    const std::size_t cut = data[0] % size;

    ParamSet whole;
    FrameDecoder once;
    once.feed(QByteArrayView(bytes, qsizetype(size)), whole);

    ParamSet pieces;
    FrameDecoder split;
    split.feed(QByteArrayView(bytes, qsizetype(cut)), pieces);
    split.feed(QByteArrayView(bytes + cut, qsizetype(size - cut)), pieces);

    checkInRange(whole);
    check(whole == pieces);
    check(once.pending() == split.pending() && once.pendingCount() < 2 * FrameLength);
    return 0;
}
