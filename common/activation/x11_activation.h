#pragma once
#include <QByteArray>
#include <QString>

class QWindow;

// Activation on X11, beyond what Qt offers for a window that is shown
// already: the startup id of the request is set on the window and its
// launch feedback ended, and the window manager is asked to activate the
// window with the launcher's user time.
namespace activation::x11 {

// The user time a startup id ends with ("..._TIME<n>"); 0 when it has none.
quint32 startupIdTime(const QString& startupId);

// The startup-notification message that ends a launch: "remove: ID=<id>",
// the id quoted where the message syntax needs it.
QByteArray removeMessage(const QString& startupId);

// False when Qt does not run on X11 or the server does not answer.
bool activate(QWindow* window, const QString& startupId);

} // namespace activation::x11
