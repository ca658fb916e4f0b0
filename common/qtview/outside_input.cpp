#include "common/qtview/outside_input.h"

#include <QTimer>

namespace qtview {

OutsideInput::OutsideInput(forms::Form& form, QObject* parent)
    : QObject(parent), form_(form), requests_(form) {
    // Not from inside the returning handler: the user's action that raised
    // it may go on (a click moves the focus, then raises Click).
    form_.onIdle = [this] {
        if (requests_.pending() > 0)
            QTimer::singleShot(0, this, [this] { requests_.applyPending(); });
    };
}

OutsideInput::~OutsideInput() {
    form_.onIdle = nullptr;
}

} // namespace qtview
