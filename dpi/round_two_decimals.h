#pragma once
#include "common/value/variant.h"

namespace dpi {

// Shortens a number to two decimals on its text: everything behind the
// second digit after the separator is cut, and 0.01 is added when the third
// digit is greater than 5. A number with fewer decimals comes back
// unchanged. An exponent stays attached to the shortened mantissa.
value::Variant RoundTwoDecimals(value::Variant number);

} // namespace dpi
