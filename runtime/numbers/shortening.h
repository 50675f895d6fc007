// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace tenvex {

// The longest form of a number text (as FormatNumber writes it) that fits where `fits` says it
// does, and that cannot be taken for a different number:
//   - the text itself;
//   - a fraction cut after one of its decimals, with an ellipsis: "123456.78…";
//   - the number in exponent form, where all its digits fit: "1E+14";
//   - its leading digits, an ellipsis and its exponent: "1.2345…E+15".
// A shortened form never ends its digits in a zero or a point, which would look like the digits
// that were left out. Where nothing fits, the shortest of them ("1…E+15"), unless that is no
// shorter than the text. Any other text, and any room: the text as it is. It never throws but
// for want of memory.
[[nodiscard]] std::u16string ShortenedNumber(std::u16string_view text,
                                             const std::function<bool(std::u16string_view)> &fits);

} // namespace tenvex
