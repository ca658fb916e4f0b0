#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Text <-> number conversions with German conventions (decimal comma), the
// same on every machine whatever the system locale says.
namespace value {

// Blanks around, optional sign, digits with at most one comma and at least
// one digit, optional exponent. Nothing else; out of the double range fails.
std::optional<double> parseNumber(std::string_view text);

// parseNumber or Failure.
double toNumber(std::string_view text);

// Shortest form with at most 15 significant digits and a decimal comma;
// magnitudes from 1e15 up or below 1e-4 as mantissa and signed exponent.
std::string numberToText(double number);

// The longest leading number with "." as separator, else 0.
double val(std::string_view text);

// Largest integer not above the number.
double intFloor(double number);

// Nearest 32-bit integer, ties to even; Failure outside the range.
std::int32_t nearInt(double number);

// Arithmetic that fails where the floating-point unit would raise
// invalid-operation, division-by-zero or overflow (a non-finite result).
double checkedDiv(double a, double b);
double checkedMul(double a, double b);
double checkedAdd(double a, double b);

} // namespace value
