// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

// The exact decimal of the number halfway between a finite positive double and the next one up,
// in all its digits (up to 768), for texts that lie exactly on a rounding boundary of the reading.
namespace halfway {

// A whole number in base 10^9, least significant part first.
using BigNumber = std::vector<std::uint32_t>;

inline void Multiply(BigNumber &number, std::uint32_t factor)
{
    std::uint64_t carry = 0;
    for (std::uint32_t &part : number) {
        const std::uint64_t value = std::uint64_t{part} * factor + carry;
        part = static_cast<std::uint32_t>(value % 1'000'000'000);
        carry = value / 1'000'000'000;
    }
    if (carry > 0)
        number.push_back(static_cast<std::uint32_t>(carry));
}

inline std::string Digits(const BigNumber &number)
{
    std::string digits = std::to_string(number.back());
    for (auto part = number.rbegin() + 1; part != number.rend(); ++part) {
        const std::string group = std::to_string(*part);
        digits.append(9 - group.size(), '0').append(group);
    }
    return digits;
}

// The digits of the midpoint above `value`, and the power of ten of the last one.
struct Decimal
{
    std::string digits;
    int powerOfTen;
};

inline Decimal Midpoint(double value)
{
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    const auto biased = static_cast<int>(bits >> 52);
    std::uint64_t mantissa = bits & ((std::uint64_t{1} << 52) - 1);
    if (biased != 0)
        mantissa |= std::uint64_t{1} << 52;
    // value = mantissa x 2^exponent; the midpoint is (2 mantissa + 1) x 2^(exponent - 1).
    const int exponent = (biased == 0 ? 1 : biased) - 1075;
    const std::uint64_t odd = 2 * mantissa + 1;
    BigNumber number{static_cast<std::uint32_t>(odd % 1'000'000'000),
                     static_cast<std::uint32_t>(odd / 1'000'000'000 % 1'000'000'000),
                     static_cast<std::uint32_t>(odd / 1'000'000'000 / 1'000'000'000)};
    while (number.size() > 1 && number.back() == 0)
        number.pop_back();
    int powerOfTen = 0;
    for (int step = 0; step < exponent - 1; ++step)
        Multiply(number, 2);
    // x 2^-k = x 5^k / 10^k
    for (int step = 0; step < 1 - exponent; ++step) {
        Multiply(number, 5);
        --powerOfTen;
    }
    return {Digits(number), powerOfTen};
}

} // namespace halfway
