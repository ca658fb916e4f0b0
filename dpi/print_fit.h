#pragma once
#include "common/value/variant.h"
#include "dpi/paper_sizes.h"

#include <optional>

namespace dpi {

// The print size of a side as the window shows it:
// RoundTwoDecimals(pixels / resolution * CmPerInch). Fails where the window's
// computation fails.
value::Variant printCm(double pixels, double resolution);

// The smallest whole resolution at which a picture's print size, as shown,
// lies inside the paper, turned to match the picture (across for a
// landscape picture). None for a picture without a positive size, or one
// whose resolution would be no plain whole number.
std::optional<long long> fittingResolution(double heightPx, double widthPx, const Paper& paper);

} // namespace dpi
