#pragma once
#include "common/media/media_facts.h"

#include <QString>

#include <optional>

// The resolution a picture file records, each read by the library of its
// field from the header alone. Nothing when the file records none (no
// value, a value of 0, or only an aspect ratio) or the header cannot be read.
namespace media {

struct RecordedResolution {
    double x = 0;
    double y = 0;
    RawPicture::Unit unit = RawPicture::Unit::None;
};

// The JFIF density of a JPEG (libjpeg).
std::optional<RecordedResolution> jfifDensity(const QString& path);
// The pHYs chunk of a PNG (libpng). EXIF data in a PNG is not looked for:
// writers put it behind the pixels, and reaching it means reading them all.
std::optional<RecordedResolution> pngResolution(const QString& path);
// XResolution, YResolution and ResolutionUnit of a TIFF's first directory,
// or of the EXIF data in a JPEG or WebP (Exiv2).
std::optional<RecordedResolution> exifResolution(const QString& path);

} // namespace media
