// TGA has no signature: a file named so is read as one, run-length encoded
// or not, by stb_image's header reader.
#include "reader/format_readers.h"

#include <climits>
#include <stb_image.h>

namespace media::reader {

std::optional<RawPicture> tgaPicture(Bytes bytes) {
    if (bytes.size > INT_MAX) return std::nullopt;
    int width = 0, height = 0, components = 0;
    if (!stbi_info_from_memory(bytes.data, static_cast<int>(bytes.size), &width, &height,
                               &components))
        return std::nullopt;
    RawPicture raw;
    raw.storedWidth = width;
    raw.storedHeight = height;
    return raw;
}

} // namespace media::reader
