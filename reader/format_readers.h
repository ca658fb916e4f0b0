#pragma once
#include "common/media/media_facts.h"

#include <cstddef>
#include <optional>

// The parts of a picture that the format libraries read from memory. Each
// gives nothing when the bytes record nothing usable or cannot be parsed.
namespace media::reader {

struct RecordedResolution {
    double x = 0;
    double y = 0;
    RawPicture::Unit unit = RawPicture::Unit::None;
};

struct Bytes {
    const unsigned char* data;
    std::size_t size;
};

// What EXIF data says about a picture.
struct ExifFacts {
    std::optional<RecordedResolution> resolution;
    bool swapsSides = false; // an orientation of 5 to 8
};

// What a format's own header records, as far as the bytes go: a file cut
// after its header still has its size.
struct HeaderFacts {
    long long width = 0; // 0 when the bytes end or break before the size
    long long height = 0;
    std::optional<RecordedResolution> resolution;
    std::size_t readBytes = 0;     // how far the library read
    std::optional<ExifFacts> exif; // an EXIF block read on the way (PNG's eXIf)
};
// The frame header and JFIF density of a JPEG (libjpeg).
HeaderFacts jpegHeader(Bytes bytes);
// IHDR and pHYs of a PNG (libpng).
HeaderFacts pngHeader(Bytes bytes);
// The logical screen of a GIF (giflib).
HeaderFacts gifHeader(Bytes bytes);
// The resolution a BMP records (Qt's reader, on the file's start only).
std::optional<RecordedResolution> bmpResolution(Bytes bytes);

// What the EXIF data of a JPEG, PNG, TIFF or WebP says (Exiv2).
ExifFacts exifFacts(Bytes bytes);
// The same of a bare EXIF block (TIFF header first), as HEIF carries it.
ExifFacts exifBlockFacts(Bytes bytes);
void prepareExif();

// Camera RAW (LibRaw): the size a raw converter puts out, turned as recorded.
std::optional<RawPicture> rawPicture(Bytes bytes);
// HEIF and AVIF (libheif): the size after the file's own transformations.
std::optional<RawPicture> heifPicture(Bytes bytes);
void prepareHeif();
// TGA, which has no signature (stb_image).
std::optional<RawPicture> tgaPicture(Bytes bytes);

} // namespace media::reader
