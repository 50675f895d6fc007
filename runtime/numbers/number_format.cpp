// SPDX-License-Identifier: MIT
#include "number_format.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string_view>

namespace tenvex {

namespace {

constexpr int SignificantDigits = 15;

// The few doubles next to the largest one round, to 15 digits, up to a number beyond the largest
// double, which would not read back. They are written rounded toward zero instead.
constexpr std::string_view RoundedPastLargest = "1.79769313486232e+308";
constexpr std::string_view LargestWritable = "1.79769313486231e+308";

// Whole numbers below this have at most fifteen digits, which %.15G writes as they are.
constexpr double FirstWithSixteenDigits = 1e15;

// The text of a double: the general format with a precision is printf's %g in the C locale. The
// longest text is "-1.23456789012345e-308".
std::string_view WriteInFull(double value, std::array<char, 32> &buffer)
{
    char *const end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                    std::chars_format::general, SignificantDigits)
                          .ptr;
    char *const magnitude = buffer.data() + (value < 0.0 ? 1 : 0);
    if (std::string_view(magnitude, end) == RoundedPastLargest)
        std::ranges::copy(LargestWritable, magnitude);
    // %G only capitalises the exponent's marker, which ends the digits before a sign and two or
    // three digits: "e+15", "e-308".
    const auto size = static_cast<std::size_t>(end - buffer.data());
    for (const std::size_t fromEnd : {std::size_t{4}, std::size_t{5}}) {
        if (size > fromEnd && buffer[size - fromEnd] == 'e')
            buffer[size - fromEnd] = 'E';
    }
    return {buffer.data(), end};
}

// A whole number of at most fifteen digits (the commonest result) is written as its digits: the
// text %.15G writes, for an integer's conversion rather than a double's.
bool IsSmallWholeNumber(double value)
{
    return std::fabs(value) < FirstWithSixteenDigits
        && static_cast<double>(static_cast<std::int64_t>(value)) == value;
}

} // namespace

NumberText FormatNumber(double value)
{
    if (!IsSmallWholeNumber(value))
        return detail::FormatNumberInFull(value);
    std::array<char, 32> buffer; // every character read is written first
    const char *const end = std::to_chars(buffer.data(), buffer.data() + buffer.size(),
                                          static_cast<std::int64_t>(value))
                                .ptr;
    return NumberText(std::string_view(buffer.data(), end)); // negative zero is written "0" too
}

NumberText detail::FormatNumberInFull(double value)
{
    if (value == 0.0) // both zeros
        return NumberText("0");
    std::array<char, 32> buffer; // every character read is written first
    return NumberText(WriteInFull(value, buffer));
}

} // namespace tenvex
