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
        MessageRow{"not_a_number", ErrorKind::NotANumber, u"abc", u"\"abc\" is not a number."},
        MessageRow{"non_ascii_kept", ErrorKind::NotANumber, u"\u00B5m\U0001F600",
                   u"\"\u00B5m\U0001F600\" is not a number."},
        MessageRow{"long_text_cut", ErrorKind::NotANumber, std::u16string(5000, u'x'),
                   u"\"" + std::u16string(40, u'x') + u"\u2026\" is not a number."},
        MessageRow{"surrogate_pair_kept_whole", ErrorKind::NotANumber,
                   std::u16string(39, u'x') + u"\U0001F600yz",
                   u"\"" + std::u16string(39, u'x') + u"\u2026\" is not a number."},
        MessageRow{"decimal_comma", ErrorKind::AmbiguousNumber, u"1,5",
                   u"\"1,5\" could be read in more than one way. Write the decimal point as \".\""
                   u" and no digit grouping: a single plain number, such as 1.5 or 1000."},
        MessageRow{"doubled_point", ErrorKind::DoubledPoint, u"1..5",
                   u"\"1..5\" has two points in a row. Write a single plain number, such as 1.5"
                   u" or 1000."},
        MessageRow{"expression", ErrorKind::TrailingDigits, u"1/2",
                   u"\"1/2\" is not a single plain number: more digits follow the number it"
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
        MessageRow{"too_large", ErrorKind::NumberTooLarge, u"1e309",
                   u"\"1e309\" is too large: numbers must stay below about 1.79E+308."},
        MessageRow{"floating_point", ErrorKind::FloatingPointError, u"",
                   u"The result is too large: the calculation overflowed."}),
    RowName());

} // namespace
