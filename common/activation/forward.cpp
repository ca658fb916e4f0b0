#include "common/activation/forward.h"

#include "common/activation/application_request.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusReply>
#include <QDeadlineTimer>
#include <QThread>

#include <algorithm>

namespace activation {

namespace {

const QString connectionName = QStringLiteral("activation-forward");

bool fail(QString* reason, const QString& text) {
    if (reason) *reason = text;
    return false;
}

// Waits until some connection owns the name.
bool waitForOwner(QDBusConnection& bus, const QString& name, const QDeadlineTimer& deadline) {
    for (;;) {
        const QDBusReply<bool> owned = bus.interface()->isServiceRegistered(name);
        if (owned.isValid() && owned.value()) return true;
        if (deadline.hasExpired()) return false;
        QThread::msleep(20);
    }
}

bool forwardOver(QDBusConnection& bus, const QString& appId, const QStringList& files,
                 QString* reason, const QDeadlineTimer& deadline) {
    if (!bus.isConnected())
        return fail(reason, QStringLiteral("no session bus: %1").arg(bus.lastError().message()));
    if (!waitForOwner(bus, appId, deadline))
        return fail(reason, QStringLiteral("no copy owns %1 on the session bus").arg(appId));

    const QStringList uris = urisForFiles(files);
    QDBusMessage call = QDBusMessage::createMethodCall(
        appId, objectPathFor(appId), QStringLiteral("org.freedesktop.Application"),
        uris.isEmpty() ? QStringLiteral("Activate") : QStringLiteral("Open"));
    if (!uris.isEmpty()) call << uris;
    call << platformDataFromEnvironment();
    // Should the owner have gone in the meantime, the bus must not start a
    // new copy for this call.
    call.setAutoStartService(false);
    const int wait = static_cast<int>(std::max<qint64>(deadline.remainingTime(), 100));
    const QDBusMessage reply = bus.call(call, QDBus::Block, wait);
    if (reply.type() == QDBusMessage::ErrorMessage)
        return fail(reason, QStringLiteral("%1 did not answer: %2 (%3)")
                                .arg(appId, reply.errorMessage(), reply.errorName()));
    return true;
}

} // namespace

bool forwardToRunningCopy(const QString& appId, const QStringList& files, QString* reason,
                          int timeoutMs) {
    const QDeadlineTimer deadline(timeoutMs);
    bool done = false;
    {
        // A connection of its own, closed again at the end.
        QDBusConnection bus =
            QDBusConnection::connectToBus(QDBusConnection::SessionBus, connectionName);
        done = forwardOver(bus, appId, files, reason, deadline);
    }
    QDBusConnection::disconnectFromBus(connectionName);
    return done;
}

} // namespace activation
