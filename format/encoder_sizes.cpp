#include "format/encoder_sizes.h"

#include "common/value/failure.h"

#include <algorithm>
#include <cmath>

namespace format {

namespace {

// Products of a stored ratio land a hair beside a whole number
// (1080 x 1440/1080 may give 1439.9999999999998).
constexpr double Slack = 1e-9;

// Beyond this no side is meant; it would not fit a whole number either.
constexpr double Largest = 1e15;

double checked(double side) {
    if (!std::isfinite(side) || side < 0 || side > Largest)
        throw value::Failure("Die Seite lässt sich nicht berechnen.");
    return side;
}

double multipleBelow(double value, int step) {
    return std::max(1.0, std::floor(value / step + Slack)) * step;
}

double multipleAbove(double value, int step) {
    return std::max(1.0, std::ceil(value / step - Slack)) * step;
}

// Both parts of a remainder, the larger one second: "oben und unten je 4",
// "oben 140, unten 141".
std::string split(const char* first, const char* second, long long total) {
    const long long a = total / 2, b = total - a;
    if (a == b) return std::string(first) + " und " + second + " je " + std::to_string(a);
    return std::string(first) + ' ' + std::to_string(a) + ", " + second + ' ' + std::to_string(b);
}

} // namespace

double nearestMultiple(double value, int step) {
    checked(value);
    const double below = std::floor(value / step) * step;
    const double nearest = value - below >= step / 2.0 - Slack ? below + step : below;
    return std::max(nearest, static_cast<double>(step));
}

double computedSide(double exact, Rounding rounding) {
    if (rounding == Rounding::WholePixels) return std::floor(exact);
    return nearestMultiple(exact, static_cast<int>(rounding));
}

Sides fitFrame(double widthPerHeight, double heightPerWidth, Sides frame, Rounding rounding,
               bool fill) {
    const auto frameHeight = static_cast<double>(frame.height);
    const auto frameWidth = static_cast<double>(frame.width);
    const double widthAtFrameHeight = checked(frameHeight * widthPerHeight);
    // A fit is limited by the side that runs out first, a fill by the other.
    const bool heightLimits = fill ? widthAtFrameHeight >= frameWidth * (1 - Slack)
                                   : widthAtFrameHeight <= frameWidth * (1 + Slack);
    const double limit = heightLimits ? frameHeight : frameWidth;
    const double otherLimit = heightLimits ? frameWidth : frameHeight;
    const double ratio = heightLimits ? widthPerHeight : heightPerWidth;
    double side = limit, other = 0;
    const int step = static_cast<int>(rounding);
    if (rounding == Rounding::WholePixels) {
        const double exact = checked(side * ratio);
        other = fill ? std::max(otherLimit, std::ceil(exact - Slack))
                     : std::min(otherLimit, std::floor(exact + Slack));
    } else {
        side = fill ? multipleAbove(limit, step) : multipleBelow(limit, step);
        const double exact = checked(side * ratio);
        other = nearestMultiple(exact, step);
        if (!fill && other > otherLimit) other = multipleBelow(otherLimit, step);
        if (fill && other < otherLimit) other = multipleAbove(otherLimit, step);
    }
    const auto a = static_cast<long long>(side), b = static_cast<long long>(other);
    return heightLimits ? Sides{a, b} : Sides{b, a};
}

std::string frameNote(Sides frame, Sides size, bool fill) {
    const long long across = fill ? size.height - frame.height : frame.height - size.height;
    const long long along = fill ? size.width - frame.width : frame.width - size.width;
    std::string parts;
    if (across > 0) parts = split("oben", "unten", across);
    if (along > 0) {
        if (!parts.empty()) parts += ", ";
        parts += split("links", "rechts", along);
    }
    if (parts.empty()) return {};
    return std::string(fill ? "abgeschnitten " : "Balken ") + parts + " Pixel";
}

} // namespace format
