// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

namespace tenvex::detail {

// A positive number rounded to fifteen significant digits: digits x 10^(exponent - 14), with
// 10^14 <= digits < 10^15.
struct FifteenDigits
{
    std::uint64_t digits;
    int exponent;
};

// The fifteen digits printf("%.15G") writes for a positive finite double: rounded to nearest, ties
// to even, from the double's exact value, in whole-number arithmetic that every toolchain has.
[[nodiscard]] FifteenDigits RoundToFifteenDigits(double magnitude);

} // namespace tenvex::detail
