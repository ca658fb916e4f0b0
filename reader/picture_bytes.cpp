#include "reader/picture_bytes.h"

#include "reader/format_readers.h"

#include <QBuffer>
#include <QByteArray>
#include <QImageIOHandler>
#include <QImageReader>
#include <QLoggingCategory>

namespace media::reader {

namespace {

// The formats Qt's readers know, by content. JFIF and pHYs belong to the
// format itself and are what a program that rewrites the file updates; EXIF
// often still carries the camera's value, so it only speaks when the
// format's own field is silent.
std::optional<RawPicture> commonPicture(Bytes bytes) {
    const QByteArray data = QByteArray::fromRawData(reinterpret_cast<const char*>(bytes.data),
                                                    static_cast<qsizetype>(bytes.size));
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    const QByteArray format = reader.format();
    HeaderFacts own;
    // Qt's GIF reader walks every frame to learn the size, through the
    // whole file; the logical screen says it at the start.
    if (format == "gif") own = gifHeader(bytes);
    if (format == "png") own = pngHeader(bytes);
    if (format == "jpeg") own = jpegHeader(bytes);
    if (format == "bmp") own.resolution = bmpResolution(bytes);
    // Nor is Qt asked for a PNG's size that libpng has read: Qt's reader
    // takes a broken chunk before the pixels far longer than libpng does.
    const bool ownSize = format == "gif" || (format == "png" && own.width > 0 && own.height > 0);
    const QSize size = ownSize ? QSize() : reader.size();
    // Qt wants more than the header of some formats: a file cut after it
    // has the size its header records, turned as its EXIF says.
    const bool headerOnly = !size.isValid();
    if (headerOnly && (own.width <= 0 || own.height <= 0)) return std::nullopt;
    RawPicture raw;
    raw.storedWidth = headerOnly ? own.width : size.width();
    raw.storedHeight = headerOnly ? own.height : size.height();
    raw.swapsSides =
        !headerOnly && reader.transformation().testFlag(QImageIOHandler::TransformationRotate90);

    std::optional<RecordedResolution> resolution = own.resolution;
    if (format == "jpeg" || format == "png" || format == "tiff" || format == "webp") {
        // Qt turns JPEG and TIFF by their orientation; PNG and WebP carry
        // theirs in EXIF only, which viewers follow too.
        // Of a file cut after its header, and of any PNG, EXIF is what the
        // format's library read: the metadata comes before the pixels, and
        // what follows may be gigabytes of anything (Exiv2 would copy every
        // pixel chunk of a PNG to look at it).
        const bool beforePixels = headerOnly || (format == "png" && own.readBytes > 0);
        const ExifFacts exif =
            beforePixels && own.exif
                ? *own.exif
                : exifFacts(beforePixels ? Bytes{bytes.data, own.readBytes} : bytes);
        if (!resolution && format != "png") resolution = exif.resolution;
        if (format == "png" || format == "webp" || headerOnly) raw.swapsSides = exif.swapsSides;
    }
    if (resolution) {
        raw.xResolution = resolution->x;
        raw.yResolution = resolution->y;
        raw.unit = resolution->unit;
    }
    return raw;
}

} // namespace

void preparePictureReading() {
    // A broken file gets one reason from the programs; the plugins' own
    // complaints would only add lines.
    QLoggingCategory::setFilterRules(QStringLiteral("qt.gui.imageio*.warning=false"));
    // Each plugin is loaded by asking it once about nothing.
    for (const QByteArray& format : QImageReader::supportedImageFormats()) {
        QBuffer nothing;
        nothing.open(QIODevice::ReadOnly);
        QImageReader(&nothing, format).canRead();
    }
    prepareExif();
    prepareHeif();
}

std::optional<RawPicture> readPictureBytes(const unsigned char* data, std::size_t size,
                                           PictureFamily family) {
    const Bytes bytes{data, size};
    switch (family) {
    case PictureFamily::Tga:
        return tgaPicture(bytes);
    case PictureFamily::Heif:
        return heifPicture(bytes);
    case PictureFamily::Raw:
        return rawPicture(bytes);
    case PictureFamily::Tiff:
        // Cameras' RAW files are TIFF inside, with a small preview first;
        // what LibRaw takes for raw data is read as such.
        if (auto raw = rawPicture(bytes)) return raw;
        break;
    case PictureFamily::Common:
        break;
    }
    return commonPicture(bytes);
}

} // namespace media::reader
