#include "common/media/exif_module.h"
#include "common/media/recorded_resolution.h"
#include "common/platform/file_names.h"

#include <QCoreApplication>
#include <QLibrary>

namespace media {

namespace {

using Entry = decltype(&calc_exif_resolution);

// Beside an installed program, or where the build put it.
Entry loadModule() {
    for (const QString& path :
         {QCoreApplication::applicationDirPath() + QStringLiteral("/" CALC_EXIF_MODULE_FROM_BINDIR),
          QStringLiteral(CALC_EXIF_MODULE_BUILT)}) {
        QLibrary module(path);
        if (module.load()) return reinterpret_cast<Entry>(module.resolve("calc_exif_resolution"));
    }
    return nullptr;
}

} // namespace

std::optional<RecordedResolution> exifResolution(const QString& path) {
    static const Entry entry = loadModule();
    if (!entry) return std::nullopt;
    RecordedResolution found;
    int unit = 0;
    if (entry(platform::fileNameBytes(path).constData(), &found.x, &found.y, &unit) == 0)
        return std::nullopt;
    found.unit = static_cast<RawPicture::Unit>(unit);
    return found;
}

} // namespace media
