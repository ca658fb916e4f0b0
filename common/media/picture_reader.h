#pragma once
#include "common/media/media_facts.h"

#include <QString>
#include <QStringList>

namespace media {

// A picture's size as a viewer shows it and its recorded resolution, from
// the header and metadata alone: the pixels are never decoded. Blocks on
// the file system; call it off the GUI thread.
ReadResult readPicture(const QString& path);

// The MIME types of the installed image readers that tell a picture's size
// without decoding it.
QStringList pictureMimeTypes();

} // namespace media
