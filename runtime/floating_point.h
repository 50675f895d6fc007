#pragma once

namespace tenvex {

// One arithmetic step under the floating-point test: Error(FloatingPointError) is thrown when the
// step sets the IEEE overflow, division-by-zero or invalid-operation flag. Underflow and inexact
// results pass: a result too small for a double becomes a subnormal number or zero.
[[nodiscard]] double CheckedProduct(double left, double right);
[[nodiscard]] double CheckedQuotient(double dividend, double divisor);
[[nodiscard]] double CheckedDifference(double left, double right);

} // namespace tenvex
