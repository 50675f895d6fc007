#include "floating_point.h"

#include "error.h"

#include <cmath>

namespace tenvex {

// The flags a step sets are told from its operands and its stored result rather than read from
// the floating-point environment. For a multiplication or division of quiet operands the two are
// the same:
//   invalid operation  <=>  the result is NaN and no operand is (0 x inf, 0 / 0, inf / inf);
//   division by zero   <=>  a finite dividend, a zero divisor and no NaN: the result is infinite;
//   overflow           <=>  the result is infinite, the operands finite and the divisor not zero.
// Unlike the environment's flags, a test of the result cannot be folded away or moved across by
// the optimiser, and it costs next to nothing.

namespace {

[[noreturn]] void ThrowInvalid()
{
    throw FloatingPointError("The calculation has no valid result.");
}

[[noreturn]] void ThrowOverflow()
{
    throw FloatingPointError("The result is too large: the calculation overflowed.");
}

[[noreturn]] void ThrowDivisionByZero()
{
    throw FloatingPointError("The calculation divided by zero.");
}

} // namespace

double Power(double base, double exponent)
{
    return std::pow(base, exponent);
}

double CheckedProduct(double left, double right)
{
    const double product = left * right;
    if (std::isnan(product) && !std::isnan(left) && !std::isnan(right))
        ThrowInvalid();
    if (std::isinf(product) && std::isfinite(left) && std::isfinite(right))
        ThrowOverflow();
    return product;
}

double CheckedQuotient(double dividend, double divisor)
{
    const double quotient = dividend / divisor;
    if (std::isnan(quotient) && !std::isnan(dividend) && !std::isnan(divisor))
        ThrowInvalid();
    if (std::isinf(quotient) && std::isfinite(dividend)) {
        if (divisor == 0.0)
            ThrowDivisionByZero();
        ThrowOverflow();
    }
    return quotient;
}

} // namespace tenvex
