#pragma once
#include "common/value/variant.h"
#include "dpi/paper_sizes.h"

#include <functional>
#include <optional>

namespace dpi {

// The print size of a side as the window shows it:
// RoundTwoDecimals(pixels / resolution * CmPerInch). Fails where the window's
// computation fails.
value::Variant printCm(double pixels, double resolution);

// The pixels of a side as the window computes them in scan mode:
// floor(resolution / CmPerInch * centimetres). Fails where that fails.
double scanPixels(double cm, double resolution);

// The number the window shows for printCm, or none where it shows none.
std::optional<double> shownCm(double pixels, double resolution);

// The smallest whole resolution of at least 1 at which `holds`, for a
// property that stays true once it holds as the resolution grows; `guess`
// is where it is expected to start. None where it starts beyond any
// resolution the window shows as plain digits.
std::optional<long long> smallestResolution(double guess, const std::function<bool(double)>& holds);

// The smallest whole resolution at which a picture's print size, as shown,
// lies inside the paper, turned to match the picture (across for a
// landscape picture). None for a picture without a positive size, or one
// whose resolution would be no plain whole number.
std::optional<long long> fittingResolution(double heightPx, double widthPx, const Paper& paper);

// The largest whole resolution at which both sides of the print size, as
// shown, are at least the paper's, turned to match the picture. None where
// not even 1 dpi fills it.
std::optional<long long> fillingResolution(double heightPx, double widthPx, const Paper& paper);

// The share of the paper left white at a resolution, 1 - print / paper by
// the areas as shown, in whole percent rounded half up.
std::optional<int> borderPercent(double heightPx, double widthPx, long long resolution,
                                 const Paper& paper);

// The share of the print cut off at a resolution, 1 - paper / print.
std::optional<int> cutPercent(double heightPx, double widthPx, long long resolution,
                              const Paper& paper);

} // namespace dpi
