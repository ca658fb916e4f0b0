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

// The JFIF density of a JPEG (libjpeg).
std::optional<RecordedResolution> jfifDensity(Bytes bytes);
// The pHYs chunk of a PNG (libpng).
std::optional<RecordedResolution> pngResolution(Bytes bytes);

// What the EXIF data of a JPEG, PNG, TIFF or WebP says (Exiv2).
struct ExifFacts {
    std::optional<RecordedResolution> resolution;
    bool swapsSides = false; // an orientation of 5 to 8
};
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
