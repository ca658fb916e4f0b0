#pragma once
#include "common/media/media_facts.h"
#include "dpi/dpi_window.h"

namespace dpi {

// A picture's facts enter the window as the user's own actions, so that every
// handler runs as for typing: print mode chosen, the lock released, height,
// width and (if the file records one) resolution each pasted over their
// field, the lock ticked again if it was (storing the picture's ratios), and
// the caret at the end of the height in pixels.
void takePicture(DpiWindow& window, const media::MediaFacts& facts);

} // namespace dpi
