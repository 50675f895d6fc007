#include "floating_point.h"

#include "error.h"

#include <cmath>

namespace tenvex {

// The flags a step sets are told from its operands and its stored result rather than read from
// the floating-point environment. For a product, quotient or difference of quiet operands the two
// are the same:
//   invalid operation  <=>  the result is NaN and no operand is (0 x inf, 0 / 0, inf / inf,
//                           inf - inf);
//   division by zero   <=>  a finite dividend, a zero divisor: the result is infinite;
//   overflow           <=>  the result is infinite and the operands finite.
// Unlike the environment's flags, a test of the result cannot be folded away or moved across by
// the optimiser, and it costs next to nothing.

namespace {

[[noreturn]] void RaiseFloatingPointError()
{
    throw Error(ErrorKind::FloatingPointError);
}

double Checked(double result, double left, double right)
{
    if (std::isnan(result) && !std::isnan(left) && !std::isnan(right))
        RaiseFloatingPointError();
    if (std::isinf(result) && std::isfinite(left) && std::isfinite(right))
        RaiseFloatingPointError();
    return result;
}

} // namespace

double CheckedProduct(double left, double right)
{
    return Checked(left * right, left, right);
}

double CheckedQuotient(double dividend, double divisor)
{
    // A zero divisor makes the quotient of a finite dividend infinite, as Checked() tests.
    return Checked(dividend / divisor, dividend, divisor);
}

double CheckedDifference(double left, double right)
{
    return Checked(left - right, left, right);
}

} // namespace tenvex
