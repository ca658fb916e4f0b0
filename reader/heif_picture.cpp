// HEIF and AVIF through libheif: the primary image's size after the file's
// own rotation, mirroring and clean aperture, which viewers show. Its EXIF
// is read for the resolution only: the orientation is already applied.
#include "reader/format_readers.h"

#include <libheif/heif.h>

#include <memory>
#include <vector>

namespace media::reader {

namespace {

struct ContextFree {
    void operator()(heif_context* context) const { heif_context_free(context); }
};
struct HandleRelease {
    void operator()(heif_image_handle* handle) const { heif_image_handle_release(handle); }
};

// The first EXIF block's resolution. The block starts with the offset of the
// TIFF header behind a four-byte field.
std::optional<RecordedResolution> exifResolution(const heif_image_handle* handle) {
    heif_item_id id = 0;
    if (heif_image_handle_get_list_of_metadata_block_IDs(handle, "Exif", &id, 1) != 1)
        return std::nullopt;
    const std::size_t size = heif_image_handle_get_metadata_size(handle, id);
    if (size < 4) return std::nullopt;
    std::vector<unsigned char> block(size);
    if (heif_image_handle_get_metadata(handle, id, block.data()).code != heif_error_Ok)
        return std::nullopt;
    const std::size_t offset = (std::size_t{block[0]} << 24 | std::size_t{block[1]} << 16 |
                                std::size_t{block[2]} << 8 | block[3]) +
                               4;
    if (offset >= size) return std::nullopt;
    return exifBlockFacts({block.data() + offset, size - offset}).resolution;
}

} // namespace

void prepareHeif() {
    heif_init(nullptr);
}

std::optional<RawPicture> heifPicture(Bytes bytes) {
    std::unique_ptr<heif_context, ContextFree> context(heif_context_alloc());
    if (!context ||
        heif_context_read_from_memory_without_copy(context.get(), bytes.data, bytes.size, nullptr)
                .code != heif_error_Ok)
        return std::nullopt;
    heif_image_handle* primary = nullptr;
    if (heif_context_get_primary_image_handle(context.get(), &primary).code != heif_error_Ok)
        return std::nullopt;
    std::unique_ptr<heif_image_handle, HandleRelease> handle(primary);
    RawPicture raw;
    raw.storedWidth = heif_image_handle_get_width(primary);
    raw.storedHeight = heif_image_handle_get_height(primary);
    if (auto resolution = exifResolution(primary)) {
        raw.xResolution = resolution->x;
        raw.yResolution = resolution->y;
        raw.unit = resolution->unit;
    }
    return raw;
}

} // namespace media::reader
