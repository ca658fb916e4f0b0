#include "common/value/conversions.h"
#include "common/value/failure.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>

using namespace value;

struct ParseCase {
    const char* text;
    std::optional<double> number;
};

class ParseNumber : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseNumber, AcceptsGermanNumbersOnly) {
    const auto& c = GetParam();
    auto got = parseNumber(c.text);
    ASSERT_EQ(got.has_value(), c.number.has_value()) << '"' << c.text << '"';
    if (c.number) {
        EXPECT_EQ(*got, *c.number) << '"' << c.text << '"';
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, ParseNumber,
    ::testing::Values(ParseCase{"9,75", 9.75}, ParseCase{"9,", 9.0}, ParseCase{",5", 0.5},
                      ParseCase{"0", 0.0}, ParseCase{"768", 768.0}, ParseCase{"  13 ", 13.0},
                      ParseCase{"\t2,5", 2.5}, ParseCase{"-2,5", -2.5}, ParseCase{"+7", 7.0},
                      ParseCase{"1E3", 1000.0}, ParseCase{"1,5e-3", 0.0015},
                      ParseCase{"2,5E+2", 250.0}, ParseCase{"1E-400", 0.0}, ParseCase{"0,1", 0.1},
                      ParseCase{",", std::nullopt}, ParseCase{"1,2,3", std::nullopt},
                      ParseCase{"", std::nullopt}, ParseCase{"   ", std::nullopt},
                      ParseCase{"1.5", std::nullopt}, ParseCase{"1.000", std::nullopt},
                      ParseCase{".", std::nullopt}, ParseCase{"inf", std::nullopt},
                      ParseCase{"nan", std::nullopt}, ParseCase{"-inf", std::nullopt},
                      ParseCase{"0x1A", std::nullopt}, ParseCase{"1E400", std::nullopt},
                      ParseCase{"1,8E+308", std::nullopt},
                      ParseCase{"1,79769313486232E+308", 1.7976931348623157e308},
                      ParseCase{"-1E400", std::nullopt}, ParseCase{"1E", std::nullopt},
                      ParseCase{"1E+", std::nullopt}, ParseCase{"--1", std::nullopt},
                      ParseCase{"- 1", std::nullopt}, ParseCase{"1 000", std::nullopt},
                      ParseCase{"12a", std::nullopt}, ParseCase{"+", std::nullopt},
                      ParseCase{"1,5 cm", std::nullopt}));

TEST(ToNumber, FailsWhereParsingFails) {
    EXPECT_DOUBLE_EQ(toNumber("2,36"), 2.36);
    EXPECT_THROW(toNumber(""), Failure);
    EXPECT_THROW(toNumber(","), Failure);
}

struct TextCase {
    double number;
    const char* text;
};

class NumberToText : public ::testing::TestWithParam<TextCase> {};

TEST_P(NumberToText, ShortestGermanForm) {
    EXPECT_EQ(numberToText(GetParam().number), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Table, NumberToText,
    ::testing::Values(TextCase{2.36, "2,36"}, TextCase{767, "767"}, TextCase{0, "0"},
                      TextCase{-0.0, "0"}, TextCase{0.1 + 0.2, "0,3"}, TextCase{1e15, "1E+15"},
                      TextCase{1.5e15, "1,5E+15"}, TextCase{999999999999999.0, "999999999999999"},
                      TextCase{999999999999999.9, "1E+15"}, TextCase{1e-5, "1E-05"},
                      TextCase{0.0001, "0,0001"}, TextCase{0.00012, "0,00012"},
                      TextCase{-2.35, "-2,35"}, TextCase{1.86e18, "1,86E+18"},
                      TextCase{1.23e-100, "1,23E-100"}, TextCase{2.3602126, "2,3602126"},
                      TextCase{1.0 / 3.0, "0,333333333333333"},
                      TextCase{2.0 / 3.0, "0,666666666666667"}, TextCase{1e14, "100000000000000"},
                      TextCase{123456.789, "123456,789"}, TextCase{-1e-7, "-1E-07"}));

TEST(NumberToText, EveryTextReadsBack) {
    for (double d : {2.36, 767.0, 1e15, 1e-5, 0.1 + 0.2, -123.456, 1.7976931348623157e308, 4.9e-324,
                     3.001165501166}) {
        auto back = parseNumber(numberToText(d));
        ASSERT_TRUE(back) << numberToText(d);
        EXPECT_NEAR(*back, d, std::abs(d) * 1e-14) << numberToText(d);
    }
}

TEST(Val, ReadsTheLeadingNumberWithAFullStop) {
    EXPECT_EQ(val("2,36"), 2);
    EXPECT_EQ(val("2.36"), 2.36);
    EXPECT_EQ(val("7"), 7);
    EXPECT_EQ(val("5xyz"), 5);
    EXPECT_EQ(val(","), 0);
    EXPECT_EQ(val(""), 0);
    EXPECT_EQ(val("E"), 0);
    EXPECT_EQ(val(" -3.5"), -3.5);
    EXPECT_EQ(val("1e2"), 100);
    EXPECT_EQ(val("1e"), 1);
}

TEST(IntFloor, RoundsDown) {
    EXPECT_EQ(intFloor(-2.5), -3);
    EXPECT_EQ(intFloor(2.9), 2);
    EXPECT_EQ(intFloor(767.99), 767);
    EXPECT_EQ(intFloor(-0.1), -1);
}

TEST(NearInt, TiesToEvenAndFailsOutOfRange) {
    EXPECT_EQ(nearInt(2.5), 2);
    EXPECT_EQ(nearInt(3.5), 4);
    EXPECT_EQ(nearInt(-2.5), -2);
    EXPECT_EQ(nearInt(13387.5), 13388);
    EXPECT_EQ(nearInt(2147483647.0), 2147483647);
    EXPECT_EQ(nearInt(-2147483648.0), std::numeric_limits<std::int32_t>::min());
    EXPECT_THROW(nearInt(2147483648.0), Failure);
    EXPECT_THROW(nearInt(-2147483649.0), Failure);
    EXPECT_THROW(nearInt(std::nan("")), Failure);
}

TEST(CheckedArithmetic, FailsOnNonFiniteResults) {
    EXPECT_EQ(checkedDiv(1, 4), 0.25);
    EXPECT_THROW(checkedDiv(1, 0), Failure);
    EXPECT_THROW(checkedDiv(0, 0), Failure);
    EXPECT_THROW(checkedMul(1e308, 10), Failure);
    EXPECT_EQ(checkedMul(1e-308, 1e-308), 0); // underflow is fine
    EXPECT_THROW(checkedAdd(1.7e308, 1.7e308), Failure);
}
