#include "reader/format_readers.h"

#include <cstring>
#include <png.h>

namespace media::reader {

namespace {

[[noreturn]] void jumpBack(png_structp png, png_const_charp) {
    png_longjmp(png, 1);
}
void stayQuiet(png_structp, png_const_charp) {}

// libpng reads through this from the bytes in memory; running past their
// end is an error like any other.
void readFromMemory(png_structp png, png_bytep out, png_size_t length) {
    auto* rest = static_cast<Bytes*>(png_get_io_ptr(png));
    if (length > rest->size) png_error(png, "cut short");
    std::memcpy(out, rest->data, length);
    rest->data += length;
    rest->size -= length;
}

// Kept apart so that no local of the caller lives across setjmp.
bool readInfo(png_structp png, png_infop info) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_read_info(png, info);
    return true;
}

} // namespace

std::optional<RecordedResolution> pngResolution(Bytes bytes) {
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, jumpBack, stayQuiet);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    std::optional<RecordedResolution> result;
    if (info) {
        // Compressed text and profiles ahead of the pixels are skipped, not
        // inflated: only pHYs is wanted.
        static const png_byte skipped[] = "iCCP\0iTXt\0tEXt\0zTXt\0sPLT\0eXIf";
        png_set_keep_unknown_chunks(png, PNG_HANDLE_CHUNK_NEVER, skipped, sizeof skipped / 5);
        png_set_read_fn(png, &bytes, readFromMemory);
        png_uint_32 x = 0, y = 0;
        int unit = 0;
        if (readInfo(png, info) && png_get_pHYs(png, info, &x, &y, &unit) != 0 &&
            unit == PNG_RESOLUTION_METER && x > 0)
            result = RecordedResolution{static_cast<double>(x), static_cast<double>(y),
                                        RawPicture::Unit::PerMetre};
    }
    png_destroy_read_struct(png ? &png : nullptr, info ? &info : nullptr, nullptr);
    return result;
}

} // namespace media::reader
