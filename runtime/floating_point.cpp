#include "floating_point.h"

#include "error.h"

#include <cfenv>
#include <cmath>

namespace tenvex {

namespace {

void ThrowOnFaultFlags()
{
    if (std::fetestexcept(FE_OVERFLOW))
        throw FloatingPointError("The result is too large: the calculation overflowed.");
    if (std::fetestexcept(FE_DIVBYZERO))
        throw FloatingPointError("The calculation divided by zero.");
    if (std::fetestexcept(FE_INVALID))
        throw FloatingPointError("The calculation has no valid result.");
}

} // namespace

double Power(double base, double exponent)
{
    return std::pow(base, exponent);
}

// The operands are read from and the result written to volatile objects. The compiler must then
// do the arithmetic at run time, after the flags are cleared and before they are tested: it can
// neither fold it at compile time nor move it across the flag calls, at any optimisation level.

double CheckedProduct(double left, double right)
{
    std::feclearexcept(FE_ALL_EXCEPT);
    const volatile double a = left;
    const volatile double b = right;
    const volatile double product = a * b;
    ThrowOnFaultFlags();
    return product;
}

double CheckedQuotient(double dividend, double divisor)
{
    std::feclearexcept(FE_ALL_EXCEPT);
    const volatile double a = dividend;
    const volatile double b = divisor;
    const volatile double quotient = a / b;
    ThrowOnFaultFlags();
    return quotient;
}

} // namespace tenvex
