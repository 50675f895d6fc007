// SPDX-License-Identifier: MIT
#include "number_format.h"
#include "table_test.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <random>
#include <string_view>

using tenvex::FormatNumber;

namespace {

struct WriteRow
{
    const char *name;
    double value;
    std::u16string_view expected;
};

class WritesNumber : public testing::TestWithParam<WriteRow>
{};

TEST_P(WritesNumber, AsItsText)
{
    EXPECT_EQ(FormatNumber(GetParam().value).view(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Values, WritesNumber,
    testing::Values(
        WriteRow{"integer", 2500000.0, u"2500000"}, WriteRow{"thousandth", 0.001, u"0.001"},
        WriteRow{"smallest_fixed", 0.0001, u"0.0001"},
        WriteRow{"first_exponent_below", 1e-5, u"1E-05"},
        WriteRow{"digits_with_small_exponent", 0.00001234, u"1.234E-05"},
        WriteRow{"largest_fixed", 999999999999999.0, u"999999999999999"},
        WriteRow{"first_exponent_above", 1e15, u"1E+15"},
        WriteRow{"rounds_up_into_exponent", 999999999999999.9, u"1E+15"},
        WriteRow{"fifteen_digits_with_exponent", 1234567890123456.0, u"1.23456789012346E+15"},
        WriteRow{"three_digit_exponent", 1e100, u"1E+100"}, WriteRow{"negative", -2000.0, u"-2000"},
        WriteRow{"negative_small", -1.5e-7, u"-1.5E-07"},
        WriteRow{"third", 1.0 / 3.0, u"0.333333333333333"},
        WriteRow{"rounded_to_15_digits", 123456.7890123456, u"123456.789012346"},
        WriteRow{"binary_noise_hidden", 0.1 + 0.2, u"0.3"}, WriteRow{"zero", 0.0, u"0"},
        WriteRow{"negative_zero", -0.0, u"0"},
        WriteRow{"smallest_subnormal", std::numeric_limits<double>::denorm_min(),
                 u"4.94065645841247E-324"}),
    RowName());

// The four doubles next to the largest one round up, to 15 digits, past the largest double:
// written rounded toward zero, they read back.
INSTANTIATE_TEST_SUITE_P(
    NextToTheLargest, WritesNumber,
    testing::Values(WriteRow{"largest_double", std::numeric_limits<double>::max(),
                             u"1.79769313486231E+308"},
                    WriteRow{"negative_largest_double", -std::numeric_limits<double>::max(),
                             u"-1.79769313486231E+308"},
                    WriteRow{"first_to_round_past_the_largest", 0x1.ffffffffffffcp+1023,
                             u"1.79769313486231E+308"},
                    WriteRow{"last_to_round_below_the_largest", 0x1.ffffffffffffbp+1023,
                             u"1.79769313486231E+308"}),
    RowName());

// Rounding to fifteen digits from the exact value of the double: ties go to the even digit, and a
// carry out of the fifteenth digit moves the number into the next power of ten, and the notation
// with it.
INSTANTIATE_TEST_SUITE_P(
    RoundingToFifteenDigits, WritesNumber,
    testing::Values(
        WriteRow{"tie_rounds_up_to_even", 123456789012345.5, u"123456789012346"},
        WriteRow{"tie_stays_even", 123456789012344.5, u"123456789012344"},
        WriteRow{"whole_tie_rounds_up_to_even", 1234567890123455.0, u"1.23456789012346E+15"},
        WriteRow{"whole_tie_stays_even", 1234567890123445.0, u"1.23456789012344E+15"},
        WriteRow{"fraction_rounds_up_to_whole", 999999.99999999988, u"1000000"},
        WriteRow{"rounds_up_into_fixed_notation", 9.9999999999999991e-05, u"0.0001"},
        WriteRow{"stays_below_fixed_notation", 9.9999999999999896e-05, u"9.99999999999999E-05"},
        WriteRow{"rounds_up_into_first_exponent_form", 9.9999999999999991e-06, u"1E-05"},
        WriteRow{"rounds_up_to_next_power", 9.9999999999999995e+33, u"1E+34"},
        WriteRow{"stays_below_next_power", 9.9999999999999902e+33, u"9.99999999999999E+33"},
        WriteRow{"binary_noise_above", 3141592.6535897902, u"3141592.65358979"},
        WriteRow{"binary_noise_below", 6.0221407599999994e+29, u"6.02214076E+29"},
        // Fifteen digits that a power of ten divides out as a whole number, the exact value lying
        // a little below it (so the rest is most of one) or a little above it.
        WriteRow{"divided_to_just_below_whole", 3.4210662726366798e+19, u"3.42106627263668E+19"},
        WriteRow{"divided_to_just_above_whole", 1.4529885694088801e+20, u"1.45298856940888E+20"},
        WriteRow{"negative_binary_noise", -123.00000000000001, u"-123"}),
    RowName());

enum class Sample { AnyBits, FixedRange, LargeRange, ShortDecimal, FewDigitsAnyExponent, NearTie };

// A random finite double: any bit pattern; one between 2^-30 and 2^52, where fixed notation and
// the fifteen-digit boundary lie; one between 2^46 and 2^125, where whole numbers are rounded to
// fifteen digits; a short decimal fraction, which lands on and next to the rounding ties; or the
// double nearest a decimal of 1 to 15 digits at any exponent; or one of the few doubles around a
// number halfway between two of fifteen digits, where the rounding is decided by the last bits.
double RandomValue(Sample sample, std::mt19937_64 &random)
{
    switch (sample) {
    case Sample::AnyBits:
        return DoubleOfBits(random());
    case Sample::FixedRange: {
        const std::uint64_t exponent = 1023 - 30 + random() % 83;
        return DoubleOfBits(exponent << 52 | (random() & ((1ULL << 52) - 1)));
    }
    case Sample::LargeRange: {
        const std::uint64_t exponent = 1023 + 46 + random() % 80;
        return DoubleOfBits(exponent << 52 | (random() & ((1ULL << 52) - 1)));
    }
    case Sample::ShortDecimal: {
        const auto digits = static_cast<double>(random() % 100'000'000'000'000'000ULL);
        return digits / std::pow(10.0, static_cast<double>(random() % 25));
    }
    case Sample::FewDigitsAnyExponent: {
        const std::string text = std::to_string(random() % 1'000'000'000'000'000ULL) + "e"
            + std::to_string(static_cast<int>(random() % 640) - 330);
        return std::strtod(text.c_str(), nullptr);
    }
    case Sample::NearTie: {
        const std::uint64_t fifteenDigits = 100'000'000'000'000 + random() % 900'000'000'000'000;
        const std::string text = std::to_string(fifteenDigits) + "5e"
            + std::to_string(static_cast<int>(random() % 60) - 30);
        double value = std::strtod(text.c_str(), nullptr);
        for (auto steps = random() % 5; steps > 0; --steps)
            value = std::nextafter(value, random() % 2 == 0 ? 0.0 : HUGE_VAL);
        return value;
    }
    }
    return 0.0;
}

struct SampleRow
{
    const char *name;
    Sample sample;
};

class AgreesWithCFormatting : public testing::TestWithParam<SampleRow>
{};

// Written exactly as the C library writes it with "%.15G" in the C locale, but for the text past
// the largest double (checked above).
TEST_P(AgreesWithCFormatting, OnRandomValues)
{
    std::mt19937_64 random(20261208);
    for (int i = 0; i < 200'000; ++i) {
        const double value = RandomValue(GetParam().sample, random);
        if (!std::isfinite(value) || value == 0.0)
            continue;
        char expected[40];
        std::snprintf(expected, sizeof expected, "%.15G", value);
        if (std::string_view(expected).ends_with("1.79769313486232E+308"))
            continue;
        ASSERT_EQ(FormatNumber(value).view(), Utf16(expected)) << Exact(value);
    }
}

INSTANTIATE_TEST_SUITE_P(Samples, AgreesWithCFormatting,
                         testing::Values(SampleRow{"any_bit_pattern", Sample::AnyBits},
                                         SampleRow{"fixed_notation_range", Sample::FixedRange},
                                         SampleRow{"large_whole_numbers", Sample::LargeRange},
                                         SampleRow{"short_decimals", Sample::ShortDecimal},
                                         SampleRow{"few_digits_any_exponent",
                                                   Sample::FewDigitsAnyExponent},
                                         SampleRow{"next_to_ties", Sample::NearTie}),
                         RowName());

} // namespace
