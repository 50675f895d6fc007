// SPDX-License-Identifier: MIT
#include "error.h"
#include "number_reading.h"
#include "table_test.h"

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <limits>
#include <optional>
#include <random>

using tenvex::Error;
using tenvex::ErrorKind;
using tenvex::ReadNumber;

namespace {

std::optional<ErrorKind> KindOfError(std::u16string_view text)
{
    try {
        (void)ReadNumber(text);
    } catch (const Error &error) {
        return error.kind();
    }
    return std::nullopt;
}

struct ReadRow
{
    const char *name;
    std::u16string_view text;
    double expected;
};

// Halfway between two doubles, and a digit past 800 places that decides the rounding upwards.
const std::u16string PastHalfwayFarOut = u"9007199254740993." + std::u16string(800, u'0') + u"1";

class ReadsNumber : public testing::TestWithParam<ReadRow>
{};

TEST_P(ReadsNumber, AsTheNearestDouble)
{
    EXPECT_EQ(Exact(ReadNumber(GetParam().text)), Exact(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ReadsNumber,
    testing::Values(
        ReadRow{"integer", u"5", 5.0}, ReadRow{"decimal", u"2.5", 2.5},
        ReadRow{"point_last", u"5.", 5.0}, ReadRow{"point_first", u".5", 0.5},
        ReadRow{"leading_zeros", u"000123.4500", 123.45},
        ReadRow{"leading_blanks", u" \t\r\n5", 5.0}, ReadRow{"plus", u"+5", 5.0},
        ReadRow{"minus", u"-5", -5.0}, ReadRow{"unicode_minus", u"\u22125", -5.0},
        ReadRow{"negative_zero", u"-0", -0.0}, ReadRow{"exponent", u"2.5E3", 2500.0},
        ReadRow{"small_e_negative_exponent", u"2.5e-3", 0.0025},
        ReadRow{"exponent_with_plus", u"1e+2", 100.0},
        ReadRow{"point_before_exponent", u"5.e1", 50.0},
        ReadRow{"marker_without_digits", u"5e", 5.0},
        ReadRow{"marker_and_sign_without_digits", u"5e+", 5.0},
        ReadRow{"marker_then_unit", u"5E kV", 5.0}, ReadRow{"unit_after_number", u"2.5 kV", 2.5},
        ReadRow{"trailing_blanks", u"7  ", 7.0}, ReadRow{"point_then_letter", u"1.5.x", 1.5},
        ReadRow{"decimal_one_tenth", u"0.1", 0.1},
        ReadRow{"halfway_rounds_to_even", u"9007199254740993", 9007199254740992.0},
        ReadRow{"digit_far_past_halfway", u"9007199254740993.00000000000000000000001",
                9007199254740994.0},
        ReadRow{"digit_past_eight_hundred_places", PastHalfwayFarOut, 9007199254740994.0},
        ReadRow{"largest_double", u"1.7976931348623157e308", std::numeric_limits<double>::max()},
        ReadRow{"smallest_normal", u"2.2250738585072014e-308", std::numeric_limits<double>::min()},
        ReadRow{"smallest_subnormal", u"4.9406564584124654e-324",
                std::numeric_limits<double>::denorm_min()},
        ReadRow{"below_subnormal_is_zero", u"1e-400", 0.0},
        ReadRow{"negative_below_subnormal", u"-1e-400", -0.0},
        ReadRow{"zero_with_huge_exponent", u"0e999999", 0.0},
        ReadRow{"exponent_beyond_any_integer", u"1e-99999999999999999999999", 0.0},
        ReadRow{"zero_exponent_beyond_any_integer", u"0.0e99999999999999999999999", 0.0},
        ReadRow{"fraction_zeros_and_exponent", u"0.000000000000000000000000001e27", 1.0}),
    RowName());

struct RefuseRow
{
    const char *name;
    std::u16string_view text;
    ErrorKind kind;
};

class RefusesText : public testing::TestWithParam<RefuseRow>
{};

TEST_P(RefusesText, WithItsKindOfError)
{
    EXPECT_EQ(KindOfError(GetParam().text), GetParam().kind);
}

const std::u16string FourHundredNines(400, u'9');

INSTANTIATE_TEST_SUITE_P(
    NotANumber, RefusesText,
    testing::Values(RefuseRow{"empty", u"", ErrorKind::NotANumber},
                    RefuseRow{"blanks_only", u" \t ", ErrorKind::NotANumber},
                    RefuseRow{"letters", u"abc", ErrorKind::NotANumber},
                    RefuseRow{"sign_only", u"-", ErrorKind::NotANumber},
                    RefuseRow{"unicode_minus_only", u"\u2212", ErrorKind::NotANumber},
                    RefuseRow{"point_only", u".", ErrorKind::NotANumber},
                    RefuseRow{"sign_and_point", u"-.", ErrorKind::NotANumber},
                    RefuseRow{"exponent_only", u"e5", ErrorKind::NotANumber},
                    RefuseRow{"two_signs", u"+-5", ErrorKind::NotANumber},
                    RefuseRow{"infinity", u"inf", ErrorKind::NotANumber},
                    RefuseRow{"not_a_number", u"nan", ErrorKind::NotANumber},
                    RefuseRow{"no_break_space_first", u"\u00A05", ErrorKind::NotANumber}),
    RowName());

INSTANTIATE_TEST_SUITE_P(
    Ambiguous, RefusesText,
    testing::Values(RefuseRow{"decimal_comma", u"1,5", ErrorKind::AmbiguousNumber},
                    RefuseRow{"comma_grouping", u"1,000", ErrorKind::AmbiguousNumber},
                    RefuseRow{"second_point", u"1.2.3", ErrorKind::AmbiguousNumber},
                    RefuseRow{"apostrophe_grouping", u"1'000", ErrorKind::AmbiguousNumber},
                    RefuseRow{"underscore_grouping", u"1_000", ErrorKind::AmbiguousNumber},
                    RefuseRow{"blank_grouping", u"1 000", ErrorKind::AmbiguousNumber},
                    RefuseRow{"tab_grouping", u"1\t000", ErrorKind::AmbiguousNumber},
                    RefuseRow{"no_break_space_grouping", u"1\u00A0000", ErrorKind::AmbiguousNumber},
                    RefuseRow{"narrow_no_break_space_grouping", u"1\u202F000",
                              ErrorKind::AmbiguousNumber},
                    RefuseRow{"negative_decimal_comma", u"-1,5", ErrorKind::AmbiguousNumber},
                    RefuseRow{"comma_after_exponent", u"1e5,3", ErrorKind::AmbiguousNumber}),
    RowName());

// A word or unit after the number is ignored; another digit after it is not.
INSTANTIATE_TEST_SUITE_P(WordAfterNumber, ReadsNumber,
                         testing::Values(ReadRow{"unit_with_prefix_letter", u"4.7uF", 4.7},
                                         ReadRow{"unit_with_superscript", u"2.5 m\u00B2", 2.5},
                                         ReadRow{"two_points_and_a_word", u"1..x", 1.0},
                                         ReadRow{"sentence_without_digits", u"12 apples, please.",
                                                 12.0}),
                         RowName());

INSTANTIATE_TEST_SUITE_P(
    DigitsAfterNumber, RefusesText,
    testing::Values(RefuseRow{"fraction", u"1/2", ErrorKind::TrailingDigits},
                    RefuseRow{"power", u"2^10", ErrorKind::TrailingDigits},
                    RefuseRow{"times_power", u"3\u00D710^5", ErrorKind::TrailingDigits},
                    RefuseRow{"second_exponent", u"1e3e4", ErrorKind::TrailingDigits},
                    RefuseRow{"hexadecimal", u"0x1F", ErrorKind::TrailingDigits},
                    RefuseRow{"difference", u"1-2", ErrorKind::TrailingDigits},
                    RefuseRow{"blank_before_exponent", u"1 e3", ErrorKind::TrailingDigits},
                    RefuseRow{"blank_then_point", u"1 .5", ErrorKind::TrailingDigits},
                    RefuseRow{"unit_then_number", u"10 kV 3", ErrorKind::TrailingDigits},
                    RefuseRow{"shortened_result_pasted", u"1.23456\u2026E-300",
                              ErrorKind::TrailingDigits},
                    RefuseRow{"doubled_point", u"1..5", ErrorKind::DoubledPoint}),
    RowName());

INSTANTIATE_TEST_SUITE_P(
    TooLarge, RefusesText,
    testing::Values(RefuseRow{"just_above_the_largest_double", u"1.7976931348623159e308",
                              ErrorKind::NumberTooLarge},
                    RefuseRow{"e309", u"1e309", ErrorKind::NumberTooLarge},
                    RefuseRow{"negative_e309", u"-1e309", ErrorKind::NumberTooLarge},
                    RefuseRow{"four_hundred_digits", FourHundredNines, ErrorKind::NumberTooLarge},
                    RefuseRow{"exponent_beyond_any_integer", u"1e99999999999999999999999",
                              ErrorKind::NumberTooLarge}),
    RowName());

TEST(ReadNumber, ErrorCarriesTheWholeText)
{
    const std::u16string text = u"1,5\u00A0\u00B5m";
    try {
        (void)ReadNumber(text);
        FAIL() << "no error raised";
    } catch (const Error &error) {
        EXPECT_EQ(error.text(), text);
    }
}

struct LongRow
{
    const char *name;
    std::u16string text;
    bool reads;
};

class LongTextIsQuick : public testing::TestWithParam<LongRow>
{};

TEST_P(LongTextIsQuick, ReadOrRefusedInLinearTime)
{
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(!KindOfError(GetParam().text).has_value(), GetParam().reads);
    const auto elapsed = std::chrono::steady_clock::now() - start;
    // Milliseconds in an optimised build; the bound leaves room for sanitizers and a busy machine.
    EXPECT_LT(elapsed, std::chrono::seconds(1));
}

constexpr std::size_t Million = 1'000'000;

INSTANTIATE_TEST_SUITE_P(
    MillionUnits, LongTextIsQuick,
    testing::Values(
        LongRow{"digits_overflow", std::u16string(Million, u'7'), false},
        LongRow{"blanks", std::u16string(Million, u' '), false},
        LongRow{"fraction_zeros", u"0." + std::u16string(Million, u'0') + u'1', true},
        LongRow{"zeros_scaled_back", u'1' + std::u16string(Million, u'0') + u"e-1000000", true},
        LongRow{"digits_then_text", u"1." + std::u16string(Million, u'3') + u"kV", true}),
    RowName());

// Random decimal texts of 1 to 25 digits and every exponent up to the ends of the double range
// read as the C library reads them (it rounds correctly too), wherever it reads them without a
// range error.
TEST(ReadNumber, AgreesWithCReading)
{
    std::mt19937_64 random(1208);
    for (int i = 0; i < 200'000; ++i) {
        std::string text = random() % 2 ? "-" : "";
        const auto digits = 1 + random() % 25;
        const auto point = random() % (digits + 1);
        for (std::uint64_t d = 0; d < digits; ++d) {
            if (d == point)
                text += '.';
            text += static_cast<char>('0' + random() % 10);
        }
        text += 'e' + std::to_string(static_cast<int>(random() % 660) - 340);
        errno = 0;
        const double expected = std::strtod(text.c_str(), nullptr);
        if (errno == ERANGE)
            continue;
        ASSERT_EQ(Exact(ReadNumber(Utf16(text))), Exact(expected)) << text;
    }
}

} // namespace
