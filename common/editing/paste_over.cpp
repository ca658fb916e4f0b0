#include "common/editing/paste_over.h"

namespace editing {

void pasteOver(forms::Form& form, forms::Control& field, std::string text) {
    form.userFocus(field);
    if (form.focused() != &field) return;
    field.setSelection(0, forms::characterCount(field.text()));
    form.userEdit(field, std::move(text));
    field.setSelection(forms::characterCount(field.text()), 0);
}

} // namespace editing
