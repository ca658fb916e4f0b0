#include "reader/format_readers.h"

#include <cstring>
#include <png.h>

namespace media::reader {

namespace {

// The signature and IHDR: libpng asks for more only once it has accepted
// the header.
constexpr std::size_t HeaderBytes = 8 + 8 + 13 + 4;

struct Source {
    Bytes rest;
    std::size_t taken = 0;
    bool headerAccepted = false;
};

[[noreturn]] void jumpBack(png_structp png, png_const_charp) {
    png_longjmp(png, 1);
}
void stayQuiet(png_structp, png_const_charp) {}

// libpng reads through this from the bytes in memory; running past their
// end is an error like any other.
void readFromMemory(png_structp png, png_bytep out, png_size_t length) {
    auto* source = static_cast<Source*>(png_get_io_ptr(png));
    if (source->taken >= HeaderBytes) source->headerAccepted = true;
    if (length > source->rest.size) png_error(png, "cut short");
    std::memcpy(out, source->rest.data, length);
    source->rest.data += length;
    source->rest.size -= length;
    source->taken += length;
}

// Kept apart so that no local of the caller lives across setjmp.
bool readInfo(png_structp png, png_infop info) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_read_info(png, info);
    return true;
}

} // namespace

HeaderFacts pngHeader(Bytes bytes) {
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, jumpBack, stayQuiet);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    HeaderFacts facts;
    if (info) {
        // Compressed text and profiles ahead of the pixels are skipped, not
        // inflated: only the header, pHYs and eXIf are wanted.
        static const png_byte skipped[] = "iCCP\0iTXt\0tEXt\0zTXt\0sPLT";
        png_set_keep_unknown_chunks(png, PNG_HANDLE_CHUNK_NEVER, skipped, sizeof skipped / 5);
        // Sides beyond libpng's default limit are the judgement's to refuse.
        png_set_user_limits(png, PNG_UINT_31_MAX, PNG_UINT_31_MAX);
        Source source{bytes};
        png_set_read_fn(png, &source, readFromMemory);
        // What was read before an error stays: a file cut after its header,
        // or with a broken chunk after it, still has its size.
        const bool whole = readInfo(png, info);
        facts.readBytes = source.taken;
        if (whole || source.headerAccepted) {
            facts.width = png_get_image_width(png, info);
            facts.height = png_get_image_height(png, info);
        }
        png_uint_32 x = 0, y = 0;
        int unit = 0;
        if (png_get_pHYs(png, info, &x, &y, &unit) != 0 && unit == PNG_RESOLUTION_METER && x > 0)
            facts.resolution = RecordedResolution{static_cast<double>(x), static_cast<double>(y),
                                                  RawPicture::Unit::PerMetre};
        png_uint_32 exifSize = 0;
        png_bytep exif = nullptr;
        if (png_get_eXIf_1(png, info, &exifSize, &exif) != 0 && exif)
            facts.exif = exifBlockFacts(Bytes{exif, exifSize});
    }
    png_destroy_read_struct(png ? &png : nullptr, info ? &info : nullptr, nullptr);
    return facts;
}

} // namespace media::reader
