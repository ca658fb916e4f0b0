#include "common/editing/numeric_field.h"

#include <gtest/gtest.h>

struct KeyCase {
    int code;
    bool passesWithComma;
    bool passesWithout;
};

class KeyFilter : public ::testing::TestWithParam<KeyCase> {};

TEST_P(KeyFilter, LetsOnlyNumberCharactersThrough) {
    const auto& k = GetParam();
    int withComma = k.code, without = k.code;
    editing::filterKey(withComma, true);
    editing::filterKey(without, false);
    EXPECT_EQ(withComma, k.passesWithComma ? k.code : 0) << k.code;
    EXPECT_EQ(without, k.passesWithout ? k.code : 0) << k.code;
}

INSTANTIATE_TEST_SUITE_P(Table, KeyFilter,
                         ::testing::Values(KeyCase{8, true, true}, KeyCase{'0', true, true},
                                           KeyCase{'5', true, true}, KeyCase{'9', true, true},
                                           KeyCase{',', true, false}, KeyCase{'.', false, false},
                                           KeyCase{'-', false, false}, KeyCase{' ', false, false},
                                           KeyCase{'a', false, false}, KeyCase{'E', false, false},
                                           KeyCase{13, false, false}, KeyCase{27, false, false},
                                           KeyCase{'/', false, false}, KeyCase{':', false, false},
                                           KeyCase{0xFF10, false, false}, // fullwidth 0
                                           KeyCase{-1, false, false}));

TEST(FocusFlags, FollowTheFocus) {
    value::Variant flag;
    EXPECT_FALSE(flag.equals(1));
    editing::gotFocus(flag);
    EXPECT_TRUE(flag.equals(1));
    editing::lostFocus(flag);
    EXPECT_TRUE(flag.equals(0));
}
