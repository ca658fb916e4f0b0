#include "common/forms/error_policy.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

TEST(ErrorPolicy, AFailingStepIsAbandonedAndTheNextRuns) {
    std::vector<int> done;
    forms::step([&] { done.push_back(1); });
    forms::step([&] {
        throw value::Failure("type mismatch");
        done.push_back(2); // never reached
    });
    forms::step([&] { done.push_back(3); });
    EXPECT_EQ(done, (std::vector<int>{1, 3}));
}

TEST(ErrorPolicy, OnlyRunTimeErrorsOfStatementsAreIgnored) {
    EXPECT_THROW(forms::step([] { throw std::logic_error("bug"); }), std::logic_error);
}
