#include "dpi/dpi_layout.h"
#include "tests/dpi/dpi_session.h"

#include <gtest/gtest.h>

namespace {

using forms::Color;

TEST(StartUp, OpensInScanModeWithTheFocusInTheHeightInCentimetres) {
    DpiSession s;
    EXPECT_TRUE(s.form().shown());
    EXPECT_TRUE(s.form().topmost());
    EXPECT_EQ(s.form().focused(), &s.c("Text3"));
    EXPECT_TRUE(s.window.Text3Active.equals(1));
    EXPECT_TRUE(s.window.Text1Active.isUnset());
    EXPECT_EQ(s.c("Option1").value(), 1);
    EXPECT_EQ(s.c("Check1").value(), 1);
    EXPECT_EQ(s.c("Option1").foreColor(), (Color{192, 64, 0}));
}

TEST(StartUp, MirrorLabelsStandExactlyOverTheHiddenPixelFields) {
    DpiSession s;
    for (auto [field, mirror, shown] :
         {std::tuple{"Text1", "Label15", "768"}, std::tuple{"Text2", "Label16", "1024"}}) {
        SCOPED_TRACE(field);
        EXPECT_FALSE(s.c(field).visible());
        EXPECT_TRUE(s.c(field).locked());
        EXPECT_TRUE(s.c(mirror).visible());
        EXPECT_EQ(s.caption(mirror), shown);
        EXPECT_EQ(s.c(mirror).left(), s.c(field).left());
        EXPECT_EQ(s.c(mirror).top(), s.c(field).top());
        EXPECT_EQ(s.c(mirror).width(), s.c(field).width());
        EXPECT_EQ(s.c(mirror).height(), s.c(field).height());
    }
    EXPECT_FALSE(s.c("Label10").visible());
    EXPECT_FALSE(s.c("Label14").visible());
}

TEST(StartUp, StoresTheRatiosOfTheDefaultPictureAndComputesNothingElse) {
    DpiSession s;
    EXPECT_DOUBLE_EQ(s.window.PxWidthPerHeight.toNumber(), 1024.0 / 768);
    EXPECT_DOUBLE_EQ(s.window.PxHeightPerWidth.toNumber(), 0.75);
    EXPECT_DOUBLE_EQ(s.window.CmWidthPerHeight.toNumber(), 13 / 9.75);
    EXPECT_DOUBLE_EQ(s.window.CmHeightPerWidth.toNumber(), 0.75);
    EXPECT_TRUE(s.c("Picture1").visible());
    EXPECT_TRUE(s.c("Picture2").visible());
    EXPECT_EQ(s.caption("Label12"), "2,36 Mb");
    EXPECT_EQ(s.text("Text1"), "768");
    EXPECT_EQ(s.text("Text2"), "1024");
    EXPECT_EQ(s.text("Text3"), "9,75");
    EXPECT_EQ(s.text("Text4"), "13");
    EXPECT_EQ(s.text("Text5"), "200");
    EXPECT_EQ(s.estimates.count(), 0);
}

TEST(StartUp, IsCentredOnTheScreen) {
    DpiSession s;
    // 11520 * 0.85 = 9792; half of it less half of 6330 (the frames' 5940 and
    // the foot line's 390). Half of 15360 less
    // half of 5175.
    EXPECT_EQ(s.form().top(), 4896 - 3165);
    EXPECT_EQ(s.form().left(), 7680 - 2587);
}

TEST(Layout, TheTabOrderRunsThroughTheFieldsTheLockTheModesAndTheResolution) {
    auto f = dpi::layout();
    std::vector<std::pair<int, std::string>> stops;
    for (const auto& c : f.controls)
        if (c.tabIndex >= 0) stops.emplace_back(c.tabIndex, c.name);
    std::sort(stops.begin(), stops.end());
    std::vector<std::string> names;
    for (auto& s : stops)
        names.push_back(s.second);
    EXPECT_EQ(names, (std::vector<std::string>{"Text1", "Text2", "Text3", "Text4", "Check1",
                                               "Option1", "Option2", "Text5"}));
}

TEST(Layout, ThePictureStoreLiesBelowTheClientAreaInBothModes) {
    DpiSession s;
    for (int round = 0; round < 2; ++round) {
        for (const char* name : {"Picture4", "Picture5", "Picture6", "Picture7"})
            EXPECT_GE(s.c(name).top(), s.form().clientHeight()) << name;
        s.toPrintMode();
    }
}

} // namespace
