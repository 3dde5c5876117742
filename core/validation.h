// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace kestrun {

// The two rules of the parameter rows. A refused value sets the flag and the text;
// an accepted value leaves both as they were.
inline void ValidatePositive(double value, std::string &errorText, bool &error)
{
    if (value <= 0) {
        errorText = "Value must be positive";
        error = true;
    }
}

inline void ValidateNonNegative(double value, std::string &errorText, bool &error)
{
    if (value < 0) {
        errorText = "Value must be positive or zero";
        error = true;
    }
}

} // namespace kestrun
