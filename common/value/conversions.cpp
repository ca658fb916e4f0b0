#include "common/value/conversions.h"

#include "common/value/failure.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace value {
namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

// The number's grammar, checked by hand so that from_chars never sees
// anything it would accept beyond it (hexadecimal, "inf", "nan").
struct Scanned {
    bool negative = false;
    std::string_view body;                      // the number after its sign, exponent included
    std::size_t comma = std::string_view::npos; // where "." goes for from_chars
    long firstDigitExponent = 0;                // decimal exponent of the first non-zero digit
    bool allZero = true;
};

std::optional<Scanned> scan(std::string_view t) {
    std::size_t b = 0, e = t.size();
    while (b < e && isBlank(t[b]))
        ++b;
    while (e > b && isBlank(t[e - 1]))
        --e;
    t = t.substr(b, e - b);
    Scanned s;
    std::size_t i = 0;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) s.negative = t[i++] == '-';
    const std::size_t start = i;
    s.body = t.substr(start);
    int digits = 0;
    bool comma = false;
    long intDigits = 0;    // digits before the comma
    long leadingZeros = 0; // zeros before the first non-zero digit
    for (; i < t.size(); ++i) {
        char c = t[i];
        if (isDigit(c)) {
            ++digits;
            if (!comma) ++intDigits;
            if (c != '0')
                s.allZero = false;
            else if (s.allZero)
                ++leadingZeros;
        } else if (c == ',' && !comma) {
            comma = true;
            s.comma = i - start;
        } else {
            break;
        }
    }
    if (digits == 0) return std::nullopt;
    long exponent = 0;
    if (i < t.size() && (t[i] == 'E' || t[i] == 'e')) {
        ++i;
        bool expNegative = false;
        if (i < t.size() && (t[i] == '+' || t[i] == '-')) expNegative = t[i++] == '-';
        std::size_t expStart = i;
        for (; i < t.size() && isDigit(t[i]); ++i)
            if (exponent < 100000) exponent = exponent * 10 + (t[i] - '0');
        if (i == expStart) return std::nullopt;
        if (expNegative) exponent = -exponent;
    }
    if (i != t.size()) return std::nullopt;
    s.firstDigitExponent = exponent + intDigits - leadingZeros - 1;
    return s;
}

} // namespace

std::optional<double> parseNumber(std::string_view text) {
    auto s = scan(text);
    if (!s) return std::nullopt;
    double d = 0;
    // Only a comma needs a copy; from_chars reads the rest as it is.
    std::string withPoint;
    std::string_view plain = s->body;
    if (s->comma != std::string_view::npos) {
        withPoint.assign(plain);
        withPoint[s->comma] = '.';
        plain = withPoint;
    }
    const char* first = plain.data();
    const char* last = first + plain.size();
    auto [ptr, ec] = std::from_chars(first, last, d);
    if (ec == std::errc::result_out_of_range) {
        // Too small to be told from zero reads as zero; too large fails.
        if (s->allZero || s->firstDigitExponent < 0) {
            d = 0;
        } else {
            // The 15-digit text of the largest double lies just above it;
            // such texts read back as the largest double, larger ones fail.
            long double wide = 0;
            auto w = std::from_chars(first, last, wide);
            if (w.ec != std::errc() || wide > 1.79769313486232e308L) return std::nullopt;
            d = std::numeric_limits<double>::max();
        }
    } else if (ec != std::errc() || ptr != last || !std::isfinite(d)) {
        return std::nullopt;
    }
    return s->negative ? -d : d;
}

double toNumber(std::string_view text) {
    if (auto d = parseNumber(text)) return *d;
    throw Failure("type mismatch");
}

