#pragma once

namespace tenvex {

// base raised to exponent.
[[nodiscard]] double Power(double base, double exponent);

// One arithmetic step under the floating-point test: FloatingPointError is thrown when the step
// sets the IEEE overflow, division-by-zero or invalid-operation flag. Underflow and inexact
// results pass: a result too small for a double becomes a subnormal number or zero.
[[nodiscard]] double CheckedProduct(double left, double right);
[[nodiscard]] double CheckedQuotient(double dividend, double divisor);

} // namespace tenvex
