#include "common/activation/application_request.h"

#include "common/platform/file_names.h"

#include <QDir>

namespace activation {

namespace {

const QString startupIdKey = QStringLiteral("desktop-startup-id");
const QString activationTokenKey = QStringLiteral("activation-token");

// Launchers make short printable tokens; anything else is not passed on to
// the window system.
QString plausibleToken(const QVariant& value) {
    const QString text = value.toString();
    if (text.size() > 512) return {};
    for (QChar c : text)
        if (c.unicode() < 0x20 || c.unicode() == 0x7f) return {};
    return text;
}

} // namespace

QString objectPathFor(const QString& appId) {
    QString path = QLatin1Char('/') + appId;
    path.replace(QLatin1Char('.'), QLatin1Char('/')).replace(QLatin1Char('-'), QLatin1Char('_'));
    return path;
}

QVariantMap platformDataFromEnvironment() {
    QVariantMap data;
    const QString startupId = qEnvironmentVariable("DESKTOP_STARTUP_ID");
    if (!startupId.isEmpty()) data.insert(startupIdKey, startupId);
    const QString token = qEnvironmentVariable("XDG_ACTIVATION_TOKEN");
    if (!token.isEmpty()) data.insert(activationTokenKey, token);
    return data;
}

QString startupTokenFrom(const QVariantMap& platformData, bool wayland) {
    const QString preferred =
        plausibleToken(platformData.value(wayland ? activationTokenKey : startupIdKey));
    if (!preferred.isEmpty()) return preferred;
    return plausibleToken(platformData.value(wayland ? startupIdKey : activationTokenKey));
}

QStringList urisForFiles(const QStringList& files) {
    QStringList uris;
    for (const QString& file : files) {
        if (file.isEmpty()) continue;
        // Names go as bytes, percent-encoded: any name the file system
        // allows arrives unchanged, UTF-8 or not.
        if (file.startsWith(QLatin1String("file://"))) {
            const QString local = platform::fileNameFromUri(file);
            if (!local.isEmpty()) uris << platform::uriFromFileName(local);
            continue;
        }
        const QString absolute =
            QDir::isAbsolutePath(file)
                ? QDir::cleanPath(file)
                : QDir::cleanPath(QDir::currentPath() + QLatin1Char('/') + file);
        uris << platform::uriFromFileName(absolute);
    }
    return uris;
}

// A file:// URI naming another host is not a file of this machine.
QStringList localFilesFrom(const QStringList& uris) {
    QStringList files;
    for (const QString& uri : uris) {
        const QString path = platform::fileNameFromUri(uri);
        if (!path.isEmpty()) files << path;
    }
    return files;
}

} // namespace activation
