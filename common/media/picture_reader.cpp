#include "common/media/picture_reader.h"

#include "common/media/file_problem.h"
#include "common/media/recorded_resolution.h"
#include "common/platform/file_names.h"

#include <QBuffer>
#include <QFile>
#include <QImageIOHandler>
#include <QImageReader>

#include <fcntl.h>
#include <unistd.h>

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
    // Opened by its bytes: QFile would lose a name's bytes that are not UTF-8.
    QFile file;
    const int descriptor =
        ::open(platform::fileNameBytes(path).constData(), O_RDONLY | O_CLOEXEC | O_NOCTTY);
    if (descriptor < 0 || !file.open(descriptor, QIODevice::ReadOnly, QFile::AutoCloseHandle)) {
        if (descriptor >= 0) ::close(descriptor);
        return {std::nullopt, "Die Datei lässt sich nicht lesen."};
    }
    QImageReader reader(&file);
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
