// SPDX-License-Identifier: MIT
#include "core/extended.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <functional>
#include <limits>
#include <optional>

namespace kestrun {
namespace {

using Kind = FloatingPointError::Kind;

constexpr long double kInfinity = std::numeric_limits<long double>::infinity();
constexpr long double kNaN = std::numeric_limits<long double>::quiet_NaN();

struct OperationCase {
    const char *name;
    std::function<double()> run;
    std::optional<Kind> failure; // nullopt: the operation passes
};

void PrintTo(const OperationCase &c, std::ostream *os) { *os << c.name; }

class ExtendedOperations : public testing::TestWithParam<OperationCase> {};

const OperationCase kOperationCases[] = {
    {"FiniteByZero", [] { return narrow(Extended(1) / 0); }, Kind::DivisionByZero},
    {"NegativeByMinusZero", [] { return narrow(Extended(-2) / -0.0); }, Kind::DivisionByZero},
    {"ZeroByZero", [] { return narrow(Extended(0) / 0); }, Kind::InvalidOperation},
    {"MinusZeroByZero", [] { return narrow(Extended(-0.0) / 0); }, Kind::InvalidOperation},
    {"InfinityMinusInfinity", [] { return narrow(Extended(kInfinity) - kInfinity); }, Kind::InvalidOperation},
    {"ZeroTimesInfinity", [] { return narrow(Extended(0) * kInfinity); }, Kind::InvalidOperation},
    {"ExtendedOverflow", [] { return narrow(Extended(LDBL_MAX) * 2); }, Kind::Overflow},
    {"NarrowedOverflow", [] { return narrow(Extended(DBL_MAX) * 2); }, Kind::Overflow},
    {"NegativeNarrowedOverflow", [] { return narrow(Extended(-DBL_MAX) * 2); }, Kind::Overflow},
    // DBL_MAX plus half its last place is a tie, which rounds to even: infinity.
    {"NarrowedAtHalfLastPlace", [] { return narrow(Extended(DBL_MAX) + 0x1p970L); }, Kind::Overflow},
    {"NarrowedBelowHalfLastPlace", [] { return narrow(Extended(DBL_MAX) + 0x1p969L); }, std::nullopt},
    {"QuietNaNOperand", [] { return narrow(Extended(kNaN) + 1); }, std::nullopt},
    {"InfiniteOperand", [] { return narrow(Extended(kInfinity) + 1); }, std::nullopt},
    {"InfinityByZero", [] { return narrow(Extended(kInfinity) / 0); }, std::nullopt},
    {"Underflow", [] { return narrow(Extended(DBL_MIN) / 1e300); }, std::nullopt},
};

TEST_P(ExtendedOperations, RaiseTheThreeFailures)
{
    const OperationCase &c = GetParam();
    if (!c.failure) {
        EXPECT_NO_THROW(c.run());
        return;
    }
    try {
        c.run();
        ADD_FAILURE() << "no error raised";
    } catch (const FloatingPointError &e) {
        EXPECT_EQ(e.kind(), *c.failure);
    }
}

INSTANTIATE_TEST_SUITE_P(Extended, ExtendedOperations, testing::ValuesIn(kOperationCases),
                         [](const testing::TestParamInfo<OperationCase> &info) { return std::string(info.param.name); });

TEST(Extended, NarrowsOnceToNearest)
{
    EXPECT_EQ(narrow(Extended(DBL_MAX) + 0x1p969L), DBL_MAX);
    EXPECT_EQ(narrow(Extended(-DBL_MAX) - 0x1p969L), -DBL_MAX);
    // 1 + 2^-53 + 2^-60 is above the halfway point only before the first rounding.
    EXPECT_EQ(narrow(Extended(1) + 0x1p-53L + 0x1p-60L), 1 + 0x1p-52);
    EXPECT_EQ(narrow(Extended(kInfinity) / -0.0), -std::numeric_limits<double>::infinity());
}

} // namespace
} // namespace kestrun
