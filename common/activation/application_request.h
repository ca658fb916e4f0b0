#pragma once
#include <QString>
#include <QStringList>
#include <QVariantMap>

// What travels between a second start and the running copy over
// org.freedesktop.Application, in the desktop's own conventions.
namespace activation {

// The interface's object path: the application id with its dots as slashes
// and dashes as underscores ("org.brixtel.Aspekto" -> "/org/brixtel/Aspekto").
QString objectPathFor(const QString& appId);

// Platform data for a request made by this process: the token its launcher
// handed to it (X11: DESKTOP_STARTUP_ID, Wayland: XDG_ACTIVATION_TOKEN).
QVariantMap platformDataFromEnvironment();

// The token a window can use: on Wayland the activation token, elsewhere the
// startup id, else the other of the two. Empty when none came or when the
// text is not one a launcher makes (too long, control characters).
QString startupTokenFrom(const QVariantMap& platformData, bool wayland);

// file:// URIs for paths as given on the command line (relative ones to the
// current folder). An argument that already is a file:// URI stays as it is.
QStringList urisForFiles(const QStringList& files);

// The local paths named by URIs; URIs of anything else are dropped.
QStringList localFilesFrom(const QStringList& uris);

} // namespace activation
