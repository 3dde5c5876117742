// SPDX-License-Identifier: MIT
#include "core/validation.h"
#include <gtest/gtest.h>
TEST(Validation, Placeholder) { std::string t; bool e = false; kestrun::ValidatePositive(1, t, e); EXPECT_FALSE(e); }
