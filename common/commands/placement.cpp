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
    window.setTop(half(nearInt(screen.height * 0.85)) - half(nearInt(window.height())));
    window.setLeft(half(nearInt(screen.width)) - half(nearInt(window.width())));
    if (clamp == Clamp::ToScreen) {
        if (window.top() < 0) window.setTop(0);
        if (window.left() < 0) window.setLeft(0);
    }
}

void SetWindowOnTop(forms::Form& window, bool onTop) {
    window.setTopmost(onTop);
    forms::DoEvents();
}

} // namespace commands
