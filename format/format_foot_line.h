#pragma once
#include <string>

namespace format {

class FormatWindow;

// The foot line's text: facts derived from the two sides the fields hold
// now, each left out where it cannot be computed.
std::string footText(FormatWindow& window);

} // namespace format
