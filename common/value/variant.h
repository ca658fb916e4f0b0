#pragma once
#include <string>
#include <variant>

namespace value {

// The dynamic value of form-level variables and intermediate results:
// unset until assigned, then a number or a text.
class Variant {
public:
    Variant() = default;
    Variant(double number) : v_(number) {}                   // NOLINT: assigned like a number
    Variant(int number) : v_(static_cast<double>(number)) {} // NOLINT
    Variant(std::string text) : v_(std::move(text)) {}       // NOLINT
    Variant(const char* text) : v_(std::string(text)) {}     // NOLINT

    bool isUnset() const { return std::holds_alternative<std::monostate>(v_); }
    bool isNumber() const { return std::holds_alternative<double>(v_); }
    bool isText() const { return std::holds_alternative<std::string>(v_); }

    // Unset is 0; a text is converted (Failure when it is no number).
    double toNumber() const;
    // Unset is the empty text; a number takes its text form.
    std::string toText() const;

    // Comparison as the forms code does it: unset counts as 0, a text is
    // converted first (a text that is no number is simply not equal).
    bool equals(double number) const;

    friend bool operator==(const Variant&, const Variant&) = default;

private:
    std::variant<std::monostate, double, std::string> v_;
};

// Multiplication of dynamic values: both converted, result checked.
double operator*(const Variant& a, const Variant& b);

} // namespace value
