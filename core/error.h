// SPDX-License-Identifier: MIT
#pragma once

#include <stdexcept>
#include <string>

namespace kestrun {

// Every failure the program reports is an Error; its message is the text the user sees
// (the error box adds the closing full stop where one is due).
class Error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The three floating-point failures of the engine, each raised at the failing step.
class FloatingPointError : public Error {
public:
    enum class Kind { DivisionByZero, InvalidOperation, Overflow };

    explicit FloatingPointError(Kind kind) : Error(message(kind)), m_kind(kind) {}
    Kind kind() const noexcept { return m_kind; }

    static const char *message(Kind kind) noexcept
    {
        switch (kind) {
        case Kind::DivisionByZero: return "Floating point division by zero";
        case Kind::InvalidOperation: return "Invalid floating point operation";
        case Kind::Overflow: return "Floating point overflow";
        }
        return "Invalid floating point operation";
    }

private:
    Kind m_kind;
};

} // namespace kestrun
