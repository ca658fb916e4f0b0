// Any finite double into RoundTwoDecimals: no failure, and the result's
// text keeps at most two digits behind the comma ahead of any exponent.
#include "dpi/round_two_decimals.h"
#include "common/value/failure.h"
#include "fuzz/fuzz_support.h"

#include <cmath>

namespace {

int digitsBehindComma(const std::string& text) {
    const std::string mantissa = text.substr(0, text.find_first_of("Ee"));
    const std::size_t comma = mantissa.find(',');
    return comma == std::string::npos ? 0 : static_cast<int>(mantissa.size() - comma - 1);
}

void check(double d) {
    if (!std::isfinite(d)) return;
    value::Variant rounded;
    try {
        rounded = dpi::RoundTwoDecimals(d);
    } catch (const value::Failure& f) {
        fuzz::fail("RoundTwoDecimals(" + value::numberToText(d) + ") failed: " + f.what());
    }
    const std::string text = rounded.toText();
    fuzz::require(digitsBehindComma(text) <= 2,
                  "RoundTwoDecimals(" + value::numberToText(d) + ") = " + text);
    fuzz::require(!text.empty() && fuzz::isShownNumber(text),
                  "RoundTwoDecimals(" + value::numberToText(d) + ") is no number: " + text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::ByteReader in(data, size);
    while (in.remaining() >= 8)
        check(in.rawDouble());
    // The bytes read as a number text too, so seeds can be written plainly.
    if (auto d = value::parseNumber(std::string_view(reinterpret_cast<const char*>(data), size)))
        check(*d);
    return 0;
}
