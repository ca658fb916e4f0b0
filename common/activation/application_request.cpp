#include "common/activation/application_request.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>

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
        if (file.startsWith(QLatin1String("file://"))) {
            uris << QUrl(file).toString(QUrl::FullyEncoded);
            continue;
        }
        uris
            << QUrl::fromLocalFile(QFileInfo(file).absoluteFilePath()).toString(QUrl::FullyEncoded);
    }
    return uris;
}

QStringList localFilesFrom(const QStringList& uris) {
    QStringList files;
    for (const QString& uri : uris) {
        const QUrl url(uri, QUrl::StrictMode);
        // A file:// URI naming another host is not a file of this machine.
        const bool here = url.host().isEmpty() || url.host() == QLatin1String("localhost");
        const QString path = url.path(QUrl::FullyDecoded);
        if (url.isValid() && url.isLocalFile() && here && QDir::isAbsolutePath(path)) files << path;
    }
    return files;
}

} // namespace activation
