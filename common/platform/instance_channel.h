#pragma once
#include <QByteArray>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace platform {

// What a later start asks of the running copy: to come forward, and to open
// its file if it names one. The tokens are those its launcher gave it.
struct HandOver {
    QStringList files;       // absolute names, byte-exact (see file_names.h)
    QString startupId;       // X11: DESKTOP_STARTUP_ID
    QString activationToken; // Wayland: XDG_ACTIVATION_TOKEN
};

// The request as it travels over the socket, and back. Names keep every
// byte; a message that is not one of ours reads as nothing.
QByteArray encodeHandOver(const HandOver& request);
std::optional<HandOver> decodeHandOver(const QByteArray& message);

// The running copy's end of the single-instance socket: takes the requests of
// later starts by the same user, in the event loop, and confirms each once
// it has it. The socket stays the caller's.
class InstanceListener : public QObject {
public:
    using Handle = std::function<void(const HandOver& request)>;
    InstanceListener(int listeningSocket, Handle handle, QObject* parent = nullptr);

private:
    void accept();

    int socket_;
    Handle handle_;
};

// The later start's end: hands the request to the copy listening at the
// socket and waits up to timeoutMs for it to confirm (a copy that holds the
// lock may still be starting). False, with a reason for the log, when no copy
// takes it. Needs no event loop.
bool handOverToRunningCopy(const QString& socketPath, const HandOver& request, int timeoutMs,
                           QString* reason = nullptr);

} // namespace platform
