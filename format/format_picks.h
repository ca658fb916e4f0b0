#pragma once
#include "common/forms/picks.h"
#include "format/format_window.h"

#include <vector>

namespace format {

// What the context menus of the two fields and of the list's edit part
// offer: turning the sides (fields only), fitting into and filling a frame,
// the rounding of computed sides, and the further frame sizes.
std::vector<forms::PickGroup> picksFor(FormatWindow& window, const forms::Control& control);

} // namespace format
