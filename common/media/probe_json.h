#pragma once
#include "common/media/media_facts.h"

#include <QByteArray>

namespace media {

// ffprobe's JSON answer (-show_streams) turned into facts: the first video
// stream that is not a cover picture, its rotation from the display matrix
// or the older "rotate" tag, its sample aspect ratio. Pure: no process, no
// file.
ReadResult factsFromProbe(const QByteArray& json);

} // namespace media
