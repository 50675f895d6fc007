// SPDX-License-Identifier: MIT
#include "number_format.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <compare>
#include <cstdint>
#include <cstdlib>
#include <optional>
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

// 128-bit integers are a compiler extension of 64-bit targets; elsewhere the library rounds.
#ifdef __SIZEOF_INT128__

__extension__ typedef unsigned __int128 Wide;

constexpr std::uint64_t FirstFifteenDigitNumber = 100'000'000'000'000;
constexpr std::uint64_t FirstSixteenDigitNumber = 1'000'000'000'000'000;
// 10^0 to 10^19, the powers of ten in 64 bits.
constexpr auto PowersOfTen = [] {
    std::array<std::uint64_t, 20> powers{};
    std::uint64_t power = 1;
    for (std::uint64_t &entry : powers) {
        entry = power;
        power *= 10;
    }
    return powers;
}();

// A positive number as its fifteen significant digits and the power of ten of the first:
// digits x 10^(exponent - 14), with 10^14 <= digits < 10^15.
struct FifteenDigits
{
    std::uint64_t digits;
    int exponent;
};

// significand x 2^binaryExponent x 10^power, exactly, as its whole part and how the rest
// compares with one half; nothing where that takes more than 128 bits.
struct Scaled
{
    std::uint64_t whole;
    std::strong_ordering restToHalf;
};

std::optional<Scaled> ScaleExactly(std::uint64_t significand, int binaryExponent, int power)
{
    if (power >= static_cast<int>(PowersOfTen.size())
        || -power >= static_cast<int>(PowersOfTen.size()))
        return std::nullopt;
    Wide numerator = significand;
    Wide denominator = 1;
    if (power >= 0)
        numerator *= PowersOfTen[static_cast<std::size_t>(power)];
    else
        denominator = PowersOfTen[static_cast<std::size_t>(-power)];
    const int shift = binaryExponent < 0 ? -binaryExponent : 0;
    if (binaryExponent >= 0) {
        // The numerator stays below 2^127.
        const auto highBits
            = static_cast<int>(std::bit_width(static_cast<std::uint64_t>(numerator >> 64)));
        if (highBits + binaryExponent > 63)
            return std::nullopt;
        numerator <<= binaryExponent;
    } else {
        if (shift > 63)
            return std::nullopt;
        denominator <<= shift;
    }
    // A power of two alone divides by a shift.
    const Wide whole = power >= 0 ? numerator >> shift : numerator / denominator;
    const Wide rest = numerator - whole * denominator;
    if (whole >= Wide{FirstSixteenDigitNumber} * 10) // not the fifteen or sixteen digits asked for
        return std::nullopt;
    return Scaled{static_cast<std::uint64_t>(whole), rest <=> denominator - rest};
}

// The fifteen digits %.15G writes, rounded to nearest with ties to even from the double's exact
// value, for normal numbers from about 10^-5 to 10^34; nothing for the others.
std::optional<FifteenDigits> RoundToFifteenDigits(double magnitude)
{
    const auto bits = std::bit_cast<std::uint64_t>(magnitude);
    const auto biasedExponent = static_cast<int>(bits >> 52);
    if (biasedExponent == 0 || biasedExponent == 0x7ff) // subnormal, infinite or NaN
        return std::nullopt;
    const std::uint64_t significand
        = (bits & ((std::uint64_t{1} << 52) - 1)) | std::uint64_t{1} << 52;
    const int binaryExponent = biasedExponent - 1075; // magnitude = significand x 2^binaryExponent
    // floor(log10(2^(biasedExponent - 1023))), 78913 / 2^18 being log10(2) closely enough for
    // these exponents: the decimal exponent, or one less.
    int exponent = ((biasedExponent - 1023) * 78913) >> 18;
    std::optional<Scaled> scaled = ScaleExactly(significand, binaryExponent, 14 - exponent);
    if (scaled && scaled->whole >= FirstSixteenDigitNumber)
        scaled = ScaleExactly(significand, binaryExponent, 14 - ++exponent);
    if (!scaled)
        return std::nullopt;
    std::uint64_t digits = scaled->whole;
    if (std::is_gt(scaled->restToHalf) || (std::is_eq(scaled->restToHalf) && digits % 2 == 1))
        ++digits;
    if (digits == FirstSixteenDigitNumber) {
        digits = FirstFifteenDigitNumber;
        ++exponent;
    }
    return FifteenDigits{digits, exponent};
}

// The text %.15G makes of a number's fifteen digits: fixed notation for exponents from -4 to 14,
// exponent form with at least two digits for the others, and no trailing zeros.
NumberText WriteDigits(bool negative, FifteenDigits number)
{
    std::array<char, 16> digits; // every character read is written first
    std::to_chars(digits.data(), digits.data() + digits.size(), number.digits);
    std::string_view significant(digits.data(), SignificantDigits);
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
            out = std::ranges::copy(significant.substr(1), out).out;
        }
        *out++ = 'E';
        *out++ = exponent < 0 ? '-' : '+';
        const int magnitude = std::abs(exponent);
        if (magnitude < 10)
            *out++ = '0';
        out = std::to_chars(out, buffer.data() + buffer.size(), magnitude).ptr;
    } else if (exponent < 0) {
        out = std::ranges::copy(std::string_view("0."), out).out;
        out = std::fill_n(out, -exponent - 1, '0');
        out = std::ranges::copy(significant, out).out;
    } else {
        const auto whole = static_cast<std::size_t>(exponent) + 1;
        out = std::ranges::copy(significant.substr(0, whole), out).out;
        if (significant.size() > whole) {
            *out++ = '.';
            out = std::ranges::copy(significant.substr(whole), out).out;
        } else {
            out = std::fill_n(out, whole - significant.size(), '0');
        }
    }
    return NumberText(std::string_view(buffer.data(), out));
}

#endif

} // namespace

NumberText FormatNumber(double value)
{
    if (!IsSmallWholeNumber(value)) {
#ifdef __SIZEOF_INT128__
        if (const std::optional<FifteenDigits> number = RoundToFifteenDigits(std::fabs(value)))
            return WriteDigits(value < 0.0, *number);
#endif
        return detail::FormatNumberInFull(value);
    }
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
