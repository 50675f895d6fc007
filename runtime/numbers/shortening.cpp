// SPDX-License-Identifier: MIT
#include "shortening.h"

#include <algorithm>

namespace tenvex {

namespace {

constexpr char16_t Ellipsis = u'\u2026';

// A number text in exponent form, split into its mantissa with sign and point and without
// trailing zeros ("-1.5") and its exponent part ("E+15"). A text in fixed form is put in
// exponent form first.
struct NumberParts
{
    std::u16string mantissa;
    std::u16string exponent;
};

NumberParts SplitNumber(std::u16string_view text)
{
    if (const std::size_t marker = text.find(u'E'); marker != text.npos)
        return {std::u16string(text.substr(0, marker)), std::u16string(text.substr(marker))};

    const bool negative = text.starts_with(u'-');
    const std::u16string_view number = text.substr(negative ? 1 : 0);
    const std::size_t point = std::min(number.find(u'.'), number.size());
    std::u16string digits;
    std::ranges::copy_if(number, std::back_inserter(digits), [](char16_t c) { return c != u'.'; });
    const std::size_t leadingZeros = std::min(digits.find_first_not_of(u'0'), digits.size() - 1);
    digits.erase(0, leadingZeros);
    digits.erase(std::max<std::size_t>(digits.find_last_not_of(u'0') + 1, 1));

    const auto exponent = static_cast<long>(point) - 1 - static_cast<long>(leadingZeros);
    const auto magnitude = static_cast<unsigned long>(exponent < 0 ? -exponent : exponent);
    NumberParts parts;
    parts.mantissa = (negative ? u"-" : u"") + digits.substr(0, 1);
    if (digits.size() > 1)
        parts.mantissa.append(1, u'.').append(digits, 1);
    parts.exponent = exponent < 0 ? u"E-" : u"E+";
    if (magnitude < 10)
        parts.exponent += u'0';
    for (const char c : std::to_string(magnitude))
        parts.exponent += static_cast<char16_t>(c);
    return parts;
}

// A cut form must end its digits in a significant one: "1.20…" or "0.…" would read as if the
// hidden digits were zeros.
bool EndsInSignificantDigit(std::u16string_view digits)
{
    return !digits.empty() && digits.back() >= u'1' && digits.back() <= u'9';
}

} // namespace

std::u16string ShortenedNumber(std::u16string_view text,
                               const std::function<bool(std::u16string_view)> &fits)
{
    if (fits(text))
        return std::u16string(text);

    const bool hasExponent = text.find(u'E') != text.npos;
    const std::size_t point = text.find(u'.');
    if (!hasExponent && point != text.npos) {
        // A fraction keeps its whole part and as many decimals as fit.
        for (std::size_t length = text.size() - 1; length > point; --length) {
            const std::u16string_view digits = text.substr(0, length);
            std::u16string candidate = std::u16string(digits) + Ellipsis;
            if (EndsInSignificantDigit(digits) && fits(candidate))
                return candidate;
        }
    }

    const NumberParts parts = SplitNumber(text);
    if (std::u16string exact = parts.mantissa + parts.exponent; fits(exact))
        return exact;
    const std::size_t firstDigit = parts.mantissa.starts_with(u'-') ? 2 : 1;
    for (std::size_t length = parts.mantissa.size() - 1; length > firstDigit + 1; --length) {
        const std::u16string_view digits = std::u16string_view(parts.mantissa).substr(0, length);
        std::u16string candidate = std::u16string(digits) + Ellipsis + parts.exponent;
        if (EndsInSignificantDigit(digits) && fits(candidate))
            return candidate;
    }
    return parts.mantissa.substr(0, firstDigit) + Ellipsis + parts.exponent;
}

} // namespace tenvex
