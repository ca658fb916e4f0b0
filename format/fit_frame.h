#pragma once
#include "format/encoder_sizes.h"
#include "format/format_window.h"

#include <optional>
#include <utility>

namespace format {

// The ratio a fit or fill keeps, width per height and height per width: the
// stored one while the lock is ticked, the fields' own while it is not;
// nothing where the fields hold no usable pair.
std::optional<std::pair<double, double>> ratioToFit(FormatWindow& window);

// "Einpassen in" (fill false) and "Füllend in" (fill true): both sides set as
// the user's own edits with the rounding chosen, the lock as it was and its
// ratio kept, the caret at the end of the height; the foot line then names
// the bars or the part cut off.
void fitIntoFrame(FormatWindow& window, Sides frame, bool fill);

} // namespace format
