// SPDX-License-Identifier: MIT
#include "number_format.h"

#include "fifteen_digits.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string_view>

namespace tenvex {

namespace {

using detail::FifteenDigits;

constexpr int SignificantDigits = 15;

// The few doubles next to the largest one round, to 15 digits, up to a number beyond the largest
// double, 1.79769313486232E+308, which would not read back. They are written rounded toward zero.
constexpr FifteenDigits RoundedPastLargest{179'769'313'486'232, 308};
constexpr FifteenDigits LargestWritable{179'769'313'486'231, 308};

char *Append(char *out, std::string_view text)
{
    return std::copy(text.begin(), text.end(), out);
}

// The text %.15G makes of a number's fifteen digits: fixed notation for exponents from -4 to 14,
// exponent form with at least two digits for the others, and no trailing zeros.
NumberText WriteDigits(bool negative, FifteenDigits number)
{
    std::array<char, SignificantDigits> digits; // 10^14 <= number.digits < 10^15 fills it
    std::to_chars(digits.data(), digits.data() + digits.size(), number.digits);
    std::string_view significant(digits.data(), digits.size());
    significant = significant.substr(0, significant.find_last_not_of('0') + 1);
    const int exponent = number.exponent;

    std::array<char, 32> buffer; // every character read is written first
    char *out = buffer.data();
    if (negative)
        *out++ = '-';
    if (exponent < -4 || exponent >= SignificantDigits) {
        *out++ = significant.front();
        if (significant.size() > 1) {
            *out++ = '.';
            out = Append(out, significant.substr(1));
        }
        *out++ = 'E';
        *out++ = exponent < 0 ? '-' : '+';
        const int magnitude = std::abs(exponent);
        if (magnitude < 10)
            *out++ = '0';
        out = std::to_chars(out, buffer.data() + buffer.size(), magnitude).ptr;
    } else if (exponent < 0) {
        out = Append(out, std::string_view("0."));
        out = std::fill_n(out, -exponent - 1, '0');
        out = Append(out, significant);
    } else {
        const auto whole = static_cast<std::size_t>(exponent) + 1;
        out = Append(out, significant.substr(0, whole));
        if (significant.size() > whole) {
            *out++ = '.';
            out = Append(out, significant.substr(whole));
        } else {
            out = std::fill_n(out, whole - significant.size(), '0');
        }
    }
    return NumberText(
        std::string_view(buffer.data(), static_cast<std::size_t>(out - buffer.data())));
}

} // namespace

NumberText FormatNumber(double value)
{
    if (value == 0.0) // both zeros
        return NumberText("0");
    if (!std::isfinite(value))
        return NumberText(std::isnan(value) ? "NAN" : value < 0.0 ? "-INF" : "INF");
    FifteenDigits number = detail::RoundToFifteenDigits(std::fabs(value));
    if (number.digits == RoundedPastLargest.digits
        && number.exponent == RoundedPastLargest.exponent)
        number = LargestWritable;
    return WriteDigits(value < 0.0, number);
}

} // namespace tenvex
