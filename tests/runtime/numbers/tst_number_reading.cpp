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

using tenvex::NumberError;
using tenvex::NumberErrorKind;
using tenvex::ReadNumber;

namespace {

std::optional<NumberErrorKind> KindOfError(std::u16string_view text)
{
    try {
        (void)ReadNumber(text);
    } catch (const NumberError &error) {
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

// The exact decimals of halfway points between doubles have up to 768 significant digits, and
// the digit that decides them may be the last.
// (2^53 - 1) x 2^-1075, halfway between the largest subnormal double and the smallest normal one.
constexpr std::u16string_view HalfwayBelowSmallestNormal
    = u"2.22507385850720113605740979670913197593481954635164564802342610972482222202107694551652"
      u"9523908135087914149158913039621106870086438694594645527657207407820621743379988141063267"
      u"3292535522868813721490129811224514518898490572223072852551331557550159143974763979834118"
      u"0199932396254828901710708185069063066665599493827577257201576306269066333264756530000924"
      u"5888316433037779791869612049497390377829704905051080609940730262937128958950003583799967"
      u"2072543043602840788957717961509455167482434710307026091446215722898802581825451803257070"
      u"1886087211312807951223342628836862232150377566662250398253433597456888442390026549819838"
      u"5487948292206894721689831099698365846814022854243330660339850886445804001034933970427567"
      u"18644338377048603786162277173854562306587467901408672332763671875e-308";

// (2^53 - 3) x 2^-1075, halfway between the largest subnormal double and the one below it.
constexpr std::u16string_view HalfwayBelowLargestSubnormal
    = u"2.22507385850720064199176395546258779936602667813027328296362349540005779643539444484102"
      u"2253699383222614312797277047241310305390992976863718870946851468024222968583977359185141"
      u"0285403619754768443031958132734693482011304211653085545320831493676067608324920106709384"
      u"0472615434740825730172168377656439210106482391161721588524757602313035270771562002841775"
      u"3432987127581235390742131919787390835897715495970664046616205505789259944223223424444728"
      u"5957041695567575854237524171241348059990731378080181338110494890466866489442558344889010"
      u"0825972149614710420439919855653569753100552319354486638980954850896040660352681852824502"
      u"0786151024435136209123775979785215357703877750457056843614755302706830641135567489433450"
      u"76587312006145811358486831521563686919762403704226016998291015625e-308";

// (2^53 + 1) x 2^-1075, halfway between the smallest normal double and the one above it.
constexpr std::u16string_view HalfwayAboveSmallestNormal
    = u"2.22507385850720163012305563795567615250361241457301801308322872404958664760675944619203"
      u"6794116886953213985520549032000903434781884412325572184367563347617020518175998922941393"
      u"6299667425982858999948301489714335555785676932793060159781831621424250679624607852958851"
      u"9927249357768832073249247992481686923224716596493432925878395010225097395757951057160073"
      u"8343645738494324192997092179207389919761694314131497173265255020084997973676783743155205"
      u"8188044391638105723677911751777562274974138042533870844781936555330738674208345261625130"
      u"2946202273010905482006765402020154711200202813970014157525912344017736224427371246815175"
      u"0189745559978653234255886219611516335924167958029604477064946470184777360934300451421683"
      u"60701364747951396213837722826145437693412532098591327667236328125e-308";

// A halfway point's text a hair below it: its last digit, a 5, made a 4.
std::u16string Below(std::u16string_view halfway)
{
    std::u16string text(halfway);
    text[text.find(u'e') - 1] = u'4';
    return text;
}

// A hair above it: a digit 1 after all of its digits, or that far out.
std::u16string Above(std::u16string_view halfway, std::size_t zeros = 0)
{
    std::u16string text(halfway);
    text.insert(text.find(u'e'), std::u16string(zeros, u'0') + u'1');
    return text;
}

struct LongReadRow
{
    const char *name;
    std::u16string text;
    double expected;
};

class ReadsHalfwayPoints : public testing::TestWithParam<LongReadRow>
{};

TEST_P(ReadsHalfwayPoints, ByTheirLastDigit)
{
    EXPECT_EQ(Exact(ReadNumber(GetParam().text)), Exact(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(
    AtTheSmallestNormal, ReadsHalfwayPoints,
    testing::Values(LongReadRow{"halfway_below_smallest_normal_to_even",
                                std::u16string(HalfwayBelowSmallestNormal), 0x1p-1022},
                    LongReadRow{"just_below_halfway_is_largest_subnormal",
                                Below(HalfwayBelowSmallestNormal), 0x0.fffffffffffffp-1022},
                    LongReadRow{"just_above_halfway_is_smallest_normal",
                                Above(HalfwayBelowSmallestNormal), 0x1p-1022},
                    LongReadRow{"halfway_below_largest_subnormal_to_even",
                                std::u16string(HalfwayBelowLargestSubnormal),
                                0x0.ffffffffffffep-1022},
                    LongReadRow{"just_above_that_is_largest_subnormal",
                                Above(HalfwayBelowLargestSubnormal), 0x0.fffffffffffffp-1022},
                    LongReadRow{"decided_forty_digits_past_the_halfway_point",
                                Above(HalfwayBelowLargestSubnormal, 40), 0x0.fffffffffffffp-1022},
                    LongReadRow{"halfway_above_smallest_normal_to_even",
                                std::u16string(HalfwayAboveSmallestNormal), 0x1p-1022},
                    LongReadRow{"just_below_that_is_smallest_normal",
                                Below(HalfwayAboveSmallestNormal), 0x1p-1022},
                    LongReadRow{"just_above_that_is_the_next_double",
                                Above(HalfwayAboveSmallestNormal), 0x1.0000000000001p-1022}),
    RowName());

struct RefuseRow
{
    const char *name;
    std::u16string_view text;
    NumberErrorKind kind;
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
    testing::Values(RefuseRow{"empty", u"", NumberErrorKind::NotANumber},
                    RefuseRow{"blanks_only", u" \t ", NumberErrorKind::NotANumber},
                    RefuseRow{"letters", u"abc", NumberErrorKind::NotANumber},
                    RefuseRow{"sign_only", u"-", NumberErrorKind::NotANumber},
                    RefuseRow{"unicode_minus_only", u"\u2212", NumberErrorKind::NotANumber},
                    RefuseRow{"point_only", u".", NumberErrorKind::NotANumber},
                    RefuseRow{"sign_and_point", u"-.", NumberErrorKind::NotANumber},
                    RefuseRow{"exponent_only", u"e5", NumberErrorKind::NotANumber},
                    RefuseRow{"two_signs", u"+-5", NumberErrorKind::NotANumber},
                    RefuseRow{"infinity", u"inf", NumberErrorKind::NotANumber},
                    RefuseRow{"not_a_number", u"nan", NumberErrorKind::NotANumber},
                    RefuseRow{"no_break_space_first", u"\u00A05", NumberErrorKind::NotANumber},
                    RefuseRow{"wholly_full_width", u"\uFF11\uFF12\uFF13",
                              NumberErrorKind::NotANumber},
                    RefuseRow{"wholly_arabic_indic", u"\u0661\u0662", NumberErrorKind::NotANumber}),
    RowName());

INSTANTIATE_TEST_SUITE_P(
    Ambiguous, RefusesText,
    testing::Values(RefuseRow{"decimal_comma", u"1,5", NumberErrorKind::AmbiguousNumber},
                    RefuseRow{"comma_grouping", u"1,000", NumberErrorKind::AmbiguousNumber},
                    RefuseRow{"second_point", u"1.2.3", NumberErrorKind::AmbiguousNumber},
                    RefuseRow{"apostrophe_grouping", u"1'000", NumberErrorKind::AmbiguousNumber},
                    RefuseRow{"underscore_grouping", u"1_000", NumberErrorKind::AmbiguousNumber},
                    RefuseRow{"blank_grouping", u"1 000", NumberErrorKind::AmbiguousNumber},
                    RefuseRow{"tab_grouping", u"1\t000", NumberErrorKind::AmbiguousNumber},
                    RefuseRow{"no_break_space_grouping", u"1\u00A0000",
                              NumberErrorKind::AmbiguousNumber},
                    RefuseRow{"narrow_no_break_space_grouping", u"1\u202F000",
                              NumberErrorKind::AmbiguousNumber},
                    RefuseRow{"negative_decimal_comma", u"-1,5", NumberErrorKind::AmbiguousNumber},
                    RefuseRow{"comma_after_exponent", u"1e5,3", NumberErrorKind::AmbiguousNumber}),
    RowName());

// A word or unit after the number is ignored; another digit after it is not.
INSTANTIATE_TEST_SUITE_P(
    WordAfterNumber, ReadsNumber,
    testing::Values(ReadRow{"unit_with_prefix_letter", u"4.7uF", 4.7},
                    ReadRow{"unit_with_superscript", u"2.5 m\u00B2", 2.5},
                    ReadRow{"unit_cubed", u"5 cm\u00B3", 5.0},
                    ReadRow{"unit_to_a_negative_power", u"3 s\u207B\u00B9", 3.0},
                    ReadRow{"micro_sign", u"4.7\u00B5F", 4.7},
                    ReadRow{"greek_unit_squared", u"9 \u03A9\u00B2", 9.0},
                    ReadRow{"two_points_and_a_word", u"1..x", 1.0},
                    ReadRow{"sentence_without_digits", u"12 apples, please.", 12.0}),
    RowName());

INSTANTIATE_TEST_SUITE_P(
    DigitsAfterNumber, RefusesText,
    testing::Values(RefuseRow{"fraction", u"1/2", NumberErrorKind::TrailingDigits},
                    RefuseRow{"power", u"2^10", NumberErrorKind::TrailingDigits},
                    RefuseRow{"times_power", u"3\u00D710^5", NumberErrorKind::TrailingDigits},
                    RefuseRow{"second_exponent", u"1e3e4", NumberErrorKind::TrailingDigits},
                    RefuseRow{"hexadecimal", u"0x1F", NumberErrorKind::TrailingDigits},
                    RefuseRow{"hexadecimal_letters_only", u"0xFF", NumberErrorKind::TrailingDigits},
                    RefuseRow{"hexadecimal_small_letter", u"-0xe", NumberErrorKind::TrailingDigits},
                    RefuseRow{"hexadecimal_fraction", u"0x.c", NumberErrorKind::TrailingDigits},
                    RefuseRow{"difference", u"1-2", NumberErrorKind::TrailingDigits},
                    RefuseRow{"blank_before_exponent", u"1 e3", NumberErrorKind::TrailingDigits},
                    RefuseRow{"blank_then_point", u"1 .5", NumberErrorKind::TrailingDigits},
                    RefuseRow{"unit_then_number", u"10 kV 3", NumberErrorKind::TrailingDigits},
                    RefuseRow{"shortened_result_pasted", u"1.23456\u2026E-300",
                              NumberErrorKind::TrailingDigits},
                    RefuseRow{"doubled_point", u"1..5", NumberErrorKind::DoubledPoint}),
    RowName());

// Digits of other scripts, fractions and powers after the number are digits too: "1" and two
// full-width digits is 123, not 1.
INSTANTIATE_TEST_SUITE_P(
    OtherDigitsAfterNumber, RefusesText,
    testing::Values(
        RefuseRow{"full_width_digits", u"1\uFF12\uFF13", NumberErrorKind::TrailingDigits},
        RefuseRow{"arabic_indic_digits", u"1\u0662\u0663", NumberErrorKind::TrailingDigits},
        RefuseRow{"extended_arabic_indic_digits", u"1\u06F2\u06F3",
                  NumberErrorKind::TrailingDigits},
        RefuseRow{"devanagari_digit", u"4\u0967", NumberErrorKind::TrailingDigits},
        RefuseRow{"mathematical_digit_beyond_the_first_plane", u"1\U0001D7D0",
                  NumberErrorKind::TrailingDigits},
        RefuseRow{"arabic_digit_after_a_comma", u"1,\u0665", NumberErrorKind::AmbiguousNumber},
        RefuseRow{"vulgar_fraction", u"1\u00BD", NumberErrorKind::TrailingDigits},
        RefuseRow{"fraction_after_a_blank", u"2 \u2153", NumberErrorKind::TrailingDigits},
        RefuseRow{"superscript_power", u"10\u00B2", NumberErrorKind::TrailingDigits},
        RefuseRow{"superscript_after_a_blank", u"10 \u00B3", NumberErrorKind::TrailingDigits},
        RefuseRow{"superscript_negative_power", u"10\u207B\u00B3", NumberErrorKind::TrailingDigits},
        RefuseRow{"superscript_after_exponent_marker", u"1e\u00B3",
                  NumberErrorKind::TrailingDigits},
        RefuseRow{"superscript_minus_after_exponent_marker", u"2.5E\u207B\u00B3",
                  NumberErrorKind::TrailingDigits},
        RefuseRow{"subscript_digit", u"7\u2082", NumberErrorKind::TrailingDigits}),
    RowName());

INSTANTIATE_TEST_SUITE_P(
    TooLarge, RefusesText,
    testing::Values(RefuseRow{"just_above_the_largest_double", u"1.7976931348623159e308",
                              NumberErrorKind::NumberTooLarge},
                    RefuseRow{"e309", u"1e309", NumberErrorKind::NumberTooLarge},
                    RefuseRow{"negative_e309", u"-1e309", NumberErrorKind::NumberTooLarge},
                    RefuseRow{"four_hundred_digits", FourHundredNines,
                              NumberErrorKind::NumberTooLarge},
                    RefuseRow{"exponent_beyond_any_integer", u"1e99999999999999999999999",
                              NumberErrorKind::NumberTooLarge}),
    RowName());

TEST(ReadNumber, ErrorCarriesTheWholeText)
{
    const std::u16string text = u"1,5\u00A0\u00B5m";
    try {
        (void)ReadNumber(text);
        FAIL() << "no error raised";
    } catch (const NumberError &error) {
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
