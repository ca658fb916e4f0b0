#include "common/activation/bring_forward.h"

#include "common/activation/x11_activation.h"

#include <QGuiApplication>
#include <QWindow>

namespace activation {

void bringForward(QWindow* window, const QString& startupToken) {
    if (!window || !window->isVisible()) return;
    if (window->windowStates() & Qt::WindowMinimized)
        window->setWindowStates(window->windowStates() & ~Qt::WindowMinimized);

    const QString platform = QGuiApplication::platformName();
    const bool wayland = platform.startsWith(QLatin1String("wayland"));
    if (platform == QLatin1String("xcb")) {
        window->raise();
        // Qt's own request on X11 carries the time of the program's last
        // event, which window managers take for an old request; the X11 part
        // sends one with the launcher's time instead.
        if (x11::activate(window, startupToken)) return;
    } else if (wayland && !startupToken.isEmpty()) {
        // Qt's Wayland plugin activates with the token in this variable. It
        // leaves it set when the compositor offers no activation, so it is
        // removed below, lest programs started later inherit it.
        qputenv("XDG_ACTIVATION_TOKEN", startupToken.toUtf8());
    }
    window->requestActivate();
    if (wayland) qunsetenv("XDG_ACTIVATION_TOKEN");
}

} // namespace activation
