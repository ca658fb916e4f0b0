#include "common/platform/single_instance.h"

#include "common/platform/file_names.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QStandardPaths>

#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
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

SingleInstance::SingleInstance(const QString& programName) {
    const QString folder = runtimeFolder();
    lock_ = std::make_unique<QLockFile>(folder + '/' + programName + ".lock");
    socketPath_ = folder + '/' + programName + ".socket";
    // Never stale by age: only a holder that no longer runs loses the lock.
    lock_->setStaleLockTime(0);
    // A lock that cannot be written at all (no runtime folder, no space) says
    // nothing about other copies; the program then runs rather than never.
    const bool locked = lock_->tryLock(0);
    previous_ = !locked && lock_->error() == QLockFile::LockFailedError;
    if (locked) listen();
}

void SingleInstance::listen() {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray path = fileNameBytes(socketPath_);
    if (path.size() >= qsizetype(sizeof address.sun_path)) return;
    std::memcpy(address.sun_path, path.constData(), static_cast<size_t>(path.size()));
    // Whatever lies there is a former holder's: only the lock's holder binds.
    ::unlink(path.constData());
    socket_ = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (socket_ < 0) return;
    if (::bind(socket_, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(socket_, 16) != 0) {
        ::close(socket_);
        socket_ = -1;
    }
}

SingleInstance::~SingleInstance() {
    // Gone before the lock: a later start then finds neither.
    if (socket_ >= 0) {
        ::unlink(fileNameBytes(socketPath_).constData());
        ::close(socket_);
    }
}

} // namespace platform
