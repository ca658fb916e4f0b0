#include "common/qtview/toolkit.h"

#include "common/forms/form.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>

namespace qtview {

void connectToolkit() {
    if (QScreen* s = QGuiApplication::primaryScreen()) {
        const QRect r = s->geometry();
        forms::screen() = {r.width() * forms::TwipsPerPixel, r.height() * forms::TwipsPerPixel};
    }
    forms::setDoEventsHook([] { QCoreApplication::processEvents(QEventLoop::AllEvents); });
}

} // namespace qtview
