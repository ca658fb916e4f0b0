// Any bytes into the text-to-number conversion; every finite double taken
// from the bytes must survive the trip through its text form.
#include "common/value/failure.h"
#include "fuzz/fuzz_support.h"

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <limits>

namespace {

std::string fifteenDigits(double d) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.14e", d);
    return buf;
}

void checkRoundTrip(double d) {
    if (!std::isfinite(d)) return;
    const std::string text = value::numberToText(d);
    fuzz::require(!fuzz::mentionsNanOrInf(text), "text of a finite number: " + text);
    const auto back = value::parseNumber(text);
    fuzz::require(back.has_value(), "text form does not read back: " + text);
    fuzz::require(std::isfinite(*back), "text form reads back non-finite: " + text);
    if (std::fabs(d) >= DBL_MIN) {
        fuzz::require(fifteenDigits(*back) == fifteenDigits(d),
                      "read back differs: " + fifteenDigits(d) + " -> " + text + " -> " +
                          fifteenDigits(*back));
    } else {
        // Below the normal range a double has fewer than 15 significant
        // digits: the text must read back within the rounding to 15 digits
        // and the spacing of those doubles.
        const double tolerance =
            std::fabs(d) * 1e-14 + 2 * std::numeric_limits<double>::denorm_min();
        fuzz::require(std::fabs(*back - d) <= tolerance, "tiny number reads back far off: " + text);
    }
    // The text is stable: shown again it is the same text.
    if (std::fabs(d) >= DBL_MIN)
        fuzz::require(value::numberToText(*back) == text, "text not stable: " + text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto parsed = value::parseNumber(text);
    if (parsed) {
        fuzz::require(std::isfinite(*parsed), "parseNumber gave a non-finite number");
        checkRoundTrip(*parsed);
    }
    // toNumber agrees with parseNumber.
    try {
        const double d = value::toNumber(text);
        fuzz::require(parsed && (d == *parsed), "toNumber accepts what parseNumber refuses");
    } catch (const value::Failure&) {
        fuzz::require(!parsed, "toNumber refuses what parseNumber accepts");
    }
    try {
        const double v = value::val(text);
        fuzz::require(std::isfinite(v), "val gave a non-finite number");
    } catch (const value::Failure&) {
    }
    // Doubles made from the bytes themselves, eight at a time.
    fuzz::ByteReader in(data, size);
    while (in.remaining() >= 8)
        checkRoundTrip(in.rawDouble());
    return 0;
}
