#pragma once
#include <QString>

#include <optional>
#include <string>

namespace media {

// Why the path names no file a reader can open, as one German line, or
// nothing when it names a readable, non-empty regular file. Folders, pipes
// and devices are refused before anyone opens them: reading a pipe waits
// forever.
std::optional<std::string> fileProblem(const QString& path);

} // namespace media
