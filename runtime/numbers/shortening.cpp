// SPDX-License-Identifier: MIT
#include "shortening.h"

#include <algorithm>

namespace tenvex {

namespace {

constexpr char16_t Ellipsis = u'\u2026';
// Longer than any text FormatNumber writes ("-1.23456789012345E-308" has 22 characters): such a
// text is shown as it is rather than searched for a form that fits, which takes a try per length.
constexpr std::size_t LongestNumberText = 32;

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
    std::copy_if(number.begin(), number.end(), std::back_inserter(digits),
                 [](char16_t c) { return c != u'.'; });
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

bool IsDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

// The digits at the start of `text`, taken off it; how many there were.
std::size_t TakeDigits(std::u16string_view &text)
{
    const std::size_t count = static_cast<std::size_t>(
        std::find_if_not(text.begin(), text.end(), IsDigit) - text.begin());
    text.remove_prefix(count);
    return count;
}

// Whether `text` is a number as FormatNumber writes it: an optional minus, digits, a point and
// digits or none, and an exponent part ("E", a sign, digits) or none. Only such a text is
// shortened.
bool IsNumberText(std::u16string_view text)
{
    if (text.size() > LongestNumberText)
        return false;
    if (text.starts_with(u'-'))
        text.remove_prefix(1);
    if (TakeDigits(text) == 0)
        return false;
    if (text.starts_with(u'.')) {
        text.remove_prefix(1);
        if (TakeDigits(text) == 0)
            return false;
    }
    if (text.starts_with(u'E')) {
        text.remove_prefix(1);
        if (!text.starts_with(u'+') && !text.starts_with(u'-'))
            return false;
        text.remove_prefix(1);
        if (TakeDigits(text) == 0)
            return false;
    }
    return text.empty();
}

} // namespace

std::u16string ShortenedNumber(std::u16string_view text,
                               const std::function<bool(std::u16string_view)> &fits)
{
    if (fits(text) || !IsNumberText(text))
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
    std::u16string exact = parts.mantissa + parts.exponent;
    if (fits(exact))
        return exact;
    const std::size_t firstDigit = parts.mantissa.starts_with(u'-') ? 2 : 1;
    for (std::size_t length = parts.mantissa.size() - 1; length > firstDigit + 1; --length) {
        const std::u16string_view digits = std::u16string_view(parts.mantissa).substr(0, length);
        std::u16string candidate = std::u16string(digits) + Ellipsis + parts.exponent;
        if (EndsInSignificantDigit(digits) && fits(candidate))
            return candidate;
    }
    // Where nothing fits, the shortest form: the first digit, an ellipsis where digits are
    // hidden, and the exponent; and the text itself where that is no shorter ("0", "-5").
    std::u16string shortest = parts.mantissa.size() > firstDigit
        ? parts.mantissa.substr(0, firstDigit) + Ellipsis + parts.exponent
        : std::move(exact);
    return shortest.size() < text.size() ? shortest : std::u16string(text);
}

} // namespace tenvex
