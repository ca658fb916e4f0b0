#include "tests/dpi/dpi_session.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using forms::Color;
using namespace forms::colors;

// What a mode shows.
struct ModeLook {
    const char* name;
    std::vector<const char*> editable, outputs;
    std::vector<std::pair<const char*, const char*>> mirrorOver; // label, field
    std::vector<const char*> mirrorsHidden;
    const char *image1, *picture3;
    int image1Top, picture3Top;
    Color frame1, frame2, option1, option2;
    const char* focus;
};

// clang-format off
const ModeLook Scan{"scan", {"Text3", "Text4"}, {"Text1", "Text2"},
                    {{"Label15", "Text1"}, {"Label16", "Text2"}}, {"Label10", "Label14"},
                    "scanner", "arrow_down", 240, 720, DarkBlue, DarkRed, DarkRed, Black, "Text3"};
const ModeLook Print{"print", {"Text1", "Text2"}, {"Text3", "Text4"},
                     {{"Label10", "Text3"}, {"Label14", "Text4"}}, {"Label15", "Label16"},
                     "printer", "arrow_up", 690, 210, DarkRed, DarkBlue, Black, DarkRed, "Text1"};
// clang-format on

void expectLook(DpiSession& s, const ModeLook& m) {
    SCOPED_TRACE(m.name);
    for (auto* f : m.editable) {
        EXPECT_TRUE(s.c(f).visible()) << f;
        EXPECT_FALSE(s.c(f).locked()) << f;
    }
    for (auto* f : m.outputs) {
        EXPECT_FALSE(s.c(f).visible()) << f;
        EXPECT_TRUE(s.c(f).locked()) << f;
    }
    for (auto [label, field] : m.mirrorOver) {
        EXPECT_TRUE(s.c(label).visible()) << label;
        EXPECT_EQ(s.c(label).left(), s.c(field).left()) << label;
        EXPECT_EQ(s.c(label).top(), s.c(field).top()) << label;
        EXPECT_EQ(s.caption(label), s.text(field)) << label;
    }
    for (auto* l : m.mirrorsHidden)
        EXPECT_FALSE(s.c(l).visible()) << l;
    EXPECT_EQ(s.c("Image1").picture(), m.image1);
    EXPECT_EQ(s.c("Picture3").picture(), m.picture3);
    EXPECT_EQ(s.c("Image1").top(), m.image1Top);
    EXPECT_EQ(s.c("Picture3").top(), m.picture3Top);
    EXPECT_EQ(s.c("Frame1").foreColor(), m.frame1);
    EXPECT_EQ(s.c("Frame2").foreColor(), m.frame2);
    EXPECT_EQ(s.c("Frame3").foreColor(), DarkRed);
    EXPECT_EQ(s.c("Option1").foreColor(), m.option1);
    EXPECT_EQ(s.c("Option2").foreColor(), m.option2);
    EXPECT_EQ(s.form().focused(), &s.c(m.focus));
}

std::vector<std::string> fieldTexts(DpiSession& s) {
    std::vector<std::string> t;
    for (auto* n : {"Text1", "Text2", "Text3", "Text4", "Text5", "Label12"})
        t.push_back(s.c(n).kind() == forms::Kind::Label ? s.caption(n) : s.text(n));
    return t;
}

TEST(Modes, PrintModeThenBackToScanMode) {
    DpiSession s;
    auto before = fieldTexts(s);
    s.toPrintMode();
    expectLook(s, Print);
    EXPECT_TRUE(s.window.Text1Active.equals(1));
    EXPECT_TRUE(s.window.Text3Active.equals(0));
    s.toScanMode();
    expectLook(s, Scan);
    EXPECT_TRUE(s.window.Text3Active.equals(1));
    EXPECT_TRUE(s.window.Text1Active.equals(0));
    // A switch computes nothing.
    EXPECT_EQ(fieldTexts(s), before);
    EXPECT_EQ(s.estimates.count(), 0);
}

