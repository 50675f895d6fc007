// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace tenvex {

// The text form of a result, as printf("%.15G") writes it in the C locale: at most 15 significant
// digits with trailing zeros dropped, fixed notation from 0.0001 up to below 1E+15 and "1.5E+15" /
// "1E-05" outside it, "." as the decimal point whatever the locale; negative zero is written "0".
[[nodiscard]] std::u16string FormatNumber(double value);

} // namespace tenvex
