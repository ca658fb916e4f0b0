#include "tests/dpi/dpi_session.h"

#include <gtest/gtest.h>

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

struct Case {
    const char* name;
    const char* before; // steps, see DpiSession::run
    const char* last;   // the step whose Change events and file size runs are counted
    // "Control=shown" items separated by ';', and "mirrors" (every mirror
    // equals its field), "px=a/b", "cm=a/b" (the stored width per height;
    // "pxh", "cmh" height per width),
    // "changed=Text1,Text3", "runs=n" about the last step.
    const char* expect;
};
void PrintTo(const Case& c, std::ostream* os) {
    *os << c.name;
}

double quotient(std::string_view q) {
    const auto slash = q.find('/');
    return std::stod(std::string(q.substr(0, slash))) / std::stod(std::string(q.substr(slash + 1)));
}

class Coupling : public ::testing::TestWithParam<Case> {};

TEST_P(Coupling, Shows) {
    const Case& k = GetParam();
    DpiSession s;
    s.run(k.before);
    const int runs = s.estimates.count();
    ChangedFields changed(s.form());
    s.run(k.last);
    for (std::string_view item : DpiSession::split(k.expect, ';')) {
        const auto eq = item.find('=');
        const std::string key(item.substr(0, eq));
        const std::string_view value = eq == item.npos ? "" : item.substr(eq + 1);
        if (key == "mirrors")
            EXPECT_TRUE(s.mirrorsEqualFields());
        else if (key == "px")
            EXPECT_DOUBLE_EQ(s.window.PxWidthPerHeight.toNumber(), quotient(value));
        else if (key == "cm")
            EXPECT_DOUBLE_EQ(s.window.CmWidthPerHeight.toNumber(), quotient(value));
        else if (key == "pxh")
            EXPECT_DOUBLE_EQ(s.window.PxHeightPerWidth.toNumber(), quotient(value));
        else if (key == "cmh")
            EXPECT_DOUBLE_EQ(s.window.CmHeightPerWidth.toNumber(), quotient(value));
        else if (key == "runs")
            EXPECT_EQ(s.estimates.count() - runs, std::stoi(std::string(value)));
        else if (key == "changed") {
            std::set<std::string> names;
            for (auto n : DpiSession::split(value, ','))
                names.emplace(n);
            EXPECT_EQ(changed.names, names);
        } else
            EXPECT_EQ(s.shown(key), value) << key;
    }
}