TEST(Modes, PrintModeShowsTheCentimetresInMirrorLabels) {
    DpiSession s;
    s.toPrintMode();
    EXPECT_EQ(s.caption("Label10"), "9,75");
    EXPECT_EQ(s.caption("Label14"), "13");
    EXPECT_EQ(s.c("Label10").foreColor(), (Color{255, 255, 255}));
    EXPECT_EQ(s.text("Text1"), "768");
    EXPECT_EQ(s.text("Text2"), "1024");
}

TEST(Lock, UntickingHidesTheBracketsKeepsTheRatiosAndFocusesTheFirstInput) {
    for (bool print : {false, true}) {
        DpiSession s;
        if (print) s.toPrintMode();
        s.lockOff();
        EXPECT_FALSE(s.c("Picture1").visible());
        EXPECT_FALSE(s.c("Picture2").visible());
        EXPECT_DOUBLE_EQ(s.window.PxWidthPerHeight.toNumber(), 1024.0 / 768);
        EXPECT_DOUBLE_EQ(s.window.CmHeightPerWidth.toNumber(), 0.75);
        EXPECT_EQ(s.form().focused(), &s.c(print ? "Text1" : "Text3"));
        EXPECT_EQ(s.text("Text3"), "9,75");
    }
}

TEST(Lock, TickingStoresTheRatiosOfTheCurrentTexts) {
    DpiSession s;
    s.toPrintMode();
    s.lockOff();
    s.typeOver("Text1", "500"); // the width stays 1024
    EXPECT_DOUBLE_EQ(s.window.PxWidthPerHeight.toNumber(), 1024.0 / 768);
    s.lockOn();
    EXPECT_TRUE(s.c("Picture1").visible());
    EXPECT_TRUE(s.c("Picture2").visible());
    EXPECT_DOUBLE_EQ(s.window.PxWidthPerHeight.toNumber(), 1024.0 / 500);
    EXPECT_DOUBLE_EQ(s.window.PxHeightPerWidth.toNumber(), 500.0 / 1024);
    EXPECT_EQ(s.form().focused(), &s.c("Text1"));
}

TEST(Lock, TickingWhileTheHeightIsZeroChangesNoRatio) {
    DpiSession s;
    s.toPrintMode();
    s.lockOff();
    s.typeOver("Text1", "0");
    ASSERT_EQ(s.text("Text1"), "0");
    s.lockOn();
    EXPECT_EQ(s.c("Check1").value(), 1);
    EXPECT_TRUE(s.c("Picture1").visible());
    EXPECT_TRUE(s.c("Picture2").visible());
    EXPECT_DOUBLE_EQ(s.window.PxWidthPerHeight.toNumber(), 1024.0 / 768);
    EXPECT_DOUBLE_EQ(s.window.PxHeightPerWidth.toNumber(), 0.75);
    EXPECT_DOUBLE_EQ(s.window.CmWidthPerHeight.toNumber(), 13 / 9.75);
    EXPECT_DOUBLE_EQ(s.window.CmHeightPerWidth.toNumber(), 0.75);
    // The focus stays on the box the user clicked.
    EXPECT_EQ(s.form().focused(), &s.c("Check1"));
}

TEST(Lock, NoInfiniteRatioIsEverStored) {
    DpiSession s;
    s.lockOff();
    s.typeOver("Text3", "0"); // scan mode: the height in pixels becomes 0 too
    ASSERT_EQ(s.text("Text1"), "0");
    s.lockOn();
    for (auto* r : {&s.window.PxWidthPerHeight, &s.window.PxHeightPerWidth,
                    &s.window.CmWidthPerHeight, &s.window.CmHeightPerWidth})
        EXPECT_TRUE(std::isfinite(r->toNumber()));
    EXPECT_DOUBLE_EQ(s.window.PxWidthPerHeight.toNumber(), 1024.0 / 768);
}

} // namespace
