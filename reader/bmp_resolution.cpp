#include "reader/format_readers.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImage>
#include <QImageReader>

#include <algorithm>

namespace media::reader {

namespace {

struct Seen {
    int x = 0;
    int y = 0;
    int unrecorded = 0; // what a new image has
};

// Qt's BMP reader tells the recorded resolution only with the pixels: it
// gets the headers and the first rows, so the work stays the same whatever
// the picture's size, and its memory within Qt's allocation limit.
std::optional<Seen> decodeStart(Bytes bytes, bool use96Dpi) {
    QCoreApplication::setAttribute(Qt::AA_Use96Dpi, use96Dpi);
    constexpr std::size_t Start = 64 * 1024;
    QBuffer buffer;
    buffer.setData(reinterpret_cast<const char*>(bytes.data),
                   static_cast<qsizetype>(std::min(bytes.size, Start)));
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "bmp");
    const QImage image = reader.read();
    if (image.isNull()) return std::nullopt;
    return Seen{image.dotsPerMeterX(), image.dotsPerMeterY(),
                QImage(1, 1, QImage::Format_Mono).dotsPerMeterX()};
}

} // namespace

std::optional<RecordedResolution> bmpResolution(Bytes bytes) {
    // Where the file records none, the image keeps Qt's default, which this
    // attribute changes: a value that stays under both is the file's.
    const bool before = QCoreApplication::testAttribute(Qt::AA_Use96Dpi);
    const std::optional<Seen> one = decodeStart(bytes, false);
    const std::optional<Seen> other = decodeStart(bytes, true);
    QCoreApplication::setAttribute(Qt::AA_Use96Dpi, before);
    if (!one || !other || one->x != other->x || one->x <= 0) return std::nullopt;
    // Should the default ever stay the same, it still says nothing.
    if (one->unrecorded == other->unrecorded && one->x == one->unrecorded) return std::nullopt;
    return RecordedResolution{static_cast<double>(one->x),
                              one->y == other->y ? static_cast<double>(one->y) : 0,
                              RawPicture::Unit::PerMetre};
}

} // namespace media::reader
