#pragma once
#include "common/forms/form.h"

#include <string>

namespace editing {

// The user clicks into the field and replaces its whole text in one edit,
// as Ctrl+A and Ctrl+V do: the key filter and the typing limit do not see
// it, the change handler runs once with the field focused. The caret ends
// behind the new text. Nothing happens when the field cannot take the focus.
void pasteOver(forms::Form& form, forms::Control& field, std::string text);

} // namespace editing
