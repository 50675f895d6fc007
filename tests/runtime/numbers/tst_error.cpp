// SPDX-License-Identifier: MIT
#include "error.h"
#include "table_test.h"

using tenvex::NumberError;
using tenvex::NumberErrorKind;

namespace {

struct MessageRow
{
    const char *name;
    NumberErrorKind kind;
    std::u16string text;
    std::u16string expected;
};

class ErrorMessageTest : public testing::TestWithParam<MessageRow>
{};

TEST_P(ErrorMessageTest, QuotesTheTextAndSaysWhatToDo)
{
    EXPECT_EQ(NumberError(GetParam().kind, GetParam().text).message(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, ErrorMessageTest,
    testing::Values(
        MessageRow{"not_a_number", NumberErrorKind::NotANumber, u"abc",
                   u"The quantity \"abc\" is not a number."},
        MessageRow{"non_ascii_kept", NumberErrorKind::NotANumber, u"\u00B5m\U0001F600",
                   u"The quantity \"\u00B5m\U0001F600\" is not a number."},
        MessageRow{"long_text_cut", NumberErrorKind::NotANumber, std::u16string(5000, u'x'),
                   u"The quantity \"" + std::u16string(40, u'x') + u"\u2026\" is not a number."},
        MessageRow{"surrogate_pair_kept_whole", NumberErrorKind::NotANumber,
                   std::u16string(39, u'x') + u"\U0001F600yz",
                   u"The quantity \"" + std::u16string(39, u'x') + u"\u2026\" is not a number."},
        MessageRow{"decimal_comma", NumberErrorKind::AmbiguousNumber, u"1,5",
                   u"The quantity \"1,5\" could be read in more than one way. Write the decimal "
                   u"point as \".\""
                   u" and no digit grouping: a single plain number, such as 1.5 or 1000."},
        MessageRow{"doubled_point", NumberErrorKind::DoubledPoint, u"1..5",
                   u"The quantity \"1..5\" has two points in a row. Write a single plain number, "
                   u"such as 1.5"
                   u" or 1000."},
        MessageRow{
            "expression", NumberErrorKind::TrailingDigits, u"1/2",
            u"The quantity \"1/2\" is not a single plain number: more digits follow the number it"
            u" begins with. Write a single plain number, such as 1.5 or 1000; a unit after"
            u" it, as in \"2.5 kV\", is fine."},
        MessageRow{"too_large", NumberErrorKind::NumberTooLarge, u"1e309",
                   u"The quantity \"1e309\" is too large in size: numbers must lie between about "
                   u"-1.79E+308"
                   u" and 1.79E+308."},
        MessageRow{"negative_too_large", NumberErrorKind::NumberTooLarge, u"-1e309",
                   u"The quantity \"-1e309\" is too large in size: numbers must lie between about "
                   u"-1.79E+308"
                   u" and 1.79E+308."},
        MessageRow{"floating_point", NumberErrorKind::FloatingPointError, u"",
                   u"The result is too large in size: the calculation overflowed."}),
    RowName());

// What the user cannot see in a quote is written as its code, and every sentence begins with
// words, so that no text can reverse or hide the program's own sentence.
INSTANTIATE_TEST_SUITE_P(
    ShownVisibly, ErrorMessageTest,
    testing::Values(MessageRow{"right_to_left_override", NumberErrorKind::NotANumber, u"\u202Eabc",
                               u"The quantity \"<U+202E>abc\" is not a number."},
                    MessageRow{"right_to_left_text_after_words", NumberErrorKind::NotANumber,
                               u"\u0627\u0644\u0639\u062F\u062F",
                               u"The quantity \"\u0627\u0644\u0639\u062F\u062F\" is not a number."},
                    MessageRow{"isolate_inside_the_text", NumberErrorKind::NotANumber, u"\u2067x",
                               u"The quantity \"<U+2067>x\" is not a number."},
                    MessageRow{"no_break_space_first", NumberErrorKind::NotANumber, u"\u00A05",
                               u"The quantity \"<U+00A0>5\" is not a number."},
                    MessageRow{"direction_marks", NumberErrorKind::NotANumber, u"\u200E\u200F5",
                               u"The quantity \"<U+200E><U+200F>5\" is not a number."},
                    MessageRow{"tab", NumberErrorKind::NotANumber, u"\tx",
                               u"The quantity \"<U+0009>x\" is not a number."},
                    MessageRow{"tag_beyond_the_first_plane", NumberErrorKind::NotANumber,
                               u"x\U000E0041", u"The quantity \"x<U+E0041>\" is not a number."},
                    MessageRow{"lone_surrogate", NumberErrorKind::NotANumber,
                               std::u16string(1, u'\xD800'),
                               u"The quantity \"<U+D800>\" is not a number."},
                    MessageRow{"code_counts_as_the_character_it_stands_for",
                               NumberErrorKind::NotANumber, std::u16string(39, u'x') + u"\u202Eyz",
                               std::u16string(u"The quantity \"")
                                   .append(39, u'x')
                                   .append(u"<U+202E>\u2026\" is not a number.")}),
    RowName());

} // namespace
