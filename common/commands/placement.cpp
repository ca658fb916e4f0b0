#include "common/commands/placement.h"

#include "common/value/conversions.h"

namespace commands {

namespace {
// n divided by 2, the remainder dropped toward zero.
int half(int n) {
    return n / 2;
}
} // namespace

void CenterForm(forms::Form& window, Clamp clamp) {
    using value::nearInt;
    const auto& screen = forms::screen();
    window.setTop(screen.top + half(nearInt(screen.height * 0.85)) -
                  half(nearInt(window.height())));
    window.setLeft(screen.left + half(nearInt(screen.width)) - half(nearInt(window.width())));
    if (clamp == Clamp::ToScreen) {
        if (window.top() < screen.top) window.setTop(screen.top);
        if (window.left() < screen.left) window.setLeft(screen.left);
    }
}

void SetWindowOnTop(forms::Form& window, bool onTop) {
    window.setTopmost(onTop);
    forms::DoEvents();
}

} // namespace commands
