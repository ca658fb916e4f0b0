#include "dpi/enlargement.h"

#include "common/forms/error_policy.h"
#include "dpi/dpi_window.h"
#include "dpi/print_fit.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace dpi {

namespace {

struct Side {
    double originalCm, paperCm;
};

bool reaches(const Side& side, double resolution) {
    bool reached = false;
    forms::step([&] {
        const auto cm = shownCm(scanPixels(side.originalCm, resolution), PlannedPrintDpi);
        reached = cm && *cm >= side.paperCm;
    });
    return reached;
}

} // namespace

std::optional<long long> enlargingResolution(double heightCm, double widthCm, const Paper& paper) {
    if (!(heightCm > 0) || !(widthCm > 0) || !std::isfinite(heightCm) || !std::isfinite(widthCm))
        return std::nullopt;
    const bool upright = heightCm >= widthCm;
    const Side height{heightCm, upright ? paper.longCm : paper.shortCm};
    const Side width{widthCm, upright ? paper.shortCm : paper.longCm};
    const double heightRatio = height.paperCm / height.originalCm;
    const double widthRatio = width.paperCm / width.originalCm;
    // Where both ratios are equal, both sides must reach the paper.
    std::vector<Side> limiting;
    if (heightRatio <= widthRatio) limiting.push_back(height);
    if (widthRatio <= heightRatio) limiting.push_back(width);
    auto enough = [&](double r) {
        return std::all_of(limiting.begin(), limiting.end(),
                           [r](const Side& s) { return reaches(s, r); });
    };
    // More resolution never gives fewer pixels: the smallest that reaches
    // lies between 0 (never) and one that does.
    return smallestResolution(std::min(heightRatio, widthRatio) * PlannedPrintDpi, enough);
}

} // namespace dpi