// Scan mode with the lock on unless a row says otherwise; the window starts at
// 768 x 1024 pixels, 9,75 x 13 cm, 200 dpi.
INSTANTIATE_TEST_SUITE_P(
    Dpi, Coupling,
    ::testing::Values(
        Case{"ResolutionBackspace", "", "Text5 << \b", "Text5=20"},
        // The ratios are stored anew from the rounded-down pixels.
        Case{"ResolutionBackToItsDefaultRoundsThePixelsDown", "Text5 << \b", "Text5 << 0",
             "Text1=767; Text2=1023; Label15=767; Label16=1023; px=1023/767"},
        // The exact inch, not 2,54.
        Case{"ScanModeUsesTheExactInch", "Text5 = 100", "Text3 = 2,54", "Text1=99; Label15=99"},
        Case{"PrintModeHundredPixelsAtHundredDpi", "print; Text5 = 100", "Text1 = 100",
             "Text3=2,54; Label10=2,54"},
        // 7682 / 200 * 2.540066525552 = 97.5639...; 1024 x 7682 pixels.
        Case{"PrintModeLockOffWritesOnlyTheHeightInCm", "print; unlock", "Text1 << 2",
             "Text1=7682; Text3=97,56; Text2=1024; Text4=13; Label12=23,61 Mb; mirrors; "
             "changed=Text1,Text3; runs=2"},
        Case{"ZeroResolutionInPrintMode", "print", "Text5 = 0", "Text3=; Text4="},
        // The lock on: the width in pixels still follows, the centimetres cannot.
        Case{"ZeroResolutionInPrintModeThenPixels", "print; Text5 = 0", "Text1 = 600",
             "Text2=800; Text3=; Text4="},
        Case{"ZeroResolutionInPrintModeLockOff", "print; Text5 = 0; Text1 = 600; unlock",
             "Text1 = 5", "Text3=; Text2=800; mirrors"},
        // 0 / 0 stores no ratio: the earlier ones stay.
        Case{"ZeroResolutionInScanMode", "", "Text5 = 0",
             "Text1=0; Text2=0; Label12=60 Byte; px=1024/768; mirrors"},
        Case{"EmptyResolutionInPrintModeEmptiesTheCm", "print", "Text5 clear",
             "Text3=; Text4=; Label12=2,36 Mb; mirrors"},
        // Only the height in pixels follows: 5 / 2.540066525552 x 200 = 393.69...
        Case{"LockOffHeightInCm", "unlock", "Text3 = 5", "Text1=393; Text2=1024; cm=13/9.75"},
        // The ratios and the file size still run.
        Case{"EmptyResolutionInScanModeKeepsThePixels", "unlock; Text3 = 5", "Text5 clear",
             "Text1=393; Text2=1024; cm=13/5; runs=1; mirrors"},
        Case{"ALoneCommaInTheHeight", "", "Text3 = ,",
             "Text3=,; Text4=; Text1=768; Text2=1024; Label14="},
        // 1,2 cm with the default ratio: 1,6 cm wide; at 200 dpi 94 x 125 pixels.
        Case{"OneCommaInTheHeight", "", "Text3 = 1,2", "Text4=1,6; Text1=94; Text2=125"},
        Case{"TwoCommasInTheHeight", "Text3 = 1,2", "Text3 << ,3",
             "Text3=1,2,3; Text4=; Text1=94; Text2=125; mirrors"},
        // Nothing refreshed the height's own (hidden) mirror.
        Case{"TwoCommasWithTheLockOffWriteNoField", "unlock; Text3 = 1,2", "Text3 << ,",
             "changed=Text3; Label10=1,2"},
        // 100 / 2.540066525552 x 5 = 196.84..., x 13 = 511.79...
        Case{"TheResolutionIgnoresTheLockAndStoresTheRatios", "unlock; Text3 = 5", "Text5 = 100",
             "Text1=196; Text2=511; px=511/196; cm=13/5; mirrors"},
        // The width in cm comes from the unchanged pixels; a failed
        // computation never passes on the width's result.
        Case{"ClearingThePixelHeightLockOn", "print", "Text1 clear",
             "Text1=; Text2=1024; Text4=13,00; Text3=; Label12=60 Byte; mirrors"},
        Case{"ClearingThePixelHeightLockOff", "print; unlock", "Text1 clear", "Text3=; Text4=13"},
        Case{"ClearingThePixelWidthLockOn", "print", "Text2 clear",
             "Text1=768; Text3=9,75; Text4=; mirrors"},
        Case{"AResolutionEditWithAnEmptyWidth", "print; unlock; Text2 clear", "Text5 << 0",
             "Text5=2000; Text3=0,97; Text4=; mirrors"},
        // 26 x 9,75 / 13 = 19,5 cm high; 200 / 2.540066525552 x 19,5 = 1535.39...,
        // x 26 = 2047.19...
        Case{"ScanModeWidthLockOn", "", "Text4 = 26",
             "Text3=19,5; Text1=1535; Text2=2047; mirrors; changed=Text4,Text3,Text1,Text2"},
        // 500 / 100 x 2.540066525552 = 12.700..., 1024 / 100 x ... = 26.010...
        Case{"TheResolutionStoresTheRatiosInPrintMode", "print; unlock; Text1 = 500", "Text5 = 100",
             "Text3=12,70; Text4=26,01; px=1024/500; pxh=500/1024; "
             "cm=26.01/12.7; cmh=12.7/26.01"},
        // Each ratio is kept as soon as it is known; the first failing
        // quotient leaves it and the later ones as they were.
        Case{"StoringStopsAtAZeroWidth", "unlock; Text4 = 0", "lock",
             "Text2=0; px=0/768; pxh=768/1024; cm=13/9.75; cmh=9.75/13"},
        Case{"StoringStopsAtAnUnusableHeightInCm", "unlock; Text3 = 5; Text3 = ,", "lock",
             "Text1=393; px=1024/393; pxh=393/1024; cm=13/9.75; cmh=9.75/13"},
        Case{"LongPixelResultsAreWrittenWhole", "unlock", "Text3 = 99999",
             "Text1=7873730; Label15=7873730"},
        Case{"HugeCmKeepTheExponent", "", "Text3 = 1000000000000000", "Text4=1,33E+15"},
        Case{"HugePixelsAndFileSize", "unlock; Text3 = 10000000000", "Text4 = 10000000000",
             "Text1=787380952380; Text2=787380952380; Label12=1,86E+18 Mb"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
