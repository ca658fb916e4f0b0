#include "common/platform/instance_channel.h"

#include "common/platform/file_names.h"

#include <QDeadlineTimer>
#include <QSocketNotifier>
#include <QTimer>

#include <cerrno>
#include <cstring>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace platform {

namespace {

const QByteArray Magic = QByteArrayLiteral("calc-hand-over-1");
// More than any honest request: a long name and two tokens.
constexpr qsizetype MaxMessage = 64 * 1024;
constexpr int ConnectionMs = 2000;
const QByteArray Confirmation = QByteArrayLiteral("ok");

bool fail(QString* reason, const QString& text) {
    if (reason)
        *reason = text + QStringLiteral(": ") + QString::fromLocal8Bit(std::strerror(errno));
    return false;
}

// One later start's connection: read to its end, confirmed, closed. A
// connection that stalls is closed after a while; it holds nothing up.
class Connection : public QObject {
public:
    Connection(int socket, InstanceListener::Handle handle, QObject* parent)
        : QObject(parent), socket_(socket), handle_(std::move(handle)),
          notifier_(socket, QSocketNotifier::Read) {
        connect(&notifier_, &QSocketNotifier::activated, this, &Connection::readSome);
        stall_.setSingleShot(true);
        connect(&stall_, &QTimer::timeout, this, &QObject::deleteLater);
        stall_.start(ConnectionMs);
    }
    ~Connection() override { ::close(socket_); }

private:
    void readSome() {
        char buffer[4096];
        for (;;) {
            const ssize_t got = ::read(socket_, buffer, sizeof buffer);
            if (got > 0) {
                message_.append(buffer, got);
                if (message_.size() > MaxMessage) return finish();
                continue;
            }
            if (got < 0 && (errno == EAGAIN || errno == EINTR)) return;
            // The end of the request (or a broken one).
            if (got == 0) {
                if (auto request = decodeHandOver(message_)) {
                    [[maybe_unused]] const ssize_t sent =
                        ::send(socket_, Confirmation.constData(), Confirmation.size(),
                               MSG_NOSIGNAL | MSG_DONTWAIT);
                    handle_(*request);
                }
            }
            return finish();
        }
    }
    void finish() {
        notifier_.setEnabled(false);
        stall_.stop();
        deleteLater();
    }

    int socket_;
    InstanceListener::Handle handle_;
    QSocketNotifier notifier_;
    QTimer stall_;
    QByteArray message_;
};

} // namespace

QByteArray encodeHandOver(const HandOver& request) {
    QByteArray message = Magic;
    message += '\0' + request.startupId.toUtf8() + '\0' + request.activationToken.toUtf8();
    for (const QString& file : request.files)
        message += '\0' + fileNameBytes(file);
    return message;
}

std::optional<HandOver> decodeHandOver(const QByteArray& message) {
    const QList<QByteArray> parts = message.split('\0');
    if (parts.size() < 3 || parts[0] != Magic) return std::nullopt;
    HandOver request;
    request.startupId = QString::fromUtf8(parts[1]);
    request.activationToken = QString::fromUtf8(parts[2]);
    for (qsizetype i = 3; i < parts.size(); ++i) {
        if (!parts[i].startsWith('/')) return std::nullopt;
        request.files << fileNameFromBytes(parts[i]);
    }
    return request;
}

InstanceListener::InstanceListener(int listeningSocket, Handle handle, QObject* parent)
    : QObject(parent), socket_(listeningSocket), handle_(std::move(handle)) {
    auto* notifier = new QSocketNotifier(socket_, QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, &InstanceListener::accept);
    // Starts that came while this copy was still starting wait in the queue.
    QTimer::singleShot(0, this, &InstanceListener::accept);
}

void InstanceListener::accept() {
    for (;;) {
        const int connection = ::accept4(socket_, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (connection < 0) return;
        // The folder is the user's own; this makes sure of it.
        ucred peer{};
        socklen_t size = sizeof peer;
        if (::getsockopt(connection, SOL_SOCKET, SO_PEERCRED, &peer, &size) != 0 ||
            peer.uid != ::geteuid()) {
            ::close(connection);
            continue;
        }
        new Connection(connection, handle_, this);
    }
}

bool handOverToRunningCopy(const QString& socketPath, const HandOver& request, int timeoutMs,
                           QString* reason) {
    const QDeadlineTimer deadline(timeoutMs);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray path = fileNameBytes(socketPath);
    if (path.size() >= qsizetype(sizeof address.sun_path)) {
        errno = ENAMETOOLONG;
        return fail(reason, socketPath);
    }
    std::memcpy(address.sun_path, path.constData(), static_cast<size_t>(path.size()));

    int socket = -1;
    for (;;) {
        socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (socket < 0) return fail(reason, QStringLiteral("socket"));
        if (::connect(socket, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0)
            break;
        const int error = errno;
        ::close(socket);
        errno = error;
        // A copy that holds the lock but listens not yet, or not any more.
        if ((error != ENOENT && error != ECONNREFUSED) || deadline.hasExpired())
            return fail(reason, socketPath);
        ::usleep(20000);
    }
    const QByteArray message = encodeHandOver(request);
    bool done = false;
    qsizetype sent = 0;
    while (sent < message.size()) {
        const ssize_t n = ::send(socket, message.constData() + sent,
                                 static_cast<size_t>(message.size() - sent), MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        sent += n;
    }
    if (sent == message.size() && ::shutdown(socket, SHUT_WR) == 0) {
        QByteArray answer;
        pollfd wait{socket, POLLIN, 0};
        while (answer.size() < Confirmation.size()) {
            const int ready = ::poll(&wait, 1, static_cast<int>(deadline.remainingTime()));
            if (ready < 0 && errno == EINTR) continue;
            if (ready <= 0) break;
            char buffer[16];
            const ssize_t got = ::read(socket, buffer, sizeof buffer);
            if (got <= 0) break;
            answer.append(buffer, got);
        }
        done = answer.startsWith(Confirmation);
        if (!done) errno = ETIMEDOUT;
    }
    const int error = errno;
    ::close(socket);
    errno = error;
    return done || fail(reason, socketPath);
}

} // namespace platform
