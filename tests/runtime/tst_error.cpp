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
    testing::Values(MessageRow{"not_a_number", ErrorKind::NotANumber, u"abc",
                               u"\"abc\" is not a number."},
                    MessageRow{"non_ascii_kept", ErrorKind::NotANumber, u"\u00B5m\U0001F600",
                               u"\"\u00B5m\U0001F600\" is not a number."},
                    MessageRow{"long_text_cut", ErrorKind::NotANumber, std::u16string(5000, u'x'),
                               u"\"" + std::u16string(40, u'x') + u"\u2026\" is not a number."},
                    MessageRow{"surrogate_pair_kept_whole", ErrorKind::NotANumber,
                               std::u16string(39, u'x') + u"\U0001F600yz",
                               u"\"" + std::u16string(39, u'x') + u"\u2026\" is not a number."},
                    MessageRow{"too_large", ErrorKind::NumberTooLarge, u"1e309",
                               u"\"1e309\" is too large: numbers must stay below about 1.79E+308."},
                    MessageRow{"floating_point", ErrorKind::FloatingPointError, u"",
                               u"The result is too large: the calculation overflowed."}),
    RowName());

} // namespace
