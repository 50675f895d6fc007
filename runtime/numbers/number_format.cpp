// SPDX-License-Identifier: MIT
#include "number_format.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <string_view>

namespace tenvex {

namespace {

constexpr int SignificantDigits = 15;

// The few doubles next to the largest one round, to 15 digits, up to a number beyond the largest
// double, which would not read back. They are written rounded toward zero instead.
constexpr std::string_view RoundedPastLargest = "1.79769313486232e+308";
constexpr std::string_view LargestWritable = "1.79769313486231e+308";

} // namespace

std::u16string FormatNumber(double value)
{
    if (value == 0.0) // both zeros
        return u"0";
    // The general format with a precision is printf's %g in the C locale; %G only capitalises
    // the exponent's marker. The longest text is "-1.23456789012345e-308".
    std::array<char, 32> buffer{};
    char *const end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                    std::chars_format::general, SignificantDigits)
                          .ptr;
    char *const magnitude = buffer.data() + (value < 0.0 ? 1 : 0);
    if (std::string_view(magnitude, end) == RoundedPastLargest)
        std::ranges::copy(LargestWritable, magnitude);
    std::u16string text(static_cast<std::size_t>(end - buffer.data()), u'\0');
    std::ranges::transform(buffer.data(), end, text.begin(),
                           [](char c) { return c == 'e' ? u'E' : static_cast<char16_t>(c); });
    return text;
}

} // namespace tenvex
