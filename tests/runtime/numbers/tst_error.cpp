// SPDX-License-Identifier: MIT
#include "error.h"
#include "table_test.h"

using tenvex::Error;
using tenvex::ErrorKind;
using tenvex::ErrorMessage;

namespace {

struct MessageRow
{
    const char *name;
    ErrorKind kind;
    std::u16string text;
    std::u16string expected;
};

class ErrorMessageTest : public testing::TestWithParam<MessageRow>
{};

TEST_P(ErrorMessageTest, QuotesTheTextAndSaysWhatToDo)
{
    EXPECT_EQ(ErrorMessage(Error(GetParam().kind, GetParam().text)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, ErrorMessageTest,
    testing::Values(
        MessageRow{"not_a_number", ErrorKind::NotANumber, u"abc",
                   u"The quantity \"abc\" is not a number."},
        MessageRow{"non_ascii_kept", ErrorKind::NotANumber, u"\u00B5m\U0001F600",
                   u"The quantity \"\u00B5m\U0001F600\" is not a number."},
        MessageRow{"long_text_cut", ErrorKind::NotANumber, std::u16string(5000, u'x'),
                   u"The quantity \"" + std::u16string(40, u'x') + u"\u2026\" is not a number."},
        MessageRow{"surrogate_pair_kept_whole", ErrorKind::NotANumber,
                   std::u16string(39, u'x') + u"\U0001F600yz",
                   u"The quantity \"" + std::u16string(39, u'x') + u"\u2026\" is not a number."},
        MessageRow{"decimal_comma", ErrorKind::AmbiguousNumber, u"1,5",
                   u"The quantity \"1,5\" could be read in more than one way. Write the decimal "
                   u"point as \".\""
                   u" and no digit grouping: a single plain number, such as 1.5 or 1000."},
        MessageRow{"doubled_point", ErrorKind::DoubledPoint, u"1..5",
                   u"The quantity \"1..5\" has two points in a row. Write a single plain number, "
                   u"such as 1.5"
                   u" or 1000."},
        MessageRow{
            "expression", ErrorKind::TrailingDigits, u"1/2",
            u"The quantity \"1/2\" is not a single plain number: more digits follow the number it"
            u" begins with. Write a single plain number, such as 1.5 or 1000; a unit after"
            u" it, as in \"2.5 kV\", is fine."},
        MessageRow{"unknown_source_prefix", ErrorKind::UnknownFromPrefix, u"kilo (k)",
                   u"The From prefix box holds \"kilo (k)\", which is not a prefix name. Choose a"
                   u" name from the list; names are case-sensitive, as in \"Kilo (K)\" and"
                   u" \"milli (m)\"."},
        MessageRow{"unknown_target_prefix", ErrorKind::UnknownToPrefix, u"",
                   u"The To prefix box holds \"\", which is not a prefix name. Choose a name from"
                   u" the list; names are case-sensitive, as in \"Kilo (K)\" and"
                   u" \"milli (m)\"."},
        MessageRow{"text_too_long", ErrorKind::TextTooLong, u"Quantity",
                   u"The Quantity box holds at most 250000 characters: the text was not put in,"
                   u" and the box keeps what it had."},
        MessageRow{"too_large", ErrorKind::NumberTooLarge, u"1e309",
                   u"The quantity \"1e309\" is too large in size: numbers must lie between about "
                   u"-1.79E+308"
                   u" and 1.79E+308."},
        MessageRow{"negative_too_large", ErrorKind::NumberTooLarge, u"-1e309",
                   u"The quantity \"-1e309\" is too large in size: numbers must lie between about "
                   u"-1.79E+308"
                   u" and 1.79E+308."},
        MessageRow{"floating_point", ErrorKind::FloatingPointError, u"",
                   u"The result is too large in size: the calculation overflowed."}),
    RowName());

// What the user cannot see in a quote is written as its code, and every sentence begins with
// words, so that no text can reverse or hide the program's own sentence.
INSTANTIATE_TEST_SUITE_P(
    ShownVisibly, ErrorMessageTest,
    testing::Values(
        MessageRow{"right_to_left_override", ErrorKind::NotANumber, u"\u202Eabc",
                   u"The quantity \"<U+202E>abc\" is not a number."},
        MessageRow{"right_to_left_text_after_words", ErrorKind::NotANumber,
                   u"\u0627\u0644\u0639\u062F\u062F",
                   u"The quantity \"\u0627\u0644\u0639\u062F\u062F\" is not a number."},
        MessageRow{"isolate_inside_the_text", ErrorKind::NotANumber, u"\u2067x",
                   u"The quantity \"<U+2067>x\" is not a number."},
        MessageRow{"no_break_space_first", ErrorKind::NotANumber, u"\u00A05",
                   u"The quantity \"<U+00A0>5\" is not a number."},
        MessageRow{"direction_marks", ErrorKind::NotANumber, u"\u200E\u200F5",
                   u"The quantity \"<U+200E><U+200F>5\" is not a number."},
        MessageRow{"zero_width_space_in_a_name", ErrorKind::UnknownToPrefix, u"Unit\u200B",
                   u"The To prefix box holds \"Unit<U+200B>\", which is not a prefix name. Choose"
                   u" a name from the list; names are case-sensitive, as in \"Kilo (K)\" and"
                   u" \"milli (m)\"."},
        MessageRow{"tab", ErrorKind::NotANumber, u"\tx",
                   u"The quantity \"<U+0009>x\" is not a number."},
        MessageRow{"tag_beyond_the_first_plane", ErrorKind::NotANumber, u"x\U000E0041",
                   u"The quantity \"x<U+E0041>\" is not a number."},
        MessageRow{"lone_surrogate", ErrorKind::NotANumber, std::u16string(1, u'\xD800'),
                   u"The quantity \"<U+D800>\" is not a number."},
        MessageRow{"code_counts_as_the_character_it_stands_for", ErrorKind::NotANumber,
                   std::u16string(39, u'x') + u"\u202Eyz",
                   std::u16string(u"The quantity \"")
                       .append(39, u'x')
                       .append(u"<U+202E>\u2026\" is not a number.")}),
    RowName());

} // namespace
