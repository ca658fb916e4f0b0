#include "reader/format_readers.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>

#include <algorithm>

namespace media::reader {

std::optional<RecordedResolution> bmpResolution(Bytes bytes) {
    // Qt's BMP reader tells the recorded resolution only with the pixels:
    // it gets the headers and the first rows, so the work stays the same
    // whatever the picture's size, and its memory within Qt's allocation
    // limit.
    constexpr std::size_t Start = 64 * 1024;
    QBuffer buffer;
    buffer.setData(reinterpret_cast<const char*>(bytes.data),
                   static_cast<qsizetype>(std::min(bytes.size, Start)));
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "bmp");
    const QImage image = reader.read();
    // Where the file records none, Qt keeps the resolution every new image
    // has: that value says nothing about the file.
    const QImage unrecorded(1, 1, QImage::Format_Mono);
    const int x = image.dotsPerMeterX();
    if (image.isNull() || x <= 0 || x == unrecorded.dotsPerMeterX()) return std::nullopt;
    return RecordedResolution{static_cast<double>(x), static_cast<double>(image.dotsPerMeterY()),
                              RawPicture::Unit::PerMetre};
}

} // namespace media::reader
