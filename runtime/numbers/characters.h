// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string_view>

namespace tenvex {

// The kinds of characters the reading rules and the messages tell apart, by Unicode code point.

// A decimal digit of any script (Unicode's general category Nd): 0-9, and the digits of the
// Arabic-Indic, Devanagari, full-width and 63 other sets, in the other planes too.
[[nodiscard]] bool IsDecimalDigit(char32_t c) noexcept;

// A vulgar fraction: one character standing for a number, such as U+00BD ("1/2").
[[nodiscard]] bool IsVulgarFraction(char32_t c) noexcept;

// A superscript or subscript digit: a power, as in "10" followed by U+00B2, or an index.
[[nodiscard]] bool IsScriptDigit(char32_t c) noexcept;

// A superscript or subscript plus or minus sign, as in a power such as "10" U+207B U+00B3.
[[nodiscard]] bool IsScriptSign(char32_t c) noexcept;

// A character that shows nothing, or nothing that tells it from another: controls, format and
// direction controls, blanks other than the space, joiners, variation selectors, fillers, and
// halves of surrogate pairs standing alone.
[[nodiscard]] bool IsInvisible(char32_t c) noexcept;

// A character that can be part of a unit's name, before a power such as U+00B2 in "m" U+00B2:
// a letter of any script, including the micro sign, and the letter-like symbols (U+2126 ohm).
// Not a digit, a number's mark, punctuation, a mathematical symbol or a blank.
[[nodiscard]] bool IsUnitLetter(char32_t c) noexcept;

// One character of a UTF-16 text: its code point and how many units it takes. A surrogate that
// is not half of a pair stands for itself, in one unit.
struct CodePoint
{
    char32_t value;
    std::size_t units;
};

[[nodiscard]] CodePoint CodePointAt(std::u16string_view text, std::size_t position) noexcept;

// The character that ends just before `position`.
[[nodiscard]] CodePoint CodePointBefore(std::u16string_view text, std::size_t position) noexcept;

} // namespace tenvex
