#include "common/activation/application_service.h"

#include "common/activation/application_adaptor.h"
#include "common/activation/application_request.h"

#include <QDBusConnection>
#include <QGuiApplication>

namespace activation {

namespace {

bool onWayland() {
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

} // namespace

ApplicationService::ApplicationService(const QString& appId, QObject* parent)
    : QObject(parent), appId_(appId) {
    new ApplicationAdaptor(this);
}

ApplicationService::~ApplicationService() {
    if (!registered_) return;
    QDBusConnection bus = QDBusConnection::sessionBus();
    bus.unregisterService(appId_);
    bus.unregisterObject(objectPathFor(appId_));
}

bool ApplicationService::registerOnSessionBus() {
    if (registered_) return true;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) return false;
    // The object first: whoever sees the name can call it at once.
    const QString path = objectPathFor(appId_);
    if (!bus.registerObject(path, this, QDBusConnection::ExportAdaptors)) return false;
    if (!bus.registerService(appId_)) {
        bus.unregisterObject(path);
        return false;
    }
    registered_ = true;
    return true;
}

void ApplicationService::activate(const QVariantMap& platformData) {
    const QString token = startupTokenFrom(platformData, onWayland());
    QMetaObject::invokeMethod(
        this, [this, token] { emit activateRequested(token); }, Qt::QueuedConnection);
}

void ApplicationService::open(const QStringList& uris, const QVariantMap& platformData) {
    const QStringList files = localFilesFrom(uris);
    if (files.isEmpty()) return activate(platformData);
    const QString token = startupTokenFrom(platformData, onWayland());
    QMetaObject::invokeMethod(
        this, [this, files, token] { emit openRequested(files, token); }, Qt::QueuedConnection);
}

} // namespace activation
