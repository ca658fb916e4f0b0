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
    const auto cm = shownCm(pixels, resolution);
    return cm && *cm <= paperCm;
}

bool sideFills(double pixels, double resolution, double paperCm) {
    const auto cm = shownCm(pixels, resolution);
    return cm && *cm >= paperCm;
}

bool usableSize(double heightPx, double widthPx) {
    return heightPx > 0 && widthPx > 0 && std::isfinite(heightPx) && std::isfinite(widthPx);
}

// The paper's sides turned to match the picture: across for a landscape
// picture.
struct Turned {
    double height, width;
};
Turned turned(double heightPx, double widthPx, const Paper& paper) {
    const bool landscape = widthPx > heightPx;
    return {landscape ? paper.shortCm : paper.longCm, landscape ? paper.longCm : paper.shortCm};
}

// Centimetres as shown have two decimals: their hundredths are whole, so
// the areas compare exactly.
constexpr double LargestSideCm = 1e6;
std::optional<long long> hundredths(double cm) {
    if (!(cm >= 0) || cm > LargestSideCm) return std::nullopt;
    return std::llround(cm * 100);
}

// 1 - smaller / larger in whole percent, half up.
std::optional<int> sharePercent(double smallH, double smallW, double largeH, double largeW) {
    const auto sh = hundredths(smallH), sw = hundredths(smallW);
    const auto lh = hundredths(largeH), lw = hundredths(largeW);
    if (!sh || !sw || !lh || !lw) return std::nullopt;
    const long long small = *sh * *sw;
    const long long large = *lh * *lw;
    if (large <= 0 || small > large) return std::nullopt;
    return static_cast<int>((200 * (large - small) + large) / (2 * large));
}

} // namespace

value::Variant printCm(double pixels, double resolution) {
    using namespace value;
    return RoundTwoDecimals(checkedMul(checkedDiv(pixels, resolution), CmPerInch));
}

double scanPixels(double cm, double resolution) {
    using namespace value;
    return intFloor(checkedMul(checkedDiv(resolution, CmPerInch), cm));
}

std::optional<double> shownCm(double pixels, double resolution) {
    std::optional<double> cm;
    forms::step([&] { cm = value::toNumber(printCm(pixels, resolution).toText()); });
    return cm;
}

std::optional<long long> smallestResolution(double guess,
                                            const std::function<bool(double)>& holds) {
    if (!(guess < LargestResolution)) return std::nullopt;
    // Between 0 (does not hold) and a resolution that holds.
    double low = 0;
    double high = std::max(1.0, std::ceil(guess));
    while (!holds(high)) {
        low = high;
        high *= 2;
        if (high > 2 * LargestResolution) return std::nullopt;
    }
    while (high - low > 1) {
        const double middle = std::floor((low + high) / 2);
        (holds(middle) ? high : low) = middle;
    }
    return static_cast<long long>(high);
}

std::optional<long long> fittingResolution(double heightPx, double widthPx, const Paper& paper) {
    if (!usableSize(heightPx, widthPx)) return std::nullopt;
    const Turned p = turned(heightPx, widthPx, paper);
    auto fits = [&](double r) {
        return sideFits(heightPx, r, p.height) && sideFits(widthPx, r, p.width);
    };
    // Shown sizes only shrink as the resolution grows.
    return smallestResolution(
        std::max(heightPx * CmPerInch / p.height, widthPx * CmPerInch / p.width), fits);
}

std::optional<long long> fillingResolution(double heightPx, double widthPx, const Paper& paper) {
    if (!usableSize(heightPx, widthPx)) return std::nullopt;
    const Turned p = turned(heightPx, widthPx, paper);
    auto fills = [&](double r) {
        return sideFills(heightPx, r, p.height) && sideFills(widthPx, r, p.width);
    };
    if (!fills(1)) return std::nullopt;
    // The mirror of the fit: one below the smallest that no longer fills.
    const auto beyond = smallestResolution(
        std::min(heightPx * CmPerInch / p.height, widthPx * CmPerInch / p.width) + 1,
        [&](double r) { return !fills(r); });
    if (!beyond) return std::nullopt;
    return *beyond - 1;
}

namespace {

// The share of the larger of print and paper that the smaller leaves out,
// by the areas as shown.
std::optional<int> printPaperShare(double heightPx, double widthPx, long long resolution,
                                   const Paper& paper, bool paperIsLarger) {
    const auto h = shownCm(heightPx, static_cast<double>(resolution));
    const auto w = shownCm(widthPx, static_cast<double>(resolution));
    if (!h || !w) return std::nullopt;
    const Turned p = turned(heightPx, widthPx, paper);
    return paperIsLarger ? sharePercent(*h, *w, p.height, p.width)
                         : sharePercent(p.height, p.width, *h, *w);
}

} // namespace

std::optional<int> borderPercent(double heightPx, double widthPx, long long resolution,
                                 const Paper& paper) {
    return printPaperShare(heightPx, widthPx, resolution, paper, true);
}

std::optional<int> cutPercent(double heightPx, double widthPx, long long resolution,
                              const Paper& paper) {
    return printPaperShare(heightPx, widthPx, resolution, paper, false);
}

} // namespace dpi
