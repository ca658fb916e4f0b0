#pragma once
#include "common/forms/form.h"

#include <string_view>

// Headless typing for tests, fuzzing and benchmarks, built on the form's
// public entry points the way the view types: KeyPress first, then the
// typing limit, then the edit at the caret (Backspace deletes before it).
namespace typing {

void type(forms::Form& form, forms::Control& box, int code);
void typeText(forms::Form& form, forms::Control& box, std::string_view characters);

} // namespace typing
