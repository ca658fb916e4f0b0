#pragma once
#include <span>
#include <string>
#include <string_view>

namespace dpi {

// A paper in centimetres, short side first, as it is sold and named.
struct Paper {
    std::string_view name;
    double shortCm;
    double longCm;
};

// Photo prints, DIN A6 to A2 and US Letter.
std::span<const Paper> paperSizes();

// "DIN A4, 21 x 29,7 cm": the name and both sides, as a screen reader reads
// the entry.
std::string paperText(const Paper& paper);

} // namespace dpi
