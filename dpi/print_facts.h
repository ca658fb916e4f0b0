#pragma once
#include <string>

namespace dpi {

// "24,0 Megapixel": one decimal, half up; "< 0,1 Megapixel" below 0,05.
// Empty where the count is no finite number.
std::string megapixelText(double heightPx, double widthPx);

// The lab's grade for a print resolution: "Druckqualität: optimal" from
// 300 dpi, then "sehr gut", "gut", "ausreichend" and "gering".
std::string printGrade(double dpi);

// The distance from which a print looks sharp, one minute of arc per dot:
// "scharf ab 30 cm", from a metre on "scharf ab 1,3 m", both rounded up.
// Empty for a resolution that gives no distance.
std::string sharpDistance(double dpi);

} // namespace dpi
