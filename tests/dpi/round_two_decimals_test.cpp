#include "dpi/round_two_decimals.h"

#include <gtest/gtest.h>

namespace {

using dpi::RoundTwoDecimals;
using value::Variant;

struct Rounding {
    Variant argument;
    const char* text;
};

class RoundTwoDecimalsText : public testing::TestWithParam<Rounding> {};

TEST_P(RoundTwoDecimalsText, GivesTheText) {
    EXPECT_EQ(RoundTwoDecimals(GetParam().argument).toText(), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, RoundTwoDecimalsText,
    testing::Values(
        // The cut keeps two characters behind the separator, zeros included.
        Rounding{2.3602126, "2,36"}, Rounding{9.7536, "9,75"}, Rounding{13.00514, "13,00"},
        Rounding{13.0051, "13,00"},
        // Only the third digit decides, and only when it is greater than 5.
        Rounding{2.367, "2,37"}, Rounding{2.365, "2,36"}, Rounding{2.3659, "2,36"},
        Rounding{2.3649, "2,36"}, Rounding{2.3661, "2,37"},
        // The increase is added to the cut value; its text drops zeros.
        Rounding{2.999, "3"}, Rounding{2.2961, "2,3"}, Rounding{9.996, "10"},
        // Negative numbers are cut towards zero, then raised.
        Rounding{-2.368, "-2,35"}, Rounding{-2.364, "-2,36"},
        // Both separators count.
        Rounding{Variant("2.3649"), "2.36"}, Rounding{Variant("2.367"), "2,37"},
        // The exponent stays with the shortened mantissa.
        Rounding{1.8634e18, "1,86E+18"}, Rounding{1.3333333333333e15, "1,33E+15"},
        Rounding{1.8671e18, "1,87E+18"}, Rounding{3.0011655e37, "3,00E+37"},
        Rounding{9.996e18, "1E+19"}, Rounding{1.23456e-5, "1,23E-05"},
        // No exponent and at most two decimals in the mantissa: unchanged.
        Rounding{1.5e15, "1,5E+15"}, Rounding{2.54, "2,54"}));

TEST(RoundTwoDecimals, ShortNumbersComeBackUnchangedAsNumbers) {
    for (double d : {9.75, 13.0, 1.5, 0.0, -7.1}) {
        Variant r = RoundTwoDecimals(d);
        ASSERT_TRUE(r.isNumber()) << d;
        EXPECT_EQ(r.toNumber(), d);
    }
    EXPECT_EQ(RoundTwoDecimals(1.5).toText(), "1,5");
}

TEST(RoundTwoDecimals, ExtremeMagnitudesKeepTwoDecimalsWithoutFailing) {
    // Raising the cut of the largest double would pass the range.
    EXPECT_EQ(RoundTwoDecimals(1.7976931348623157e308).toText(), "1,79E+308");
    EXPECT_EQ(RoundTwoDecimals(-1.7976931348623157e308).toText(), "-1,78E+308");
    // Below the normal range the raised mantissa must not grow digits again.
    EXPECT_EQ(RoundTwoDecimals(3.94691217116082e-312).toText(), "3,95E-312");
}

TEST(RoundTwoDecimals, UnsetComesBackUnset) {
    EXPECT_TRUE(RoundTwoDecimals(Variant()).isUnset());
}

TEST(RoundTwoDecimals, TheCutOfACentimetreFigureReadsBackAsItsNumber) {
    // The callers write the result into fields that are read again.
    EXPECT_EQ(RoundTwoDecimals(1024.0 / 200 * 2.540066525552).toNumber(), 13.0);
    EXPECT_EQ(RoundTwoDecimals(100.0 / 100 * 2.540066525552).toText(), "2,54");
}

} // namespace
