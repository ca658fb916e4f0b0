#pragma once
#include <string>

namespace format {

class FormatWindow;

// The foot line's text: facts derived from the two sides the fields hold
// now, each left out where it cannot be computed.
std::string footText(FormatWindow& window);

// Its parts, for sides of at least one pixel.
// "16:9", "11:10", "≈ 16:9" or empty, width first.
std::string ratioText(long long height, long long width);
// The long side over the short one: "1,78:1".
std::string decimalRatioText(long long height, long long width);
// "2,1 MP", "< 0,1 MP".
std::string megapixelText(long long height, long long width);
// "durch 16 teilbar" ... "gerade", or which sides are odd.
std::string divisibilityText(long long height, long long width);
// "weicht 0,45 % ab" for the sides' width per height against the stored
// one; empty where that rounds to 0,00 %.
std::string deviationText(long long height, long long width, double storedWidthPerHeight);

} // namespace format
