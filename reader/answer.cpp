#include "reader/answer.h"

#include "common/media/reader_answer.h"

#include <cstdio>

namespace media::reader {

namespace {

// Hexadecimal floating point, without the "0x" that from_chars does not
// take: the reader's doubles arrive bit for bit.
std::string exact(double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%a", value);
    std::string written = text;
    if (const auto prefix = written.find("0x"); prefix != std::string::npos)
        written.erase(prefix, 2);
    return written;
}

} // namespace

std::string answer(const std::optional<RawPicture>& picture) {
    if (!picture) return std::string(AnswerNone);
    return std::string(AnswerPicture) + ' ' + std::to_string(picture->storedWidth) + ' ' +
           std::to_string(picture->storedHeight) + ' ' + (picture->swapsSides ? "1 " : "0 ") +
           exact(picture->xResolution) + ' ' + exact(picture->yResolution) + ' ' +
           std::to_string(static_cast<int>(picture->unit)) + '\n';
}

} // namespace media::reader
