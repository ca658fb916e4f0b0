#include "common/editing/numeric_field.h"

#include <cstdint>

namespace editing {

void filterKey(int& code, bool commaAllowed) {
    if (code == Backspace) return;
    if (commaAllowed && code == Comma) return;
    auto c = static_cast<std::int16_t>(code); // compared as signed 16-bit codes
    if (c >= 48 && c <= 57) return;
    code = 0;
}

void gotFocus(value::Variant& flag) {
    flag = 1;
}
void lostFocus(value::Variant& flag) {
    flag = 0;
}

} // namespace editing
