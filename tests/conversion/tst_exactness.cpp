// SPDX-License-Identifier: MIT
#include "prefix_conversion.h"
#include "table_test.h"

#include <array>
#include <random>
#include <string>

// Property: a quantity written with at most 15 significant digits comes back from every pair of
// prefixes as exactly the same digits with the decimal point shifted. The expected text is made by
// moving the point in the digit string, never by arithmetic on doubles.

namespace {

struct Prefix
{
    const char16_t *name;
    int exponent;
};

constexpr std::array<Prefix, 11> Prefixes{{
    {u"Tera (T)", 12},
    {u"Giga (G)", 9},
    {u"Mega (M)", 6},
    {u"Kilo (K)", 3},
    {u"Unit", 0},
    {u"deci (d)", -1},
    {u"centi (c)", -2},
    {u"milli (m)", -3},
    {u"micro (u)", -6},
    {u"nano (n)", -9},
    {u"pico (p)", -12},
}};

// A decimal number d.ddd x 10^exponent, its digits without trailing zeros.
struct Decimal
{
    bool negative;
    std::string digits;
    int exponent;
};

std::string ExponentText(int exponent)
{
    std::string text = exponent < 0 ? "E-" : "E+";
    const std::string magnitude = std::to_string(exponent < 0 ? -exponent : exponent);
    if (magnitude.size() < 2)
        text += '0';
    return text.append(magnitude);
}

// The decimal written as the program writes results: fixed from 0.0001 up to below 1E+15.
std::string Written(const Decimal &number)
{
    std::string text = number.negative ? "-" : "";
    const std::string &d = number.digits;
    const int e = number.exponent;
    if (e < -4 || e >= 15) {
        text += d.front();
        if (d.size() > 1)
            text.append(".").append(d, 1);
        return text.append(ExponentText(e));
    }
    if (e < 0)
        return text.append("0.").append(static_cast<std::size_t>(-e) - 1, '0').append(d);
    const std::size_t integerDigits = static_cast<std::size_t>(e) + 1;
    if (d.size() <= integerDigits)
        return text.append(d).append(integerDigits - d.size(), '0');
    return text.append(d, 0, integerDigits).append(".").append(d, integerDigits);
}

Decimal RandomDecimal(std::mt19937_64 &random)
{
    std::uniform_int_distribution<int> length(1, 15);
    std::uniform_int_distribution<int> digit(0, 9);
    std::uniform_int_distribution<int> leadingDigit(1, 9);
    // Shifted by up to 24 places either way, results stay within 1E-280 and 1E+280.
    std::uniform_int_distribution<int> exponent(-256, 255);

    Decimal number{random() % 2 == 0, {}, exponent(random)};
    number.digits.push_back(static_cast<char>('0' + leadingDigit(random)));
    for (int n = length(random); n > 1; --n)
        number.digits.push_back(static_cast<char>('0' + digit(random)));
    while (number.digits.size() > 1 && number.digits.back() == '0')
        number.digits.pop_back();
    return number;
}

std::u16string InputText(const Decimal &number)
{
    std::string text = number.negative ? "-" : "";
    text.append(number.digits, 0, 1).append(".").append(number.digits, 1);
    text.append("e").append(std::to_string(number.exponent));
    return {text.begin(), text.end()};
}

// The expected-text maker itself, against texts written out by hand.
TEST(Exactness, WrittenMatchesKnownTexts)
{
    EXPECT_EQ(Written({false, "25", 6}), "2500000");
    EXPECT_EQ(Written({true, "2", 3}), "-2000");
    EXPECT_EQ(Written({false, "1", -3}), "0.001");
    EXPECT_EQ(Written({false, "1", -4}), "0.0001");
    EXPECT_EQ(Written({false, "1", -5}), "1E-05");
    EXPECT_EQ(Written({false, "1", -6}), "1E-06");
    EXPECT_EQ(Written({false, "123456789012345", 14}), "123456789012345");
    EXPECT_EQ(Written({false, "123", 15}), "1.23E+15");
    EXPECT_EQ(Written({false, "15", 1}), "15");
    EXPECT_EQ(Written({false, "15", 0}), "1.5");
    EXPECT_EQ(Written({true, "7", -280}), "-7E-280");
}

TEST(Exactness, EveryPairShiftsTheDigits)
{
    constexpr int Inputs = 100'000;
    std::mt19937_64 random(1208);
    for (int i = 0; i < Inputs; ++i) {
        const Decimal input = RandomDecimal(random);
        const std::u16string text = InputText(input);
        for (const Prefix &from : Prefixes) {
            for (const Prefix &to : Prefixes) {
                Decimal shifted = input;
                shifted.exponent += from.exponent - to.exponent;
                ASSERT_EQ(tenvex::ConvertQuantity(text, from.name, to.name).view(),
                          Utf16(Written(shifted)))
                    << Ascii(text) << " from " << Ascii(from.name) << " to " << Ascii(to.name);
            }
        }
    }
}

} // namespace
