#include "common/qtview/toolkit.h"

#include "common/forms/form.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>

namespace qtview {

void connectToolkit() {
    if (QScreen* s = QGuiApplication::primaryScreen()) {
        const QRect r = s->geometry();
        constexpr int t = forms::TwipsPerPixel;
        forms::screen() = {r.width() * t, r.height() * t, r.x() * t, r.y() * t};
    }
    forms::setDoEventsHook([] { QCoreApplication::processEvents(QEventLoop::AllEvents); });
}

} // namespace qtview
