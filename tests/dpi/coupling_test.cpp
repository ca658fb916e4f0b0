#include "dpi_session.h"

#include <gtest/gtest.h>

#include <cmath>

#include <set>

namespace {

// The fields whose Change event ran, the edited field's own included.
struct ChangedFields {
    std::set<std::string> names;
    explicit ChangedFields(forms::Form& form) {
        form.setTracer([this](const forms::Control& c, forms::Event e, bool entering, int) {
            if (entering && e == forms::Event::Change) names.insert(c.name());
        });
    }
};

TEST(Coupling, BringingTheResolutionBackToItsDefaultRoundsThePixelsDown) {
    DpiSession s;
    s.typeAtEnd("Text5", "\b");
    EXPECT_EQ(s.text("Text5"), "20");
    s.typeAtEnd("Text5", "0");
    EXPECT_EQ(s.text("Text1"), "767");
    EXPECT_EQ(s.text("Text2"), "1023");
    EXPECT_EQ(s.caption("Label15"), "767");
    EXPECT_EQ(s.caption("Label16"), "1023");
    // The ratios were stored anew from the new pixels.
    EXPECT_DOUBLE_EQ(s.window.PxWidthPerHeight.toNumber(), 1023.0 / 767);
}

TEST(Coupling, ScanModeUsesTheExactInchNot254) {
    DpiSession s;
    s.typeOver("Text5", "100");
    s.typeOver("Text3", "2,54");
    EXPECT_EQ(s.text("Text1"), "99");
    EXPECT_EQ(s.caption("Label15"), "99");
}

TEST(Coupling, PrintModeOneHundredPixelsAtOneHundredDpi) {
    DpiSession s;
    s.toPrintMode();
    s.typeOver("Text5", "100");
    s.typeOver("Text1", "100");
    EXPECT_EQ(s.text("Text3"), "2,54");
    EXPECT_EQ(s.caption("Label10"), "2,54");
}

TEST(Coupling, PrintModeWithTheLockOffWritesOnlyTheHeightInCentimetres) {
    DpiSession s;
    s.toPrintMode();
    s.lockOff();
    s.focus("Text1");
    s.c("Text1").setSelection(3, 0);
    const int runs = s.window.fileSizeRuns();
    ChangedFields changed(s.form());
    s.form().userType(s.c("Text1"), '2');
    EXPECT_EQ(s.text("Text1"), "7682");
    EXPECT_EQ(changed.names, (std::set<std::string>{"Text1", "Text3"}));
    // 7682 / 200 * 2.540066525552 = 97.5639...
    EXPECT_EQ(s.text("Text3"), "97,56");
    EXPECT_EQ(s.text("Text2"), "1024");
    EXPECT_EQ(s.text("Text4"), "13");
    EXPECT_EQ(s.window.fileSizeRuns(), runs + 2);
    // 1024 x 7682 pixels.
    EXPECT_EQ(s.caption("Label12"), "23,61 Mb");
    EXPECT_TRUE(s.mirrorsEqualFields());
}

TEST(Coupling, ZeroResolutionInPrintMode) {
    DpiSession s;
    s.toPrintMode();
    s.typeOver("Text5", "0");
    EXPECT_EQ(s.text("Text3"), "");
    EXPECT_EQ(s.text("Text4"), "");

    // The lock on: the width in pixels still follows, the centimetres cannot.
    s.typeOver("Text1", "600");
    EXPECT_EQ(s.text("Text2"), "800");
    EXPECT_EQ(s.text("Text3"), "");
    EXPECT_EQ(s.text("Text4"), "");

    s.lockOff();
    s.typeOver("Text1", "5");
    EXPECT_EQ(s.text("Text3"), "");
    EXPECT_EQ(s.text("Text2"), "800");
    EXPECT_TRUE(s.mirrorsEqualFields());
}

TEST(Coupling, ZeroResolutionInScanMode) {
    DpiSession s;
    s.typeOver("Text5", "0");
    EXPECT_EQ(s.text("Text1"), "0");
    EXPECT_EQ(s.text("Text2"), "0");
    EXPECT_EQ(s.caption("Label12"), "60 Byte");
    // 0 / 0 stores no ratio: the earlier ones stay.
    EXPECT_DOUBLE_EQ(s.window.PxWidthPerHeight.toNumber(), 1024.0 / 768);
    EXPECT_TRUE(s.mirrorsEqualFields());
}

TEST(Coupling, EmptyingTheResolutionInPrintModeEmptiesTheCentimetres) {
    DpiSession s;
    s.toPrintMode();
    s.clear("Text5");
    EXPECT_EQ(s.text("Text3"), "");
    EXPECT_EQ(s.text("Text4"), "");
    EXPECT_EQ(s.caption("Label12"), "2,36 Mb");
    EXPECT_TRUE(s.mirrorsEqualFields());
}

TEST(Coupling, EmptyingTheResolutionInScanModeKeepsThePixels) {
    DpiSession s;
    s.lockOff();
    s.typeOver("Text3", "5");
    ASSERT_DOUBLE_EQ(s.window.CmWidthPerHeight.toNumber(), 13 / 9.75);
    const int runs = s.window.fileSizeRuns();
    const std::string height = s.text("Text1");
    s.clear("Text5");
    EXPECT_EQ(s.text("Text1"), height);
    EXPECT_EQ(s.text("Text2"), "1024");
    // The ratios and the file size still run.
    EXPECT_DOUBLE_EQ(s.window.CmWidthPerHeight.toNumber(), 13 / 5.0);
    EXPECT_EQ(s.window.fileSizeRuns(), runs + 1);
    EXPECT_TRUE(s.mirrorsEqualFields());
}

TEST(Coupling, ALoneCommaInTheHeightEmptiesTheWidthAndKeepsThePixels) {
    DpiSession s;
    s.typeOver("Text3", ",");
    EXPECT_EQ(s.text("Text3"), ",");
    EXPECT_EQ(s.text("Text4"), "");
    EXPECT_EQ(s.text("Text1"), "768");
    EXPECT_EQ(s.text("Text2"), "1024");
    EXPECT_EQ(s.caption("Label14"), "");
}

TEST(Coupling, TwoCommasInTheHeight) {
    DpiSession s;
    s.typeOver("Text3", "1,2");
    // 1,2 cm with the default ratio: 1,6 cm wide; at 200 dpi 94 x 125 pixels.
    EXPECT_EQ(s.text("Text4"), "1,6");
    EXPECT_EQ(s.text("Text1"), "94");
    EXPECT_EQ(s.text("Text2"), "125");
    s.typeAtEnd("Text3", ",3");
    EXPECT_EQ(s.text("Text3"), "1,2,3");
    EXPECT_EQ(s.text("Text4"), "");
    EXPECT_EQ(s.text("Text1"), "94");
    EXPECT_EQ(s.text("Text2"), "125");
    EXPECT_TRUE(s.mirrorsEqualFields());
}

TEST(Coupling, TwoCommasWithTheLockOffWriteNoField) {
    DpiSession s;
    s.lockOff();
    s.typeOver("Text3", "1,2");
    ChangedFields changed(s.form());
    s.typeAtEnd("Text3", ",");
    EXPECT_EQ(changed.names, (std::set<std::string>{"Text3"}));
    // Nothing refreshed the height's own (hidden) mirror.
    EXPECT_EQ(s.caption("Label10"), "1,2");
}

TEST(Coupling, TheResolutionIgnoresTheLockAndStoresTheRatiosAnew) {
    DpiSession s;
    s.lockOff();
    s.typeOver("Text3", "5"); // lock off: only the height in pixels follows
    ASSERT_EQ(s.text("Text2"), "1024");
    s.typeOver("Text5", "100");
    // 100 / 2.540066525552 x 5 = 196.84..., x 13 = 511.79...
    EXPECT_EQ(s.text("Text1"), "196");
    EXPECT_EQ(s.text("Text2"), "511");
    EXPECT_DOUBLE_EQ(s.window.PxWidthPerHeight.toNumber(), 511.0 / 196);
    EXPECT_DOUBLE_EQ(s.window.CmWidthPerHeight.toNumber(), 13 / 5.0);
    EXPECT_TRUE(s.mirrorsEqualFields());
}

TEST(Coupling, ClearingThePixelHeightWithTheLockOnEmptiesTheHeightInCentimetres) {
    DpiSession s;
    s.toPrintMode();
    s.clear("Text1");
    EXPECT_EQ(s.text("Text1"), "");
    EXPECT_EQ(s.text("Text2"), "1024");
    // The width in centimetres comes from the unchanged width in pixels.
    EXPECT_EQ(s.text("Text4"), "13,00");
    // A failed computation never passes on the width's result.
    EXPECT_EQ(s.text("Text3"), "");
    EXPECT_EQ(s.caption("Label12"), "60 Byte");
    EXPECT_TRUE(s.mirrorsEqualFields());
}

TEST(Coupling, ClearingThePixelHeightWithTheLockOff) {
    DpiSession s;
    s.toPrintMode();
    s.lockOff();
    s.clear("Text1");
    EXPECT_EQ(s.text("Text3"), "");
    EXPECT_EQ(s.text("Text4"), "13");
}

TEST(Coupling, ClearingThePixelWidthWithTheLockOnEmptiesTheWidthInCentimetres) {
    DpiSession s;
    s.toPrintMode();
    s.clear("Text2");
    EXPECT_EQ(s.text("Text1"), "768");
    EXPECT_EQ(s.text("Text3"), "9,75");
    EXPECT_EQ(s.text("Text4"), "");
    EXPECT_TRUE(s.mirrorsEqualFields());
}

TEST(Coupling, AResolutionEditWithAnEmptyWidthEmptiesOnlyTheWidth) {
    DpiSession s;
    s.toPrintMode();
    s.lockOff();
    s.clear("Text2");
    s.typeAtEnd("Text5", "0");
    EXPECT_EQ(s.text("Text5"), "2000");
    EXPECT_EQ(s.text("Text3"), "0,97");
    EXPECT_EQ(s.text("Text4"), "");
    EXPECT_TRUE(s.mirrorsEqualFields());
}

TEST(Coupling, LongPixelResultsAreWrittenWhole) {
    DpiSession s;
    s.lockOff();
    s.typeOver("Text3", "99999");
    EXPECT_EQ(s.text("Text1"), "7873730");
    EXPECT_EQ(s.caption("Label15"), "7873730");
}

TEST(Coupling, HugeResultsKeepTheirExponent) {
    DpiSession s;
    s.typeOver("Text3", "1000000000000000");
    EXPECT_EQ(s.text("Text4"), "1,33E+15");

    DpiSession t;
    t.lockOff();
    t.typeOver("Text3", "10000000000");
    t.typeOver("Text4", "10000000000");
    EXPECT_EQ(t.text("Text1"), "787380952380");
    EXPECT_EQ(t.text("Text2"), "787380952380");
    EXPECT_EQ(t.caption("Label12"), "1,86E+18 Mb");
}

} // namespace
