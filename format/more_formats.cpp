#include "format/more_formats.h"

#include "format/take_picture.h"

#include <array>

namespace format {

std::span<const FrameSize> moreFormats() {
    static constexpr std::array<FrameSize, 14> sizes{{
        {"16:9", "4K UHD", 2160, 3840},
        {"16:9", "QHD", 1440, 2560},
        {"16:9", "8K", 4320, 7680},
        {"9:16", "hochkant", 1920, 1080},
        {"9:16", "hochkant", 1280, 720},
        {"1:1", "", 1080, 1080},
        {"4:5", "", 1350, 1080},
        {"21:9", "", 1080, 2560},
        {"3:2", "", 4000, 6000},
        {"1,85:1", "2K Flat (DCI)", 1080, 1998},
        {"2,39:1", "2K Scope (DCI)", 858, 2048},
        {"1,90:1", "4K (DCI)", 2160, 4096},
        {"1,85:1", "4K Flat (DCI)", 2160, 3996},
        {"2,39:1", "4K Scope (DCI)", 1716, 4096},
    }};
    return sizes;
}

namespace {
std::string sides(const FrameSize& size) {
    return std::to_string(size.height) + " x " + std::to_string(size.width);
}
} // namespace

std::string menuText(const FrameSize& size) {
    std::string text(size.ratio);
    if (!size.name.empty()) text += " - " + std::string(size.name);
    return text + ", " + sides(size);
}

std::string listText(const FrameSize& size) {
    return std::string(size.ratio) + " - " + sides(size);
}

void takeFrameSize(FormatWindow& window, const FrameSize& size) {
    takeSize(window, size.height, size.width, listText(size));
}

} // namespace format
