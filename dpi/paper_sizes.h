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

// The image areas of film and slide originals, for planning a scan.
std::span<const Paper> filmOriginals();

// The name, followed by ", 21 x 29,7 cm" unless the name already gives
// both sides in centimetres ("Foto 13 x 18"). A screen reader reads the
// entry as it stands.
std::string paperText(const Paper& paper);

} // namespace dpi
