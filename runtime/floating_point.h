#pragma once

namespace tenvex {

// base raised to exponent.
[[nodiscard]] double Power(double base, double exponent);

// One arithmetic step under the floating-point test: the IEEE exception flags are cleared, the
// step is computed and stored, and FloatingPointError is thrown if it set the overflow,
// division-by-zero or invalid-operation flag. Underflow and inexact results pass.
[[nodiscard]] double CheckedProduct(double left, double right);
[[nodiscard]] double CheckedQuotient(double dividend, double divisor);

} // namespace tenvex
