#include "common/media/file_problem.h"

#include "common/platform/file_names.h"

#include <fcntl.h>
#include <filesystem>
#include <system_error>
#include <unistd.h>

namespace media {

std::optional<std::string> fileProblem(const QString& path) {
    namespace fs = std::filesystem;
    const fs::path native(platform::fileNameBytes(path).toStdString());
    std::error_code error;
    const fs::file_status status = fs::status(native, error);
    if (error == std::errc::too_many_symbolic_link_levels)
        return "Der Verweis auf die Datei führt im Kreis.";
    if (error == std::errc::permission_denied) return "Die Datei lässt sich nicht lesen.";
    if (error || !fs::exists(status)) return "Die Datei fehlt.";
    if (fs::is_directory(status)) return "Die Datei ist ein Ordner.";
    if (!fs::is_regular_file(status)) return "Die Datei ist keine gewöhnliche Datei.";
    if (fs::file_size(native, error) == 0 && !error) return "Die Datei ist leer.";
    const int file = ::open(native.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (file >= 0) ::close(file);
    if (error || file < 0) return "Die Datei lässt sich nicht lesen.";
    return std::nullopt;
}

} // namespace media
