#include "first_frame.h"
#include "form_view.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>

namespace qtview {

void connectToolkit() {
    if (QScreen* s = QGuiApplication::primaryScreen()) {
        const QRect r = s->geometry();
        forms::screen() = {r.width() * 15, r.height() * 15, r.x() * 15, r.y() * 15};
    }
    forms::setDoEventsHook([] { QCoreApplication::processEvents(QEventLoop::AllEvents); });
    watchFirstFrame();
}

} // namespace qtview
