#pragma once
#include "common/media/media_facts.h"
#include "format/format_window.h"

#include <string>

namespace format {

// A picture's or video's frame size enters the window as the user's own
// actions: the lock released, height and width each pasted over their
// field, the lock ticked again if it was (capturing the new ratio), the
// caret in the height field. The list's edit part shows the file's name, so
// no preset line seems chosen. A video whose pixels are not square keeps its
// display ratio (16:9 for 720 x 480 with 32:27 pixels), not the rounded
// sides.
void takePicture(FormatWindow& window, const media::MediaFacts& facts, const std::string& fileName);

// The same actions for any frame size; `listText` is what the list's edit
// part then shows.
void takeSize(FormatWindow& window, long long height, long long width, const std::string& listText);

// Height and width written as the user would, the lock released and ticked
// again if it was; the list and the caret are left alone.
void setSides(FormatWindow& window, long long height, long long width);

} // namespace format
