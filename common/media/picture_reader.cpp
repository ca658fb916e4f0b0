#include "common/media/picture_reader.h"

#include "common/media/file_problem.h"
#include "common/media/recorded_resolution.h"

#include <QBuffer>
#include <QImageIOHandler>
#include <QImageReader>

namespace media {

namespace {

// JFIF and pHYs belong to the format itself and are what a program that
// rewrites the file updates; EXIF often still carries the camera's value,
// so it only speaks when the format's own field is silent.
std::optional<RecordedResolution> resolutionOf(const QString& path, const QByteArray& format) {
    if (format == "png") return pngResolution(path);
    if (format == "jpeg") {
        if (auto own = jfifDensity(path)) return own;
    } else if (format != "tiff" && format != "webp") {
        return std::nullopt; // the other formats carry no resolution Qt or Exiv2 reads
    }
    return exifResolution(path);
}

} // namespace

ReadResult readPicture(const QString& path) {
    if (auto problem = fileProblem(path)) return {std::nullopt, *problem};
    QImageReader reader(path);
    // The content decides, not the name: a PNG called .jpg is still a PNG.
    reader.setDecideFormatFromContent(true);
    const QSize size = reader.size();
    if (!size.isValid()) return {std::nullopt, "Die Datei ist kein lesbares Bild."};
    RawPicture raw;
    raw.storedWidth = size.width();
    raw.storedHeight = size.height();
    raw.swapsSides = reader.transformation().testFlag(QImageIOHandler::TransformationRotate90);
    if (auto resolution = resolutionOf(path, reader.format())) {
        raw.xResolution = resolution->x;
        raw.yResolution = resolution->y;
        raw.unit = resolution->unit;
    }
    return factsFromPicture(raw);
}

QStringList pictureMimeTypes() {
    QStringList types;
    for (const QByteArray& mime : QImageReader::supportedMimeTypes()) {
        for (const QByteArray& format : QImageReader::imageFormatsForMimeType(mime)) {
            QBuffer nothing;
            nothing.open(QIODevice::ReadOnly);
            if (QImageReader(&nothing, format).supportsOption(QImageIOHandler::Size)) {
                types.append(QString::fromLatin1(mime));
                break;
            }
        }
    }
    return types;
}

} // namespace media
