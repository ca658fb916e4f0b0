#pragma once
#include <QString>

class QWindow;

namespace activation {

// Brings a shown top-level window to the front for a request that came with
// startupToken (may be empty): restores it when minimised, raises it and asks
// for it to become the active window, handing the token to the window system
// (X11: the startup id and its user time; Wayland: the XDG activation token)
// so that the window manager lets it come forward. A hidden window is left
// alone. For a QWidget pass its windowHandle().
void bringForward(QWindow* window, const QString& startupToken);

} // namespace activation
