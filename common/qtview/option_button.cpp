#include "common/qtview/option_button.h"

#include <QKeyEvent>

namespace qtview {

void OptionButton::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Left:
    case Qt::Key_Right:
        if (aroundArrowKey) {
            aroundArrowKey([&] { QRadioButton::keyPressEvent(event); });
            return;
        }
        break;
    default:
        break;
    }
    QRadioButton::keyPressEvent(event);
}

} // namespace qtview
