#include "dpi/print_facts.h"

#include <cmath>
#include <numbers>

namespace dpi {

namespace {

// Whole tenths written with a comma: 13 becomes "1,3".
std::string tenthsText(double tenths) {
    const long long t = static_cast<long long>(tenths);
    return std::to_string(t / 10) + "," + std::to_string(t % 10);
}

// Beyond this, a tenth no longer fits a whole number of the text.
constexpr double LargestTenths = 1e15;

} // namespace

std::string megapixelText(double heightPx, double widthPx) {
    const double pixels = heightPx * widthPx;
    if (!std::isfinite(pixels) || pixels < 0) return {};
    const double tenths = std::floor(pixels / 100000 + 0.5);
    if (tenths > LargestTenths) return {};
    if (tenths < 1) return "< 0,1 Megapixel";
    return tenthsText(tenths) + " Megapixel";
}

std::string printGrade(double dpi) {
    const char* grade = dpi >= 300   ? "optimal"
                        : dpi >= 200 ? "sehr gut"
                        : dpi >= 150 ? "gut"
                        : dpi >= 100 ? "ausreichend"
                                     : "gering";
    return std::string("Druckqualität: ") + grade;
}

std::string sharpDistance(double dpi) {
    if (!(dpi > 0) || !std::isfinite(dpi)) return {};
    // The metric inch, not the window's: this is optics, not the fields.
    const double arcMinute = std::numbers::pi / (180 * 60);
    const double cm = 2.54 / std::tan(arcMinute) / dpi;
    const double wholeCm = std::ceil(cm);
    if (wholeCm < 100)
        return "scharf ab " + std::to_string(static_cast<long long>(wholeCm)) + " cm";
    const double tenthsOfMetre = std::ceil(cm / 10);
    if (tenthsOfMetre > LargestTenths) return {};
    return "scharf ab " + tenthsText(tenthsOfMetre) + " m";
}

} // namespace dpi
