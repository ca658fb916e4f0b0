#include "dpi/paper_sizes.h"

#include "common/value/conversions.h"

#include <array>

namespace dpi {

std::span<const Paper> paperSizes() {
    static constexpr std::array<Paper, 13> papers{{
        {"Foto 9 x 13", 9, 13},
        {"Foto 10 x 15", 10, 15},
        {"Foto 13 x 18", 13, 18},
        {"Foto 15 x 20", 15, 20},
        {"Foto 20 x 30", 20, 30},
        {"Foto 30 x 45", 30, 45},
        {"Foto 40 x 60", 40, 60},
        {"DIN A6", 10.5, 14.8},
        {"DIN A5", 14.8, 21},
        {"DIN A4", 21, 29.7},
        {"DIN A3", 29.7, 42},
        {"DIN A2", 42, 59.4},
        {"US Letter", 21.59, 27.94},
    }};
    return papers;
}

std::span<const Paper> filmOriginals() {
    static constexpr std::array<Paper, 7> originals{{
        {"Kleinbild 24 x 36 mm", 2.4, 3.6},
        {"Halbformat 18 x 24 mm", 1.8, 2.4},
        {"Mittelformat 6 x 4,5", 4.15, 5.6},
        {"Mittelformat 6 x 6", 5.6, 5.6},
        {"Mittelformat 6 x 7", 5.6, 6.95},
        {"Mittelformat 6 x 9", 5.6, 8.4},
        {"Großformat 4 x 5 Zoll", 10.16, 12.7},
    }};
    return originals;
}

std::string paperText(const Paper& paper) {
    const std::string sides =
        value::numberToText(paper.shortCm) + " x " + value::numberToText(paper.longCm);
    const std::string name(paper.name);
    const bool named = name.size() >= sides.size() &&
                       name.compare(name.size() - sides.size(), sides.size(), sides) == 0;
    return named ? name : name + ", " + sides + " cm";
}

} // namespace dpi
