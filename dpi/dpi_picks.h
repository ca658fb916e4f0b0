#pragma once
#include "common/forms/picks.h"
#include "dpi/dpi_window.h"
#include "dpi/paper_sizes.h"

#include <optional>
#include <vector>

namespace dpi {

// The resolutions offered for a pick.
const std::vector<int>& commonResolutions();

// A field's number where the window can compute with it: positive and
// finite.
std::optional<double> usableValue(const forms::Control& field);

// Each pick acts as the user would: the resolution pasted over its field,
// with the caret at its end.
void pickResolution(DpiWindow& window, long long resolution);

// Print mode: the smallest whole resolution at which the print size, as
// shown, fits the paper. Does nothing for pixels that give none.
void fitToPaper(DpiWindow& window, const Paper& paper);

// Print mode: the largest whole resolution at which the print size, as
// shown, covers the paper. Does nothing where none does.
void fillPaper(DpiWindow& window, const Paper& paper);

// Scan mode: the smallest whole resolution at which the original in the
// centimetre fields, printed at 300 dpi, reaches the paper. Does nothing
// while a centimetre field or the resolution is not usable.
void enlargeTo(DpiWindow& window, const Paper& paper);

// Scan mode: the paper, turned as the centimetres are (upright when the
// height is at least the width), becomes the scan area: the lock released,
// height and width each pasted over their field, the lock ticked again if
// it was, and the caret at the end of the height.
void scanPaper(DpiWindow& window, const Paper& paper);

// What the context menu of a control offers now.
std::vector<forms::PickGroup> picksFor(DpiWindow& window, const forms::Control& control);

} // namespace dpi
