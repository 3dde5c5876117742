// SPDX-License-Identifier: MIT
#include "core/validation.h"

#include <gtest/gtest.h>

#include <string>

namespace kestrun {
namespace {

using Rule = void (*)(double, std::string &, bool &);

struct RuleCase {
    const char *name;
    Rule rule;
    double value;
    const char *refusal; // nullptr: accepted
};

void PrintTo(const RuleCase &c, std::ostream *os) { *os << c.name; }

class ValidationTable : public testing::TestWithParam<RuleCase> {};

constexpr const char *kPositive = "Value must be positive";
constexpr const char *kNonNegative = "Value must be positive or zero";

const RuleCase kRuleCases[] = {
    {"PositiveRefusesZero", ValidatePositive, 0, kPositive},
    {"PositiveRefusesMinusZero", ValidatePositive, -0.0, kPositive},
    {"PositiveRefusesNegative", ValidatePositive, -12.5, kPositive},
    {"PositiveAcceptsTiny", ValidatePositive, 1e-300, nullptr},
    {"PositiveAcceptsValue", ValidatePositive, 5, nullptr},
    {"NonNegativeAcceptsZero", ValidateNonNegative, 0, nullptr},
    {"NonNegativeAcceptsMinusZero", ValidateNonNegative, -0.0, nullptr},
    {"NonNegativeAcceptsValue", ValidateNonNegative, 12, nullptr},
    {"NonNegativeRefusesTinyNegative", ValidateNonNegative, -1e-300, kNonNegative},
    {"NonNegativeRefusesNegative", ValidateNonNegative, -1, kNonNegative},
};

// An accepted value must leave whatever the grid already holds in both outputs.
TEST_P(ValidationTable, RefusesOrLeavesTheOutputsAlone)
{
    const RuleCase &c = GetParam();
    for (const bool earlierFlag : {false, true}) {
        std::string text = "earlier text";
        bool error = earlierFlag;
        c.rule(c.value, text, error);
        if (c.refusal) {
            EXPECT_TRUE(error);
            EXPECT_EQ(text, c.refusal);
        } else {
            EXPECT_EQ(error, earlierFlag);
            EXPECT_EQ(text, "earlier text");
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Validation, ValidationTable, testing::ValuesIn(kRuleCases),
                         [](const testing::TestParamInfo<RuleCase> &info) { return std::string(info.param.name); });

} // namespace
} // namespace kestrun
