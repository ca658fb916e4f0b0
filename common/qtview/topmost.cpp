#include "common/qtview/topmost.h"

#include <QWidget>
#include <QWindow>

namespace qtview {

void setStaysOnTop(QWidget* window, bool on) {
    Qt::WindowFlags f = window->windowFlags();
    f.setFlag(Qt::WindowStaysOnTopHint, on);
    // setWindowFlag() would hide and re-create the window; change the handle's
    // flags and keep the widget's copy in step instead.
    window->overrideWindowFlags(f);
    if (QWindow* handle = window->windowHandle()) handle->setFlags(f);
}

} // namespace qtview
