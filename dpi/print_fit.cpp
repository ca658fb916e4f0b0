#include "dpi/print_fit.h"

#include "common/forms/error_policy.h"
#include "common/value/conversions.h"
#include "dpi/dpi_window.h"
#include "dpi/round_two_decimals.h"

#include <algorithm>
#include <cmath>

namespace dpi {

namespace {

// Far beyond any scanner, and still shown as plain digits.
constexpr double LargestResolution = 1e9;

bool sideFits(double pixels, double resolution, double paperCm) {
    bool fits = false;
    forms::step([&] { fits = value::toNumber(printCm(pixels, resolution).toText()) <= paperCm; });
    return fits;
}

} // namespace

value::Variant printCm(double pixels, double resolution) {
    using namespace value;
    return RoundTwoDecimals(checkedMul(checkedDiv(pixels, resolution), CmPerInch));
}

std::optional<long long> fittingResolution(double heightPx, double widthPx, const Paper& paper) {
    if (!(heightPx > 0) || !(widthPx > 0) || !std::isfinite(heightPx) || !std::isfinite(widthPx))
        return std::nullopt;
    const bool landscape = widthPx > heightPx;
    const double paperHeight = landscape ? paper.shortCm : paper.longCm;
    const double paperWidth = landscape ? paper.longCm : paper.shortCm;
    auto fits = [&](double r) {
        return sideFits(heightPx, r, paperHeight) && sideFits(widthPx, r, paperWidth);
    };
    // Shown sizes only shrink as the resolution grows: search the smallest
    // that fits between 0 (never fits) and a resolution that does.
    const double exact =
        std::max(heightPx * CmPerInch / paperHeight, widthPx * CmPerInch / paperWidth);
    if (!(exact < LargestResolution)) return std::nullopt;
    double low = 0;
    double high = std::max(1.0, std::ceil(exact));
    while (!fits(high)) {
        low = high;
        high *= 2;
        if (high > 2 * LargestResolution) return std::nullopt;
    }
    while (high - low > 1) {
        const double middle = std::floor((low + high) / 2);
        (fits(middle) ? high : low) = middle;
    }
    const double r = high;
    return static_cast<long long>(r);
}

} // namespace dpi
