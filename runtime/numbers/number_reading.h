// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

namespace tenvex {

// Reads the number that `text` begins with, as the double nearest to the decimal number written.
//
// Grammar: leading blanks (space, tab, CR, LF); an optional sign (+, - or U+2212 minus); digits
// with at most one decimal point "." and at least one digit; an optional exponent (E or e, an
// optional sign, one or more digits). A word or unit after the number is ignored ("2.5 kV" reads
// 2.5), but not another digit anywhere after it: the text is then a longer number or an
// expression. The decimal point is "." whatever the locale.
//
// Throws Error: NotANumber; AmbiguousNumber when a comma, point, apostrophe, underscore or blanks
// and a digit follow the number ("1,5", "1.2.3", "1'000", "1 000"), DoubledPoint for "1..5",
// TrailingDigits for any other digit after the number ("1/2", "2^10", "1e3e4"); NumberTooLarge
// when the magnitude is beyond the largest double. A magnitude below the smallest double reads as a
// subnormal number or zero. Runs in time linear in the length of the text.
[[nodiscard]] double ReadNumber(std::u16string_view text);

} // namespace tenvex
