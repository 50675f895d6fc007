#pragma once

#include <stdexcept>
#include <string>

namespace tenvex {

// What went wrong, for code that must tell the errors apart; the message is for the user.
enum class ErrorKind {
    NotANumber,      // the text does not begin with a number
    AmbiguousNumber, // a decimal comma, digit grouping or a second point follows the number
    NumberOverflow,  // the number written is larger than the largest double
    FloatingPoint,   // an arithmetic step overflowed, divided by zero or was invalid
};

// The one exception type of the runtime's own errors. what() is a complete sentence that the
// error report shows as it stands.
class RuntimeError : public std::runtime_error
{
public:
    RuntimeError(ErrorKind kind, const std::string &message);

    [[nodiscard]] ErrorKind kind() const noexcept { return m_kind; }

private:
    ErrorKind m_kind;
};

// Raised when an arithmetic step sets the overflow, division-by-zero or invalid-operation flag.
class FloatingPointError final : public RuntimeError
{
public:
    explicit FloatingPointError(const std::string &message);
};

} // namespace tenvex
