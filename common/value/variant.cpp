#include "common/value/variant.h"

#include "common/value/conversions.h"

namespace value {

double Variant::toNumber() const {
    if (auto d = std::get_if<double>(&v_)) return *d;
    if (auto s = std::get_if<std::string>(&v_)) return value::toNumber(*s);
    return 0;
}

std::string Variant::toText() const {
    if (auto d = std::get_if<double>(&v_)) return numberToText(*d);
    if (auto s = std::get_if<std::string>(&v_)) return *s;
    return {};
}

bool Variant::equals(double number) const {
    if (auto s = std::get_if<std::string>(&v_)) {
        auto d = parseNumber(*s);
        return d && *d == number;
    }
    return toNumber() == number;
}

double operator*(const Variant& a, const Variant& b) {
    return checkedMul(a.toNumber(), b.toNumber());
}

} // namespace value
