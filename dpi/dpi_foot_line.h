#pragma once
#include <string>

namespace dpi {

class DpiWindow;

// The foot line's text: facts derived from what the fields hold now, each
// left out where it cannot be computed.
std::string footText(DpiWindow& window);

} // namespace dpi
