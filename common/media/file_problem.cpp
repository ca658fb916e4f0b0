#include "common/media/file_problem.h"

#include <QFile>

#include <filesystem>
#include <system_error>

namespace media {

std::optional<std::string> fileProblem(const QString& path) {
    namespace fs = std::filesystem;
    const fs::path native(QFile::encodeName(path).toStdString());
    std::error_code error;
    const fs::file_status status = fs::status(native, error);
    if (error == std::errc::too_many_symbolic_link_levels)
        return "Der Verweis auf die Datei führt im Kreis.";
    if (error == std::errc::permission_denied) return "Die Datei lässt sich nicht lesen.";
    if (error || !fs::exists(status)) return "Die Datei fehlt.";
    if (fs::is_directory(status)) return "Die Datei ist ein Ordner.";
    if (!fs::is_regular_file(status)) return "Die Datei ist keine gewöhnliche Datei.";
    if (fs::file_size(native, error) == 0 && !error) return "Die Datei ist leer.";
    QFile file(path);
    if (error || !file.open(QIODevice::ReadOnly)) return "Die Datei lässt sich nicht lesen.";
    return std::nullopt;
}

} // namespace media
