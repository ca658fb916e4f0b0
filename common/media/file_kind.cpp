#include "common/media/file_kind.h"

#include <QMimeDatabase>
#include <QMimeType>

#include <optional>

namespace media {

namespace {

struct PictureType {
    const char* mime;
    PictureFamily family;
};

// Each type stands for its sub-types too: every maker's RAW type is a kind
// of image/x-dcraw, and DNG is one as well as a kind of TIFF.
constexpr PictureType PictureTypes[] = {
    {"image/x-adobe-dng", PictureFamily::Raw},
    {"image/x-dcraw", PictureFamily::Raw},
    {"image/tiff", PictureFamily::Tiff},
    {"image/heif", PictureFamily::Heif},
    {"image/avif", PictureFamily::Heif},
    {"image/x-tga", PictureFamily::Tga},
    {"image/jpeg", PictureFamily::Common},
    {"image/png", PictureFamily::Common},
    {"image/webp", PictureFamily::Common},
    {"image/gif", PictureFamily::Common},
    {"image/bmp", PictureFamily::Common},
    {"image/vnd.microsoft.icon", PictureFamily::Common},
    {"image/vnd.wap.wbmp", PictureFamily::Common},
    {"image/x-portable-bitmap", PictureFamily::Common},
    {"image/x-portable-graymap", PictureFamily::Common},
    {"image/x-portable-pixmap", PictureFamily::Common},
    {"image/x-xbitmap", PictureFamily::Common},
    {"image/x-xpixmap", PictureFamily::Common},
};

std::optional<PictureFamily> pictureFamily(const QMimeType& type) {
    for (const PictureType& picture : PictureTypes)
        if (type.inherits(QLatin1String(picture.mime))) return picture.family;
    return std::nullopt;
}

bool hasTypeStarting(const QMimeType& type, QLatin1String prefix) {
    if (type.name().startsWith(prefix)) return true;
    for (const QString& ancestor : type.allAncestors())
        if (ancestor.startsWith(prefix)) return true;
    return false;
}

FileKind kindOfType(const QMimeType& type) {
    if (auto family = pictureFamily(type)) return {FileKind::Is::Picture, *family};
    if (hasTypeStarting(type, QLatin1String("video/"))) return {FileKind::Is::Video};
    if (hasTypeStarting(type, QLatin1String("audio/")) ||
        type.inherits(QStringLiteral("application/ogg")))
        return {FileKind::Is::Sound};
    return {};
}

} // namespace

FileKind kindOf(const QString& name, const QByteArray& head) {
    QMimeDatabase database;
    const QMimeType content = database.mimeTypeForData(head);
    const QMimeType named = database.mimeTypeForFile(name, QMimeDatabase::MatchExtension);
    const FileKind byContent = kindOfType(content);
    if (byContent.is != FileKind::Is::Other && !named.inherits(content.name())) return byContent;
    const FileKind byName = kindOfType(named);
    return byName.is != FileKind::Is::Other ? byName : byContent;
}

bool takes(const FileKind& kind, bool videos) {
    return kind.is == FileKind::Is::Picture || (videos && kind.is == FileKind::Is::Video);
}

} // namespace media
