#include "dpi/round_two_decimals.h"

#include "common/value/conversions.h"

#include <cfloat>
#include <cmath>
#include <string>

namespace dpi {

namespace {

bool isSeparator(char c) {
    return c == '.' || c == ',';
}

// Raises a shortened mantissa by 0.01 and puts the exponent back. Going
// through the number keeps the text in its usual form, also when the
// mantissa reaches 10 ("9,99E+18" becomes "1E+19").
std::string raised(std::string cut, const std::string& exponent) {
    // Both separators count; the number is read with the comma.
    for (char& ch : cut)
        if (ch == '.') ch = ',';
    double up = value::checkedAdd(value::toNumber(cut), 0.01);
    if (exponent.empty()) return value::numberToText(up);
    const std::string shifted = value::numberToText(up) + exponent;
    const auto n = value::parseNumber(shifted);
    // Raised past the largest double: the cut is the closest number shown.
    if (!n) return cut + exponent;
    // Below the normal range a double cannot hold the two decimals.
    if (*n != 0 && std::fabs(*n) < DBL_MIN) return shifted;
    return value::numberToText(*n);
}

} // namespace

value::Variant RoundTwoDecimals(value::Variant number) {
    const std::string text = number.toText();
    // Only the mantissa is shortened; "1,8634E+18" must not lose its
    // exponent.
    const std::size_t e = text.find_first_of("Ee");
    const std::string mantissa = text.substr(0, e);
    const std::string exponent = e == std::string::npos ? std::string() : text.substr(e);

    value::Variant working = std::move(number);
    int afterSeparator = 0;
    int digits = 0;
    for (std::size_t i = 0; i < mantissa.size(); ++i) {
        if (afterSeparator == 1) ++digits;
        if (isSeparator(mantissa[i])) afterSeparator = 1;
        if (digits == 3) {
            std::string cut = mantissa.substr(0, i);
            double third = value::val(mantissa.substr(i, 1));
            // Exactly 5 never rounds up.
            if (third > 5)
                working = raised(cut, exponent);
            else
                working = cut + exponent;
            digits = 0;
            afterSeparator = 0;
        }
    }
    return working;
}

} // namespace dpi
