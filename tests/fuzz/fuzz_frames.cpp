// SPDX-License-Identifier: GPL-3.0-or-later
// Any byte stream, cut anywhere, must give the same parameters and the same
// pending bytes as in one piece, and never leave two frames' worth pending.
#include "frames.h"

#include <cstdint>
#include <cstdlib>

using namespace j3k;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const qsizetype cut = data[0] % size;
    ParamSet whole, pieces;
    FrameDecoder once, split;
    once.feed(bytes, whole);
    split.feed(bytes.first(cut), pieces);
    split.feed(bytes.sliced(cut), pieces);
    if (!(whole == pieces) || once.pending() != split.pending() || once.pendingCount() >= 2 * FrameLength)
        std::abort();  // libFuzzer keeps the input
    return 0;
}
