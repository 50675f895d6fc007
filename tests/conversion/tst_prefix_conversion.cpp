// SPDX-License-Identifier: MIT
#include "error.h"
#include "prefix_conversion.h"
#include "table_test.h"

#include <clocale>
#include <cstdlib>
#include <optional>
#include <string>

using tenvex::ConvertQuantity;
using tenvex::Error;
using tenvex::PrefixBox;
using tenvex::UnknownPrefix;

namespace {

struct ConvertRow
{
    const char *name;
    std::u16string_view input;
    std::u16string_view from;
    std::u16string_view to;
    std::u16string_view expected;
};

class Converts : public testing::TestWithParam<ConvertRow>
{};

TEST_P(Converts, ToTheExpectedText)
{
    const ConvertRow &row = GetParam();
    EXPECT_EQ(ConvertQuantity(row.input, row.from, row.to).view(), row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Quantities, Converts,
    testing::Values(ConvertRow{"unit_to_unit", u"1", u"Unit", u"Unit", u"1"},
                    ConvertRow{"kilo_to_unit", u"1", u"Kilo (K)", u"Unit", u"1000"},
                    ConvertRow{"unit_to_kilo", u"1", u"Unit", u"Kilo (K)", u"0.001"},
                    ConvertRow{"mega_to_kilo", u"5", u"Mega (M)", u"Kilo (K)", u"5000"},
                    ConvertRow{"kilo_to_mega", u"5000", u"Kilo (K)", u"Mega (M)", u"5"},
                    ConvertRow{"negative_kilo_to_unit", u"-2", u"Kilo (K)", u"Unit", u"-2000"},
                    ConvertRow{"kilo_to_milli", u"2.5", u"Kilo (K)", u"milli (m)", u"2500000"},
                    ConvertRow{"milli_to_kilo", u"2500000", u"milli (m)", u"Kilo (K)", u"2.5"},
                    ConvertRow{"milli_to_unit", u"7", u"milli (m)", u"Unit", u"0.007"},
                    ConvertRow{"unit_to_milli", u"0.007", u"Unit", u"milli (m)", u"7"},
                    ConvertRow{"deci_source_in_no_list", u"5", u"deci (d)", u"Unit", u"0.5"},
                    ConvertRow{"deci_target", u"5", u"Unit", u"deci (d)", u"50"},
                    ConvertRow{"centi_to_unit", u"250", u"centi (c)", u"Unit", u"2.5"},
                    ConvertRow{"micro_to_nano", u"1.5", u"micro (u)", u"nano (n)", u"1500"},
                    ConvertRow{"nano_to_micro", u"1500", u"nano (n)", u"micro (u)", u"1.5"},
                    ConvertRow{"giga_to_micro", u"3", u"Giga (G)", u"micro (u)", u"3E+15"},
                    ConvertRow{"tera_to_pico", u"1", u"Tera (T)", u"pico (p)", u"1E+24"},
                    ConvertRow{"pico_to_tera", u"1", u"pico (p)", u"Tera (T)", u"1E-24"},
                    // Where a power function that is not correctly rounded shows its last bit.
                    ConvertRow{"unit_to_pico", u"1", u"Unit", u"pico (p)", u"1000000000000"},
                    ConvertRow{"unit_to_micro", u"1", u"Unit", u"micro (u)", u"1000000"},
                    ConvertRow{"deci_to_pico", u"0.1", u"deci (d)", u"pico (p)", u"10000000000"},
                    ConvertRow{"unit_text_after_number", u"2.5 kV", u"Kilo (K)", u"Unit", u"2500"},
                    ConvertRow{"unicode_minus", u"\u22123", u"Kilo (K)", u"Unit", u"-3000"},
                    ConvertRow{"negative_zero_written_0", u"-0", u"Kilo (K)", u"Unit", u"0"},
                    ConvertRow{"near_the_largest_double", u"1e296", u"Tera (T)", u"Unit",
                               u"1E+308"},
                    ConvertRow{"underflow_to_zero", u"1e-300", u"pico (p)", u"Tera (T)", u"0"},
                    ConvertRow{"subnormal_result_keeps_fewer_digits", u"1e-300", u"Unit",
                               u"Tera (T)", u"9.99999999998465E-313"}),
    RowName());

// Every result can be typed back and converted: the largest doubles too, whose text rounded to
// fifteen digits would lie beyond the largest double.
INSTANTIATE_TEST_SUITE_P(
    ResultsTypedBack, Converts,
    testing::Values(ConvertRow{"largest_double", u"1.7976931348623157e308", u"Unit", u"Unit",
                               u"1.79769313486231E+308"},
                    ConvertRow{"largest_double_typed_back", u"1.79769313486231E+308", u"Unit",
                               u"Unit", u"1.79769313486231E+308"},
                    ConvertRow{"negative_largest_double", u"-1.7976931348623157e308", u"Unit",
                               u"Unit", u"-1.79769313486231E+308"},
                    ConvertRow{"negative_typed_back_and_scaled", u"-1.79769313486231E+308", u"Unit",
                               u"Kilo (K)", u"-1.79769313486231E+305"},
                    ConvertRow{"scaled_up_next_to_the_largest", u"1.7976931348623155e296",
                               u"Tera (T)", u"Unit", u"1.79769313486231E+308"}),
    RowName());

// The error a conversion ends with, in the few words of its what(), which tell every kind of
// every layer apart.
std::optional<std::string> ErrorOf(std::u16string_view input, std::u16string_view from,
                                   std::u16string_view to)
{
    try {
        (void)ConvertQuantity(input, from, to);
    } catch (const Error &error) {
        return error.what();
    }
    return std::nullopt;
}

struct RaiseRow
{
    const char *name;
    std::u16string_view input;
    std::u16string_view from;
    std::u16string_view to;
    const char *error;
};

class Raises : public testing::TestWithParam<RaiseRow>
{};

TEST_P(Raises, ItsError)
{
    const RaiseRow &row = GetParam();
    EXPECT_EQ(ErrorOf(row.input, row.from, row.to), row.error);
}

constexpr const char *FloatingPointError = "floating-point error";
constexpr const char *UnknownFromPrefix = "unknown source prefix";
constexpr const char *UnknownToPrefix = "unknown target prefix";
constexpr const char *NotANumber = "not a number";
constexpr const char *AmbiguousNumber = "ambiguous number";
constexpr const char *NumberTooLarge = "number too large";

INSTANTIATE_TEST_SUITE_P(
    Errors, Raises,
    testing::Values(
        RaiseRow{"overflow_scaling_from_tera", u"1e300", u"Tera (T)", u"Unit", FloatingPointError},
        RaiseRow{"overflow_scaling_to_pico", u"1e300", u"Unit", u"pico (p)", FloatingPointError},
        RaiseRow{"negative_overflow", u"-1e300", u"Tera (T)", u"Unit", FloatingPointError},
        RaiseRow{"source_in_small_letters", u"5", u"mega (m)", u"Unit", UnknownFromPrefix},
        RaiseRow{"target_in_small_letters", u"5", u"Unit", u"mega (m)", UnknownToPrefix},
        RaiseRow{"kilo_with_small_k", u"5", u"Kilo (K)", u"kilo (k)", UnknownToPrefix},
        RaiseRow{"empty_target", u"5", u"Unit", u"", UnknownToPrefix},
        RaiseRow{"empty_source", u"5", u"", u"Unit", UnknownFromPrefix},
        RaiseRow{"placeholder_name", u"5", u"prefix", u"Unit", UnknownFromPrefix},
        RaiseRow{"trailing_blank", u"5", u"Kilo (K) ", u"Unit", UnknownFromPrefix},
        RaiseRow{"blank_missing", u"5", u"Kilo(K)", u"Unit", UnknownFromPrefix},
        RaiseRow{"micro_sign", u"5", u"micro (\u00B5)", u"Unit", UnknownFromPrefix},
        RaiseRow{"symbol_alone", u"5", u"K", u"Unit", UnknownFromPrefix},
        RaiseRow{"not_a_number", u"abc", u"Unit", u"Unit", NotANumber},
        RaiseRow{"decimal_comma", u"1,5", u"Kilo (K)", u"Unit", AmbiguousNumber},
        RaiseRow{"number_too_large", u"1e309", u"Unit", u"Unit", NumberTooLarge}),
    RowName());

// The first error in the order of the steps wins: number, source name, target name.
INSTANTIATE_TEST_SUITE_P(
    Order, Raises,
    testing::Values(RaiseRow{"bad_number_before_bad_names", u"abc", u"x", u"y", NotANumber},
                    RaiseRow{"bad_source_before_bad_target", u"5", u"x", u"y", UnknownFromPrefix},
                    RaiseRow{"source_overflow_before_bad_target", u"1e300", u"Tera (T)", u"y",
                             FloatingPointError},
                    RaiseRow{"bad_source_before_target_overflow", u"1e300", u"x", u"pico (p)",
                             UnknownFromPrefix}),
    RowName());

TEST(ConvertQuantity, UnknownPrefixErrorCarriesTheName)
{
    try {
        (void)ConvertQuantity(u"5", u"Kilo (K)", u"kilo (k)");
        FAIL() << "no error raised";
    } catch (const UnknownPrefix &error) {
        EXPECT_EQ(error.text(), u"kilo (k)");
        EXPECT_EQ(error.box(), PrefixBox::To);
    }
}

struct MessageRow
{
    const char *name;
    PrefixBox box;
    std::u16string text;
    std::u16string expected;
};

class UnknownPrefixMessage : public testing::TestWithParam<MessageRow>
{};

TEST_P(UnknownPrefixMessage, QuotesTheNameAndSaysWhatToDo)
{
    EXPECT_EQ(UnknownPrefix(GetParam().box, GetParam().text).message(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, UnknownPrefixMessage,
    testing::Values(
        MessageRow{"source_in_small_letters", PrefixBox::From, u"kilo (k)",
                   u"The From prefix box holds \"kilo (k)\", which is not a prefix name. Choose a"
                   u" name from the list; names are case-sensitive, as in \"Kilo (K)\" and"
                   u" \"milli (m)\"."},
        MessageRow{"empty_target", PrefixBox::To, u"",
                   u"The To prefix box holds \"\", which is not a prefix name. Choose a name from"
                   u" the list; names are case-sensitive, as in \"Kilo (K)\" and"
                   u" \"milli (m)\"."},
        MessageRow{"zero_width_space_in_a_name", PrefixBox::To, u"Unit\u200B",
                   u"The To prefix box holds \"Unit<U+200B>\", which is not a prefix name. Choose"
                   u" a name from the list; names are case-sensitive, as in \"Kilo (K)\" and"
                   u" \"milli (m)\"."}),
    RowName());

// Each factor is the double nearest its power of ten, as the library reads "1e<exponent>".
TEST(PrefixTable, FactorsAreTheNearestDoubles)
{
    for (const tenvex::PrefixEntry &row : tenvex::PrefixTable) {
        const std::string decimal = "1e" + std::to_string(row.exponent);
        EXPECT_EQ(Exact(row.factor), Exact(std::strtod(decimal.c_str(), nullptr))) << decimal;
    }
}

// In a locale that writes 2,5 the program still reads and writes the decimal point ".".
class InCommaLocale : public testing::Test
{
protected:
    void SetUp() override
    {
        // The German locale, as Linux and as Windows name it.
        const bool set = std::setlocale(LC_ALL, "de_DE.UTF-8")
            || std::setlocale(LC_ALL, "German_Germany.1252");
        ASSERT_TRUE(set) << "no German locale: run scripts/install-deps.sh";
        // A C library without locale data (the browser's) accepts the name and keeps ".".
        if (std::string(std::localeconv()->decimal_point) != ",")
            GTEST_SKIP() << "this C library has no locale that writes 2,5";
    }
    void TearDown() override { std::setlocale(LC_ALL, "C"); }
};

TEST_F(InCommaLocale, PointIsReadAndWritten)
{
    EXPECT_EQ(ConvertQuantity(u"2.5", u"Kilo (K)", u"Unit").view(), u"2500");
    EXPECT_EQ(ConvertQuantity(u"2.5e-3", u"Kilo (K)", u"Unit").view(), u"2.5");
    EXPECT_EQ(ErrorOf(u"2,5", u"Kilo (K)", u"Unit"), AmbiguousNumber);
}

} // namespace
