// SPDX-License-Identifier: MIT
#include "number_format.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace tenvex {

namespace {

constexpr int SignificantDigits = 15;

} // namespace

std::u16string FormatNumber(double value)
{
    if (value == 0.0) // both zeros
        return u"0";
    // The general format with a precision is printf's %g in the C locale; %G only capitalises
    // the exponent's marker. The longest text is "-1.23456789012345e-308".
    std::array<char, 32> buffer{};
    const char *const end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                          std::chars_format::general, SignificantDigits)
                                .ptr;
    std::u16string text(static_cast<std::size_t>(end - buffer.data()), u'\0');
    std::ranges::transform(buffer.data(), end, text.begin(),
                           [](char c) { return c == 'e' ? u'E' : static_cast<char16_t>(c); });
    return text;
}

} // namespace tenvex
