// SPDX-License-Identifier: MIT
// The reading against the C library's strtod, which rounds correctly at every length (glibc), in
// the C locale: a number the reading takes is the double strtod reads from the same text, and one
// it finds too large is one strtod reads as infinite. Texts the reading refuses (hexadecimal,
// "inf", "nan", a digit after the number) are set aside.
//
// An input beginning with the byte 0xFE is not a text but a halfway point to write out: the
// next eight bytes are a double, whose exact midpoint with the next double up is written in all
// its digits (up to 768), then moved a hair by the next byte: left as it is, its last digit
// lowered, a digit 1 put after it past as many zeros as the byte after says, or its digits cut.
#include "error.h"
#include "fuzz_input.h"
#include "number_reading.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

// A whole number in base 10^9, least significant part first.
using BigNumber = std::vector<std::uint32_t>;

void Multiply(BigNumber &number, std::uint32_t factor)
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

std::string Digits(const BigNumber &number)
{
    std::string digits = std::to_string(number.back());
    for (auto part = number.rbegin() + 1; part != number.rend(); ++part) {
        const std::string group = std::to_string(*part);
        digits.append(9 - group.size(), '0').append(group);
    }
    return digits;
}

// The exact decimal of the midpoint between `value` (finite, positive) and the next double up:
// its digits, and the power of ten of the last one.
std::string HalfwayText(double value, std::uint8_t move, std::uint8_t zeros)
{
    const auto bits = std::bit_cast<std::uint64_t>(value);
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
    std::string digits = Digits(number);
    switch (move % 4) {
    case 0:
        break;
    case 1: // the last digit of a midpoint is 5
        digits.back() = '4';
        break;
    case 2:
        digits.append(zeros, '0').push_back('1');
        powerOfTen -= zeros + 1;
        break;
    case 3: {
        const std::size_t kept = 1 + zeros % digits.size();
        powerOfTen += static_cast<int>(digits.size() - kept);
        digits.resize(kept);
        break;
    }
    }
    return digits + "e" + std::to_string(powerOfTen);
}

// The text as the C library reads it: the Unicode minus as "-", any other unit beyond ASCII,
// and the zero unit, as a character that ends a number.
std::string Ascii(std::u16string_view text)
{
    std::string ascii;
    ascii.reserve(text.size());
    for (const char16_t unit : text) {
        if (unit == u'\u2212')
            ascii += '-';
        else
            ascii += unit > 0 && unit < 0x80 ? static_cast<char>(unit) : '?';
    }
    return ascii;
}

void Compare(const std::u16string &text)
{
    double read = 0.0;
    bool tooLarge = false;
    try {
        read = tenvex::ReadNumber(text);
    } catch (const tenvex::Error &error) {
        if (error.kind() != tenvex::ErrorKind::NumberTooLarge)
            return;
        tooLarge = true;
    }
    const double expected = std::strtod(Ascii(text).c_str(), nullptr);
    if (tooLarge ? !std::isinf(expected)
                 : std::bit_cast<std::uint64_t>(read) != std::bit_cast<std::uint64_t>(expected))
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size >= 11 && data[0] == 0xFE) {
        std::uint64_t bits = 0;
        std::memcpy(&bits, data + 1, sizeof bits);
        const double value = std::fabs(std::bit_cast<double>(bits));
        if (!std::isfinite(value))
            return 0;
        const std::string text = HalfwayText(value, data[9], data[10]);
        Compare(std::u16string(text.begin(), text.end()));
        return 0;
    }
    Compare(FuzzText(data, size));
    return 0;
}
