#pragma once

#include <stdexcept>
#include <string>

namespace report {

// Raised for every failure while an expression or script is converted, run or
// formatted: syntax errors, undefined names, runaway recursion, stopped loops.
// The band engine collects its message into the build's error text.
class ExprError : public std::runtime_error {
public:
    explicit ExprError(const std::string& message) : std::runtime_error(message) {}
};

} // namespace report
