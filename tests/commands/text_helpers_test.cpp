#include "common/commands/text_helpers.h"

#include <gtest/gtest.h>

namespace {

using namespace commands;

struct DashCase {
    std::string text, after;
};

class TextAfterLastDashTest : public testing::TestWithParam<DashCase> {};

TEST_P(TextAfterLastDashTest, KeepsThePartAfterTheLastDash) {
    EXPECT_EQ(TextAfterLastDash(GetParam().text), GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(Texts, TextAfterLastDashTest,
                         testing::Values(DashCase{"16:9 - 720 x 1280", " 720 x 1280"},
                                         DashCase{"720 x 1280", "720 x 1280"},
                                         DashCase{"4:3 -", ""}, DashCase{"-abc", "abc"},
                                         DashCase{"", ""}, DashCase{"a-b-c", "c"}));

struct StripCase {
    std::string text, stripped;
};

class StripSpacesTest : public testing::TestWithParam<StripCase> {};

TEST_P(StripSpacesTest, RemovesEveryBlankFromTheVariable) {
    std::string variable = GetParam().text;
    EXPECT_EQ(StripSpaces(variable), GetParam().stripped);
    EXPECT_EQ(variable, GetParam().stripped);
}

INSTANTIATE_TEST_SUITE_P(Texts, StripSpacesTest,
                         testing::Values(StripCase{" 720 x 1280", "720x1280"},
                                         StripCase{"1  2   3 ", "123"},
                                         StripCase{"720x1280", "720x1280"}, StripCase{"", ""},
                                         StripCase{"a\tb", "a\tb"}));

struct SplitCase {
    std::string text, delimiter, before, after;
};

class SplitTest : public testing::TestWithParam<SplitCase> {};

TEST_P(SplitTest, SplitsAtTheLastDelimiter) {
    const auto& c = GetParam();
    EXPECT_EQ(TextBefore(c.text, c.delimiter), c.before);
    EXPECT_EQ(TextAfter(c.text, c.delimiter), c.after);
}

INSTANTIATE_TEST_SUITE_P(Texts, SplitTest,
                         testing::Values(SplitCase{"720x1280", "x", "720", "1280"},
                                         SplitCase{"1x2x3", "x", "1x2", "3"},
                                         SplitCase{"x720", "x", "", "720"},
                                         SplitCase{"720x", "x", "720", ""},
                                         SplitCase{"7201280", "x", "7201280", "7201280"},
                                         SplitCase{"720X1280", "x", "720X1280", "720X1280"},
                                         SplitCase{"720x1280", "", "720x1280", "720x1280"},
                                         SplitCase{"720xx1280", "xx", "720xx1280", "720xx1280"},
                                         SplitCase{"", "x", "", ""},
                                         // A delimiter of one character written in several bytes.
                                         SplitCase{"Höhe×Breite", "×", "Höhe", "Breite"}));

} // namespace
