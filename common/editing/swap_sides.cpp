#include "common/editing/swap_sides.h"

#include "common/editing/paste_over.h"

#include <string>

namespace editing {

void swapSides(forms::Form& form, forms::Control& height, forms::Control& width,
               forms::Control& lock, forms::Control& caretIn) {
    const std::string oldHeight = height.text();
    const std::string oldWidth = width.text();
    const bool locked = lock.value() == 1;
    if (locked) form.userClick(lock);
    pasteOver(form, height, oldWidth);
    pasteOver(form, width, oldHeight);
    // Ticking the lock moves the focus: the caret is placed after it.
    if (locked) form.userClick(lock);
    form.userFocus(caretIn);
    if (form.focused() == &caretIn) caretIn.setSelection(forms::characterCount(caretIn.text()), 0);
}

} // namespace editing
