// SPDX-License-Identifier: MIT
#pragma once

#include <cmath>

namespace tenvex {

// One arithmetic step under the floating-point test: NumberError(FloatingPointError) is thrown when
// the step sets the IEEE overflow, division-by-zero or invalid-operation flag. Underflow and
// inexact results pass: a result too small for a double becomes a subnormal number or zero.
//
// The flags a step sets are told from its operands and its stored result rather than read from
// the floating-point environment. For a product, quotient or difference of quiet operands the two
// are the same:
//   invalid operation  <=>  the result is NaN and no operand is (0 x inf, 0 / 0, inf / inf,
//                           inf - inf);
//   division by zero   <=>  a finite dividend and a zero divisor: the quotient is infinite;
//   overflow           <=>  the result is infinite and the operands finite.
// Unlike the environment's flags, a test of the result cannot be folded away or moved across by
// the optimiser, and it costs next to nothing.
[[nodiscard]] inline double CheckedProduct(double left, double right);
[[nodiscard]] inline double CheckedQuotient(double dividend, double divisor);
[[nodiscard]] inline double CheckedDifference(double left, double right);

namespace detail {

[[noreturn]] void RaiseFloatingPointError();

inline double Checked(double result, double left, double right)
{
    if (std::isfinite(result)) // none of the three flags gives a finite result
        return result;
    const bool invalid = std::isnan(result) && !std::isnan(left) && !std::isnan(right);
    const bool infinite = std::isinf(result) && std::isfinite(left) && std::isfinite(right);
    if (invalid || infinite)
        RaiseFloatingPointError();
    return result;
}

} // namespace detail

inline double CheckedProduct(double left, double right)
{
    return detail::Checked(left * right, left, right);
}

inline double CheckedQuotient(double dividend, double divisor)
{
    return detail::Checked(dividend / divisor, dividend, divisor);
}

inline double CheckedDifference(double left, double right)
{
    return detail::Checked(left - right, left, right);
}

} // namespace tenvex
