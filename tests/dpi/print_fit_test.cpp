// Fitting a picture to a paper: the window then shows a print size inside
// the paper, turned to match the picture, and one dpi less would not fit.
#include "common/value/conversions.h"
#include "dpi/dpi_picks.h"
#include "dpi/print_fit.h"
#include "tests/dpi/dpi_session.h"

#include <gtest/gtest.h>

namespace {

struct Picture {
    const char* name;
    int height, width;
};

class FitToPaper : public testing::TestWithParam<Picture> {};

TEST_P(FitToPaper, ShowsAFittingSizeThatOneDpiLessWouldNot) {
    const Picture p = GetParam();
    for (const dpi::Paper& paper : dpi::paperSizes()) {
        DpiSession s;
        s.run("print; unlock; Text1 = " + std::to_string(p.height) +
              "; Text2 = " + std::to_string(p.width));
        dpi::fitToPaper(s.window, paper);
        const bool landscape = p.width > p.height;
        const double high = landscape ? paper.shortCm : paper.longCm;
        const double wide = landscape ? paper.longCm : paper.shortCm;
        auto fits = [&] {
            return value::toNumber(s.caption("Label10")) <= high &&
                   value::toNumber(s.caption("Label14")) <= wide;
        };
        const long long r = std::stoll(s.text("Text5"));
        EXPECT_TRUE(fits()) << paper.name << " at " << r;
        if (r > 1) {
            s.run("Text5 = " + std::to_string(r - 1));
            EXPECT_FALSE(fits()) << paper.name << " at " << r - 1;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Pictures, FitToPaper,
                         testing::Values(Picture{"upright", 6000, 4000},
                                         Picture{"landscape", 4000, 6000},
                                         Picture{"square", 3000, 3000}, Picture{"tiny", 1, 2},
                                         Picture{"onePixel", 1, 1}, Picture{"largest", 9999, 9999},
                                         Picture{"thinLine", 1, 9999},
                                         Picture{"oddSizes", 767, 1023}),
                         [](const auto& info) { return std::string(info.param.name); });

// No positive size gives no resolution, and the pick changes nothing.
TEST(FitToPaper, LeavesAWindowWithoutASizeAsItWas) {
    for (const char* steps : {"print; unlock; Text2 clear", "print; unlock; Text1 = 0"}) {
        DpiSession s;
        s.run(steps);
        const dpi::Paper& a4 = dpi::paperSizes()[9];
        ASSERT_EQ(a4.name, "DIN A4");
        EXPECT_FALSE(dpi::fittingResolution(value::toNumber(s.text("Text1")), 0, a4));
        dpi::fitToPaper(s.window, a4);
        EXPECT_EQ(s.text("Text5"), "200") << steps;
    }
}

} // namespace
