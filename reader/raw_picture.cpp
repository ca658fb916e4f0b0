// Camera RAW through LibRaw's size-only path: identified and measured, never
// unpacked or decoded.
#include "reader/format_readers.h"

#include <libraw/libraw.h>

#include <memory>

namespace media::reader {

std::optional<RawPicture> rawPicture(Bytes bytes) {
    // LibRaw's object is large; it lives on the heap, not the stack.
    auto raw = std::make_unique<LibRaw>(LIBRAW_OPTIONS_NONE);
    // open_buffer only reads; its signature just predates const.
    if (raw->open_buffer(const_cast<unsigned char*>(bytes.data), bytes.size) != LIBRAW_SUCCESS)
        return std::nullopt;
    // What a raw converter puts out: the pixel aspect corrected and the
    // camera's recorded turn applied (iwidth and iheight swap with it).
    if (raw->adjust_sizes_info_only() != LIBRAW_SUCCESS) return std::nullopt;
    RawPicture picture;
    picture.storedWidth = raw->imgdata.sizes.iwidth;
    picture.storedHeight = raw->imgdata.sizes.iheight;
    return picture;
}

} // namespace media::reader
