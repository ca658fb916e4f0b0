#pragma once
#include "common/forms/control.h"
#include "common/forms/key_codes.h"
#include "common/value/variant.h"

// The numeric fields of both windows: a key filter that lets only the
// characters of a non-negative number through, and focus flags that tell a
// change handler whether the user is editing its field.
namespace editing {

using forms::keys::Backspace;
constexpr int Comma = 44;

// Leaves Backspace, the digits (and the comma where allowed) unchanged and
// cancels every other code by setting it to 0.
void filterKey(int& code, bool commaAllowed);

// The flag is 1 while the field has the focus and 0 after it lost it.
void gotFocus(value::Variant& flag);
void lostFocus(value::Variant& flag);

} // namespace editing
