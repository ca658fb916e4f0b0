#include "common/commands/placement.h"

#include <gtest/gtest.h>

namespace {

using commands::CenterForm;
using commands::Clamp;

struct PlacementCase {
    int screenWidth, screenHeight, windowWidth, windowHeight;
    Clamp clamp;
    int left, top;
    int screenLeft = 0, screenTop = 0; // the screen's origin on the desktop
};

class CenterFormTest : public testing::TestWithParam<PlacementCase> {};

TEST_P(CenterFormTest, CentresAtTheScreensUpperMiddle) {
    const auto& c = GetParam();
    forms::screen() = {c.screenWidth, c.screenHeight, c.screenLeft, c.screenTop};
    forms::Form window(forms::FormDecl{.name = "w",
                                       .caption = "w",
                                       .clientWidth = c.windowWidth,
                                       .clientHeight = c.windowHeight,
                                       .icon = "",
                                       .controls = {}});
    CenterForm(window, c.clamp);
    EXPECT_EQ(window.left(), c.left);
    EXPECT_EQ(window.top(), c.top);
    forms::screen() = {};
}

INSTANTIATE_TEST_SUITE_P(
    Screens, CenterFormTest,
    testing::Values(
        PlacementCase{15360, 11520, 5000, 4000, Clamp::ToScreen, 5180, 2896},
        PlacementCase{15360, 11520, 5000, 4000, Clamp::None, 5180, 2896},
        PlacementCase{15360, 11520, 5000, 12000, Clamp::ToScreen, 5180, 0},
        PlacementCase{15360, 11520, 5000, 12000, Clamp::None, 5180, -1104},
        PlacementCase{15360, 11520, 16000, 4000, Clamp::ToScreen, 0, 2896},
        PlacementCase{15360, 11520, 16000, 4000, Clamp::None, -320, 2896},
        // 15750 x 0.85 = 13387.5 rounds to even 13388.
        PlacementCase{15360, 15750, 5000, 4000, Clamp::None, 5180, 4694},
        // The format window: 4560 x 3870 twips.
        PlacementCase{15360, 11520, 4560, 3870, Clamp::ToScreen, 5400, 2961},
        // A primary screen right of and below another one.
        PlacementCase{9600, 13500, 5000, 4000, Clamp::None, 11900, 5597, 9600, 1860},
        // Above and right of another one: kept on its own edges.
        PlacementCase{15360, 11520, 16000, 12000, Clamp::ToScreen, 15360, -11520, 15360, -11520},
        PlacementCase{15360, 11520, 16000, 12000, Clamp::None, 15040, -12624, 15360, -11520}));

TEST(SetWindowOnTop, SwitchesTheStackingStateAndRunsPendingEvents) {
    forms::Form window(forms::FormDecl{.name = "w",
                                       .caption = "w",
                                       .clientWidth = 4560,
                                       .clientHeight = 3870,
                                       .icon = "",
                                       .controls = {}});
    window.setLeft(100);
    window.setTop(200);
    int pending = 0;
    forms::setDoEventsHook([&] { ++pending; });
    commands::SetWindowOnTop(window, true);
    EXPECT_TRUE(window.topmost());
    commands::SetWindowOnTop(window, false);
    EXPECT_FALSE(window.topmost());
    forms::setDoEventsHook(nullptr);
    EXPECT_EQ(pending, 2);
    EXPECT_EQ(window.left(), 100);
    EXPECT_EQ(window.top(), 200);
}

} // namespace
