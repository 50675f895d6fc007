// SPDX-License-Identifier: MIT
#include "shortening.h"
#include "table_test.h"

using tenvex::ShortenedNumber;

namespace {

// The shortening rule, with the room measured in characters.
struct ShortenRow
{
    const char *name;
    std::u16string_view text;
    std::size_t room;
    std::u16string_view shown;
};

class Shortening : public testing::TestWithParam<ShortenRow>
{};

TEST_P(Shortening, ShowsTheLongestFormThatFits)
{
    const std::size_t room = GetParam().room;
    EXPECT_EQ(ShortenedNumber(GetParam().text,
                              [room](std::u16string_view form) { return form.size() <= room; }),
              GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Shortening,
    testing::Values(
        ShortenRow{"fits_as_it_is", u"2500000", 7, u"2500000"},
        ShortenRow{"exponent_kept", u"1.23456789012346E+15", 12, u"1.23456\u2026E+15"},
        ShortenRow{"negative_three_digit_exponent", u"-1.23456789012346E-308", 12,
                   u"-1.234\u2026E-308"},
        ShortenRow{"fraction_loses_its_last_decimals", u"123456.789012346", 10, u"123456.78\u2026"},
        ShortenRow{"small_fraction", u"-0.000123456789012345", 10, u"-0.000123\u2026"},
        ShortenRow{"long_whole_number_into_exponent_form", u"123456789012345", 10,
                   u"1.234\u2026E+14"},
        ShortenRow{"negative_whole_number", u"-123456789012345", 10, u"-1.23\u2026E+14"},
        ShortenRow{"whole_part_too_wide_for_a_fraction", u"12345678901234.5", 8, u"1.2\u2026E+13"},
        ShortenRow{"small_fraction_no_room_for_its_point", u"-0.000123456789012345", 3,
                   u"-1\u2026E-04"},
        ShortenRow{"no_room_at_all", u"1.5E+15", 2, u"1\u2026E+15"}),
    RowName());

// A shortened form never ends its digits in zeros, which look like the digits left out, and
// shows a whole number exactly in exponent form where that fits.
INSTANTIATE_TEST_SUITE_P(
    NoMisleadingZeros, Shortening,
    testing::Values(
        ShortenRow{"power_of_ten_exactly", u"100000000000000", 10, u"1E+14"},
        ShortenRow{"few_digits_exactly", u"-123000000000000", 10, u"-1.23E+14"},
        ShortenRow{"zeros_inside_the_digits_skipped", u"1.00000000000001E+15", 12, u"1\u2026E+15"},
        ShortenRow{"zero_before_the_cut_skipped", u"1.20000000000003E+15", 12, u"1.2\u2026E+15"},
        ShortenRow{"fraction_zeros_skipped", u"0.100000000000001", 8, u"0.1\u2026"},
        ShortenRow{"no_bare_point", u"123456.789012346", 8, u"1.2\u2026E+05"}),
    RowName());

// Any text and any room: a text that is not a number as the program writes it, or that nothing
// shorter would show sensibly, is shown as it is; nothing throws or loops.
INSTANTIATE_TEST_SUITE_P(
    AnyTextAnyRoom, Shortening,
    testing::Values(ShortenRow{"empty", u"", 0, u""}, ShortenRow{"minus_alone", u"-", 0, u"-"},
                    ShortenRow{"point_alone", u".", 0, u"."},
                    ShortenRow{"exponent_marker_alone", u"E", 0, u"E"},
                    ShortenRow{"exponent_without_mantissa", u"E+05", 0, u"E+05"},
                    ShortenRow{"word", u"abc", 1, u"abc"},
                    ShortenRow{"zero_narrower_than_a_digit", u"0", 0, u"0"},
                    ShortenRow{"one_digit_negative", u"-5", 0, u"-5"},
                    ShortenRow{"exact_exponent_form_kept", u"-1E+15", 0, u"-1E+15"},
                    ShortenRow{"whole_power_of_ten_without_ellipsis", u"100000000000000", 0,
                               u"1E+14"},
                    ShortenRow{"longer_than_any_result", u"1.2345678901234567890123456789012345",
                               10, u"1.2345678901234567890123456789012345"}),
    RowName());

} // namespace
