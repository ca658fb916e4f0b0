#include "common/media/opened_file.h"

#include "common/platform/file_names.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace media {

OpenedFile& OpenedFile::operator=(OpenedFile&& other) noexcept {
    if (this != &other) {
        OpenedFile old(descriptor_);
        descriptor_ = other.release();
    }
    return *this;
}

OpenedFile::~OpenedFile() {
    if (descriptor_ >= 0) ::close(descriptor_);
}

int OpenedFile::release() {
    return std::exchange(descriptor_, -1);
}

std::variant<OpenedFile, std::string> openForReading(const QString& path) {
    // By its bytes: Qt's own conversion loses those of a name that is not UTF-8.
    const QByteArray name = platform::fileNameBytes(path);
    OpenedFile file(::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (file.descriptor() < 0) {
        if (errno == ELOOP) return std::string("Der Verweis auf die Datei führt im Kreis.");
        if (errno == EACCES || errno == EPERM)
            return std::string("Die Datei lässt sich nicht lesen.");
        if (errno == ENOENT || errno == ENOTDIR) return std::string("Die Datei fehlt.");
        return std::string("Die Datei lässt sich nicht lesen.");
    }
    struct stat status {};
    if (::fstat(file.descriptor(), &status) != 0)
        return std::string("Die Datei lässt sich nicht lesen.");
    if (S_ISDIR(status.st_mode)) return std::string("Die Datei ist ein Ordner.");
    if (!S_ISREG(status.st_mode)) return std::string("Die Datei ist keine gewöhnliche Datei.");
    if (status.st_size == 0) return std::string("Die Datei ist leer.");
    if (status.st_size > MaxFileBytes) return std::string("Die Datei ist zu groß.");
    return file;
}

} // namespace media
