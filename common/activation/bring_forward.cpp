#include "common/activation/bring_forward.h"

#include "common/activation/x11_activation.h"

#include <QGuiApplication>
#include <QWindow>

namespace activation {

void bringForward(QWindow* window, const QString& startupToken) {
    if (!window || !window->isVisible()) return;
    if (window->windowStates() & Qt::WindowMinimized)
        window->setWindowStates(window->windowStates() & ~Qt::WindowMinimized);
    window->raise();

    const QString platform = QGuiApplication::platformName();
    // Qt's own request on X11 carries the time of the program's last event,
    // which window managers take for an old request; the X11 part sends one
    // with the launcher's time instead.
    if (platform == QLatin1String("xcb") && x11::activate(window, startupToken)) return;
    const bool wayland = platform.startsWith(QLatin1String("wayland"));
    // Qt's Wayland plugin activates with the token in this variable; it does
    // not remove it when the compositor has no activation, so that is done
    // here, lest the programs started later inherit it.
    if (wayland && !startupToken.isEmpty()) qputenv("XDG_ACTIVATION_TOKEN", startupToken.toUtf8());
    window->requestActivate();
    if (wayland) qunsetenv("XDG_ACTIVATION_TOKEN");
}

} // namespace activation
