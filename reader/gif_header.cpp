#include "reader/format_readers.h"

#include <algorithm>
#include <cstring>
#include <gif_lib.h>

namespace media::reader {

namespace {

// giflib reads through this from the bytes in memory; at their end it gets
// fewer bytes than it asked for, which it takes as a failed read.
int readFromMemory(GifFileType* gif, GifByteType* out, int length) {
    auto* rest = static_cast<Bytes*>(gif->UserData);
    const std::size_t count = std::min(static_cast<std::size_t>(std::max(length, 0)), rest->size);
    std::memcpy(out, rest->data, count);
    rest->data += count;
    rest->size -= count;
    return static_cast<int>(count);
}

} // namespace

HeaderFacts gifHeader(Bytes bytes) {
    // Opening reads the signature, the logical screen and its colour table,
    // and nothing of the frames.
    int error = 0;
    GifFileType* gif = DGifOpen(&bytes, readFromMemory, &error);
    if (!gif) return {};
    HeaderFacts facts;
    facts.width = gif->SWidth;
    facts.height = gif->SHeight;
    DGifCloseFile(gif, &error);
    return facts;
}

} // namespace media::reader
