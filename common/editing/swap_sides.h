#pragma once
#include "common/forms/form.h"

namespace editing {

// "Hoch/quer tauschen": height and width change places as the user would
// swap them: the lock released, each side pasted over the other, the lock
// ticked again if it was (so the stored ratio turns too), and the caret
// last, at the end of the field the menu was opened from.
void swapSides(forms::Form& form, forms::Control& height, forms::Control& width,
               forms::Control& lock, forms::Control& caretIn);

// The menu entry that does it, for the fields of a window's sides.
inline constexpr const char* SwapSidesText = "Hoch/quer tauschen";

} // namespace editing
