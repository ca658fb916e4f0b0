#include "common/commands/placement.h"

#include <gtest/gtest.h>

namespace {

struct Placement {
    int screenWidth, screenHeight;
    int windowWidth, windowHeight;
    int top, left;
    int screenLeft = 0, screenTop = 0;
};

class CenterFormForTheDpiWindow : public testing::TestWithParam<Placement> {};

// The dpi calculator's copy does not keep the window on the screen.
TEST_P(CenterFormForTheDpiWindow, PlacesTheWindow) {
    const auto& p = GetParam();
    forms::screen() = forms::Screen{p.screenWidth, p.screenHeight, p.screenLeft, p.screenTop};
    forms::FormDecl decl;
    decl.clientWidth = p.windowWidth;
    decl.clientHeight = p.windowHeight;
    forms::Form window(decl);
    commands::CenterForm(window);
    EXPECT_EQ(window.top(), p.top);
    EXPECT_EQ(window.left(), p.left);
}

INSTANTIATE_TEST_SUITE_P(Edges, CenterFormForTheDpiWindow,
                         testing::Values(Placement{15360, 11520, 5000, 4000, 2896, 5180},
                                         Placement{15360, 11520, 5000, 12000, -1104, 5180},
                                         Placement{15360, 11520, 16000, 4000, 2896, -320},
                                         Placement{15360, 15750, 5000, 0, 6694, 5180},
                                         // A screen left of and above the desktop origin.
                                         Placement{9600, 13500, 5175, 5940, -233, -7387, -9600,
                                                   -3000}));

} // namespace
