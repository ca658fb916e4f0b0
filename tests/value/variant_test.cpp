#include "common/value/failure.h"
#include "common/value/variant.h"

#include <gtest/gtest.h>

using value::Failure;
using value::Variant;

TEST(Variant, UnsetCountsAsZeroAndEmptyText) {
    Variant v;
    EXPECT_TRUE(v.isUnset());
    EXPECT_EQ(v.toNumber(), 0);
    EXPECT_EQ(v.toText(), "");
    EXPECT_FALSE(v.equals(1));
    EXPECT_TRUE(v.equals(0));
}

TEST(Variant, NumbersAndTextsConvert) {
    EXPECT_EQ(Variant(2.36).toText(), "2,36");
    EXPECT_EQ(Variant("9,75").toNumber(), 9.75);
    EXPECT_THROW(Variant("").toNumber(), Failure);
    EXPECT_THROW(Variant("1,2,3").toNumber(), Failure);
    EXPECT_TRUE(Variant(1).equals(1));
    EXPECT_FALSE(Variant(0).equals(1));
    EXPECT_FALSE(Variant("abc").equals(1));
}

TEST(Variant, MultiplicationConvertsTextOperands) {
    EXPECT_DOUBLE_EQ(Variant("720") * Variant(1280.0 / 720.0), 1280);
    EXPECT_EQ(Variant() * Variant(5.0), 0);
    EXPECT_THROW(Variant("") * Variant(2.0), Failure);
    EXPECT_THROW(Variant("1E300") * Variant(1e300), Failure);
}
