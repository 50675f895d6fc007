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
#include "halfway_text.h"
#include "number_reading.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

// The midpoint between `value` (finite, positive) and the next double up, moved a hair.
std::string HalfwayText(double value, std::uint8_t move, std::uint8_t zeros)
{
    auto [digits, powerOfTen] = halfway::Midpoint(value);
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
    } catch (const tenvex::NumberError &error) {
        if (error.kind() != tenvex::NumberErrorKind::NumberTooLarge)
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
