#pragma once
#include "dpi/paper_sizes.h"

#include <optional>

namespace dpi {

// The resolution a later print is planned at.
constexpr double PlannedPrintDpi = 300;

// The smallest whole scan resolution at which an original of these
// centimetres, scanned to the pixels the window shows and printed at
// PlannedPrintDpi as the window shows centimetres, reaches the paper on the
// limiting side: the side whose paper-over-original ratio is the smaller,
// the paper turned as the original is (upright when the height is at least
// the width). None for an original without a positive size, or one that
// needs more than any scanner could give.
std::optional<long long> enlargingResolution(double heightCm, double widthCm, const Paper& paper);

} // namespace dpi
