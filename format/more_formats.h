#pragma once
#include "format/format_window.h"

#include <span>
#include <string>
#include <string_view>

namespace format {

// Today's frame sizes beyond the preset list, which stays as it is.
struct FrameSize {
    std::string_view ratio; // "16:9"
    std::string_view name;  // "4K UHD"; empty when the ratio says it all
    int height;
    int width;
};

std::span<const FrameSize> moreFormats();

// The menu's words: "16:9 - 4K UHD, 2160 x 3840".
std::string menuText(const FrameSize& size);
// The list's own form: "16:9 - 2160 x 3840".
std::string listText(const FrameSize& size);

// Applied as opening a picture of that size is; the list's edit part then
// shows the size in the list's own form.
void takeFrameSize(FormatWindow& window, const FrameSize& size);

} // namespace format
