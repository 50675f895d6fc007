#pragma once

#include <string_view>

namespace tenvex {

// Reads the number that `text` begins with, as the double nearest to the decimal number written.
//
// Grammar: leading blanks (space, tab, CR, LF); an optional sign (+, - or U+2212 minus); digits
// with at most one decimal point "." and at least one digit; an optional exponent (E or e, an
// optional sign, one or more digits). Whatever follows the number is ignored ("2.5 kV" reads
// 2.5), except what would make it a different number in another convention: a comma, point,
// apostrophe or underscore followed by a digit ("1,5", "1.2.3", "1'000"), or blanks followed by a
// digit ("1 000"). The decimal point is "." whatever the locale.
//
// Throws Error: NotANumber, AmbiguousNumber, or NumberTooLarge when the magnitude is beyond the
// largest double. A magnitude below the smallest double reads as a subnormal number or zero.
// Runs in time linear in the length of the text.
[[nodiscard]] double ReadNumber(std::u16string_view text);

} // namespace tenvex
