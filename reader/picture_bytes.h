#pragma once
#include "common/media/media_facts.h"
#include "common/media/picture_family.h"

#include <cstddef>
#include <optional>

// The picture reader's own work, on bytes in memory: the reader process runs
// it on the file it was handed, the fuzz targets on anything. Only headers
// and metadata are parsed, never the pixels (of a BMP the first rows, for
// its resolution).
namespace media::reader {

// Loads everything reading may need (the image plugins, libheif's codecs,
// Exiv2's set-up), so that nothing is opened once the reader is locked down.
void preparePictureReading();

// The picture's raw header values, or nothing when it is no picture of that
// family this can read.
std::optional<RawPicture> readPictureBytes(const unsigned char* data, std::size_t size,
                                           PictureFamily family);

} // namespace media::reader
