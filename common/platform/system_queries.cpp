#include "common/platform/system_queries.h"

#include "common/platform/long_path.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <climits>
#include <cstdlib>

namespace platform {

commands::OperatingSystem systemQueries() {
    commands::OperatingSystem os;
    os.separator = '/';
    os.pathLimit = PATH_MAX;
    os.applicationPath = [] {
        return QDir::toNativeSeparators(QCoreApplication::applicationDirPath()).toStdString();
    };
    os.executableFile = [] {
        return QFileInfo(QCoreApplication::applicationFilePath()).fileName().toStdString();
    };
    os.longPathName = longPathName;
    // The closest meanings of the system's own folders on this platform.
    os.windowsDirectory = [] { return std::string("/etc/"); };
    os.systemDirectory = [] { return std::string("/usr/lib/"); };
    os.tempDirectory = [] {
        const char* tmp = std::getenv("TMPDIR");
        return std::string(tmp && *tmp ? tmp : "/tmp/");
    };
    return os;
}

} // namespace platform