std::string numberToText(double number) {
    if (std::isnan(number)) return "NaN"; // never produced by checked arithmetic; kept readable
    if (std::isinf(number)) return number > 0 ? "Inf" : "-Inf";
    if (number == 0) return "0";
    // Fifteen significant digits decide the text, and also the exponent
    // after rounding (999999999999999.9 is shown as 1E+15). Built in fixed
    // buffers: every keystroke in a window formats a dozen numbers.
    std::array<char, 40> sci{};
    const char* end = std::to_chars(sci.data(), sci.data() + sci.size(), number,
                                    std::chars_format::scientific, 14)
                          .ptr;
    const char* p = sci.data();
    const bool negative = *p == '-';
    if (negative) ++p;
    std::array<char, 16> digits{};
    std::size_t n = 0;
    for (; p != end && *p != 'e'; ++p)
        if (isDigit(*p)) digits[n++] = *p;
    // The exponent always carries its sign: "e+05", "e-123".
    const bool exponentNegative = p + 1 < end && p[1] == '-';
    int exponent = 0;
    for (p += 2; p < end; ++p)
        exponent = exponent * 10 + (*p - '0');
    if (exponentNegative) exponent = -exponent;
    while (n > 1 && digits[n - 1] == '0')
        --n;

    std::array<char, 48> out{};
    std::size_t o = 0;
    auto put = [&](char c) { out[o++] = c; };
    auto putDigits = [&](std::size_t from, std::size_t to) {
        for (std::size_t i = from; i < to; ++i)
            put(digits[i]);
    };
    if (negative) put('-');
    if (exponent >= 15 || exponent < -4) {
        put(digits[0]);
        if (n > 1) {
            put(',');
            putDigits(1, n);
        }
        put('E');
        put(exponent < 0 ? '-' : '+');
        const int magnitude = std::abs(exponent);
        if (magnitude < 10) put('0');
        o = static_cast<std::size_t>(
            std::to_chars(out.data() + o, out.data() + out.size(), magnitude).ptr - out.data());
    } else if (exponent < 0) {
        put('0');
        put(',');
        for (int i = 0; i < -exponent - 1; ++i)
            put('0');
        putDigits(0, n);
    } else {
        const std::size_t intLen = static_cast<std::size_t>(exponent) + 1;
        if (n <= intLen) {
            putDigits(0, n);
            for (std::size_t i = n; i < intLen; ++i)
                put('0');
        } else {
            putDigits(0, intLen);
            put(',');
            putDigits(intLen, n);
        }
    }
    return std::string(out.data(), o);
}

double val(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && isBlank(text[i]))
        ++i;
    std::string plain;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    bool point = false;
    int digits = 0;
    for (; i < text.size(); ++i) {
        char c = text[i];
        if (isDigit(c)) {
            plain += c;
            ++digits;
        } else if (c == '.' && !point) {
            point = true;
            plain += c;
        } else {
            break;
        }
    }
    if (digits == 0) return 0;
    // An exponent counts only when digits follow it.
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
        std::size_t j = i + 1;
        std::string exp = "e";
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) exp += text[j++];
        std::size_t start = j;
        while (j < text.size() && isDigit(text[j]))
            exp += text[j++];
        if (j > start) plain += exp;
    }
    double d = 0;
    auto [ptr, ec] = std::from_chars(plain.data(), plain.data() + plain.size(), d);
    if (ec == std::errc::result_out_of_range) throw Failure("overflow");
    return negative ? -d : d;
}

double intFloor(double number) {
    return std::floor(number);
}

std::int32_t nearInt(double number) {
    if (!std::isfinite(number)) throw Failure("overflow");
    double r = std::nearbyint(number); // default rounding mode: ties to even
    if (r < std::numeric_limits<std::int32_t>::min() ||
        r > std::numeric_limits<std::int32_t>::max())
        throw Failure("overflow");
    return static_cast<std::int32_t>(r);
}

namespace {
double checkedResult(double r, const char* what) {
    if (!std::isfinite(r)) throw Failure(what);
    return r;
}
} // namespace

double checkedDiv(double a, double b) {
    return checkedResult(a / b, "division by zero");
}
double checkedMul(double a, double b) {
    return checkedResult(a * b, "overflow");
}
double checkedAdd(double a, double b) {
    return checkedResult(a + b, "overflow");
}

} // namespace value
