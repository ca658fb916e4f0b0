#pragma once
#include "common/media/picture_family.h"

#include <QByteArray>
#include <QString>

namespace media {

// What a file is, by one rule for the drop and the read: a format with a
// signature is decided by the file's content; one without (TGA), or content
// that names no format these programs read, by the name. Where the content
// names only a family (Matroska), the name says which member.
struct FileKind {
    enum class Is { Other, Picture, Video, Sound };
    Is is = Is::Other;
    PictureFamily family = PictureFamily::Common; // for pictures
};

// head: the file's first bytes (kindHeadBytes of them, or all of a shorter
// file); name: its name, for the extension only.
FileKind kindOf(const QString& name, const QByteArray& head);
constexpr qsizetype kindHeadBytes = 16 * 1024;

// Whether a file of that kind is taken, with or without videos.
bool takes(const FileKind& kind, bool videos);

} // namespace media
