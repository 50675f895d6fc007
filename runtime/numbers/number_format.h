// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace tenvex {

// The text form of a result, as printf("%.15G") writes it in the C locale: at most 15 significant
// digits with trailing zeros dropped, fixed notation from 0.0001 up to below 1E+15 and "1.5E+15" /
// "1E-05" outside it, "." as the decimal point whatever the locale; negative zero is written "0".
// The one exception is the text past the largest double, "1.79769313486232E+308": the doubles
// that round up to it are written "1.79769313486231E+308", so that every text written reads back.
[[nodiscard]] std::u16string FormatNumber(double value);

} // namespace tenvex
