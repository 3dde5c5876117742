// SPDX-License-Identifier: MIT
#pragma once

#include "core/error.h"

#include <cfloat>
#include <cmath>
#include <limits>

namespace kestrun {

[[noreturn]] inline void raiseFloatingPointError(FloatingPointError::Kind kind)
{
    throw FloatingPointError(kind);
}

// An extended-precision (80-bit on x86-64) intermediate of a formula. Every operation
// reports the three floating-point failures the engine stops on, instead of letting an
// infinity or a NaN flow on:
//   - x / 0 with x finite and not 0: DivisionByZero; 0 / 0: InvalidOperation. Both are
//     found before dividing, so no division by zero is ever performed.
//   - a NaN made from operands that are not NaN (inf - inf, 0 × inf): InvalidOperation.
//   - an infinity made from finite operands: Overflow.
// Operands that already are NaN or infinite pass through quietly, as the hardware does
// for quiet NaNs and exact infinities. Underflow and inexact results pass silently.
// The conversion from long double (and so from double) is implicit on purpose, so that
// formulas read as written: narrow(Extended(a) - b) evaluates a - b in extended precision.
class Extended {
public:
    constexpr Extended(long double value = 0) noexcept : m_value(value) {}

    constexpr long double value() const noexcept { return m_value; }

    friend Extended operator+(Extended a, Extended b) { return checked(a.m_value + b.m_value, a, b); }
    friend Extended operator-(Extended a, Extended b) { return checked(a.m_value - b.m_value, a, b); }
    friend Extended operator*(Extended a, Extended b) { return checked(a.m_value * b.m_value, a, b); }

    friend Extended operator/(Extended a, Extended b)
    {
        if (b.m_value == 0) {
            if (a.m_value == 0)
                raiseFloatingPointError(FloatingPointError::Kind::InvalidOperation);
            if (std::isfinite(a.m_value))
                raiseFloatingPointError(FloatingPointError::Kind::DivisionByZero);
            // An infinity or a NaN divided by zero keeps its value; the sign follows the divisor.
            return std::signbit(b.m_value) ? -a.m_value : a.m_value;
        }
        return checked(a.m_value / b.m_value, a, b);
    }

    friend Extended abs(Extended a) noexcept { return std::fabs(a.m_value); }

private:
    static Extended checked(long double result, Extended a, Extended b)
    {
        if (std::isfinite(result)) [[likely]]
            return result;
        if (std::isnan(result)) {
            if (!std::isnan(a.m_value) && !std::isnan(b.m_value))
                raiseFloatingPointError(FloatingPointError::Kind::InvalidOperation);
        } else if (std::isfinite(a.m_value) && std::isfinite(b.m_value)) {
            raiseFloatingPointError(FloatingPointError::Kind::Overflow);
        }
        return result;
    }

    long double m_value;
};

// The one narrowing of a formula, where its result is stored as a double: rounds to
// nearest, and raises Overflow when a finite value rounds beyond the double range.
// The range test comes first because converting an out-of-range value is undefined.
inline double narrow(Extended x)
{
    const long double v = x.value();
    if constexpr (std::numeric_limits<long double>::max_exponent > std::numeric_limits<double>::max_exponent) {
        const long double magnitude = std::fabs(v);
        if (magnitude > DBL_MAX && std::isfinite(v)) {
            // From DBL_MAX plus half its last place on, round-to-nearest gives infinity.
            const long double overflowFrom = static_cast<long double>(DBL_MAX) + 0x1p970L;
            if (magnitude >= overflowFrom)
                raiseFloatingPointError(FloatingPointError::Kind::Overflow);
            return std::signbit(v) ? -DBL_MAX : DBL_MAX;
        }
    }
    return static_cast<double>(v);
}

} // namespace kestrun
