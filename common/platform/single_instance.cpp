#include "common/platform/single_instance.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QStandardPaths>

#include <unistd.h>

namespace platform {

namespace {

// The user's runtime folder. Qt warns on the way when XDG_RUNTIME_DIR is
// unset or loosely permitted; a second start must print nothing, so the
// warnings are held back while asking.
QString runtimeFolder() {
    QtMessageHandler previous =
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    qInstallMessageHandler(previous);
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QDir::tempPath() + QStringLiteral("/runtime-%1").arg(getuid());
    if (!QDir(folder).exists()) {
        QDir().mkpath(folder);
        QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                          QFileDevice::ExeOwner);
    }
    return folder;
}

} // namespace

SingleInstance::SingleInstance(const QString& programName)
    : lock_(std::make_unique<QLockFile>(runtimeFolder() + '/' + programName + ".lock")) {
    // Never stale by age: only a holder that no longer runs loses the lock.
    lock_->setStaleLockTime(0);
    // A lock that cannot be written at all (no runtime folder, no space) says
    // nothing about other copies; the program then runs rather than never.
    previous_ = !lock_->tryLock(0) && lock_->error() == QLockFile::LockFailedError;
}

SingleInstance::~SingleInstance() = default;

} // namespace platform
